# The Debian package (`make deb`): CPack's DEB generator over the install
# rules, with the dependencies found by dpkg-shlibdeps, the copyright file
# and the changelog Debian asks for, and stripped programs.
set(DPMR_PACKAGE_MAINTAINER "dpmrcps maintainers <maintainers@dpmrcps.org>" CACHE STRING
    "Maintainer field of the Debian package: a name and a real mail address")

set(DPMR_DEB_DOC ${CMAKE_BINARY_DIR}/debian-doc)
file(MAKE_DIRECTORY ${DPMR_DEB_DOC})
configure_file(${PROJECT_SOURCE_DIR}/res/linux/changelog.Debian.in
               ${DPMR_DEB_DOC}/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${DPMR_DEB_DOC}/changelog.Debian.gz
                   COMMAND sh -c "gzip -9n -c changelog.Debian > changelog.Debian.gz"
                   WORKING_DIRECTORY ${DPMR_DEB_DOC}
                   DEPENDS ${DPMR_DEB_DOC}/changelog.Debian
                   VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${DPMR_DEB_DOC}/changelog.Debian.gz)
install(FILES ${PROJECT_SOURCE_DIR}/res/linux/copyright ${DPMR_DEB_DOC}/changelog.Debian.gz
        DESTINATION ${DPMR_DOC_DIR})
# lintian's one remaining warning, with its reason in the file.
install(FILES ${PROJECT_SOURCE_DIR}/res/linux/dpmrcps.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME dpmrcps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dpmrcps)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${DPMR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DPMR_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${DPMR_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# The summary, then the long description as plain lines: CPack indents each
# line by one space and writes an empty line as " .", as Debian's control
# file wants them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "programming software for FM/dPMR handheld radios
dpmrcps reads the configuration of an FM/dPMR handheld two-way radio over
a USB-serial programming cable, edits it (channels and tones, options, side
keys, scan, alarm, DTMF, dPMR identity, contacts and group receive lists)
and writes it back. It keeps a backup of every Read and Write, can verify a
Write, and has undo, a check before writing, CHIRP CSV and YAML files, and
a virtual radio to try it without one.

The package also holds dpmrtool, the same functions on the command line,
and a udev rule that keeps ModemManager away from the programming cables.")
include(CPack)
