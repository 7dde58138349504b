# Installing dpmrcps like a desktop program: the two programs, the shipped
# files in <prefix>/share/dpmrcps/ (found from the executables' folder, see
# InstallPaths.h), the menu entry, icons, AppStream metainfo, manual pages,
# the user guide and the udev rule for the programming cables.
#   cmake --install build --prefix /usr/local        (make install PREFIX=...)
#   DESTDIR=/tmp/stage cmake --install build          (staging)

set(DPMR_APP_ID "org.dpmrcps.dpmrcps" CACHE STRING
    "AppStream component ID, also the name of the .desktop file")
set(DPMR_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
    "Where the udev rule goes, relative to the prefix (or absolute)")
set(DPMR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/dpmrcps)
set(DPMR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/dpmrcps)

# The metainfo names the desktop file by the component ID.
configure_file(${PROJECT_SOURCE_DIR}/res/linux/dpmrcps.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/linux/${DPMR_APP_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/res/linux/dpmrcps.desktop
               ${CMAKE_BINARY_DIR}/linux/${DPMR_APP_ID}.desktop COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/DesktopEntry.h.in
               ${CMAKE_BINARY_DIR}/generated/DesktopEntry.h @ONLY)

install(TARGETS dpmrtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(DPMR_BUILD_GUI)
  install(TARGETS dpmrcps RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_BINARY_DIR}/linux/${DPMR_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_BINARY_DIR}/linux/${DPMR_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/res/icons/hicolor/${size}x${size}/dpmrcps.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/res/icons/dpmrcps.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The shipped files; Default.dat and Factory.dat only when the project has them.
install(FILES ${PROJECT_SOURCE_DIR}/res/Program.ini ${PROJECT_SOURCE_DIR}/res/pmr446-demo.dat
        DESTINATION ${DPMR_DATA_DIR})
foreach(optional Default.dat Factory.dat)
  if(EXISTS ${PROJECT_SOURCE_DIR}/res/${optional})
    install(FILES ${PROJECT_SOURCE_DIR}/res/${optional} DESTINATION ${DPMR_DATA_DIR})
  endif()
endforeach()

install(FILES ${CMAKE_BINARY_DIR}/man/dpmrcps.1.gz ${CMAKE_BINARY_DIR}/man/dpmrtool.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
file(GLOB DPMR_TRANSLATED_GUIDES ${PROJECT_SOURCE_DIR}/res/guide/user-guide.*.html)
install(FILES ${PROJECT_SOURCE_DIR}/res/guide/user-guide.html ${DPMR_TRANSLATED_GUIDES}
              ${PROJECT_SOURCE_DIR}/res/guide/settings-reference.html DESTINATION ${DPMR_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/res/linux/60-dpmrcps.rules DESTINATION ${DPMR_UDEV_RULES_DIR})
