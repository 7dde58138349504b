# The desktop program's translations (Qt Linguist, qt6-l10n-tools): one .ts
# file per language in i18n/, compiled by lrelease into .qm files that are
# built into dpmrgui as resources under :/i18n. `make translations` (the
# target `translations`) brings the .ts files up to date with the sources:
# lupdate reads gui/, core/ (Tr and DPMR_TR_NOOP, see core/util/Translation.h)
# and the declaration texts that dpmr_declaration_texts prints.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(DPMR_LANGUAGES de fr it es nl pl)
set(DPMR_TS_FILES)
foreach(lang ${DPMR_LANGUAGES})
  list(APPEND DPMR_TS_FILES ${PROJECT_SOURCE_DIR}/i18n/dpmrcps_${lang}.ts)
endforeach()
set(DPMR_LUPDATE_OPTIONS -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=DPMR_TR_NOOP
    -locations none -no-obsolete -no-ui-lines)

add_executable(dpmr_declaration_texts ${PROJECT_SOURCE_DIR}/i18n/DeclarationTexts.cpp)
target_link_libraries(dpmr_declaration_texts PRIVATE dpmrcore dpmr_warnings)

set(DPMR_DECLARATION_TEXTS ${CMAKE_BINARY_DIR}/i18n/DeclarationTexts.cpp)
add_custom_target(
  translations
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/i18n
  COMMAND dpmr_declaration_texts > ${DPMR_DECLARATION_TEXTS}
  COMMAND Qt6::lupdate ${DPMR_LUPDATE_OPTIONS} ${PROJECT_SOURCE_DIR}/gui ${PROJECT_SOURCE_DIR}/core
          ${DPMR_DECLARATION_TEXTS} -ts ${DPMR_TS_FILES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Bringing the translations up to date with the sources"
  VERBATIM)

# lrelease: one .qm per language, and a resource file that lists them.
set(DPMR_QM_FILES)
set(DPMR_QRC_ENTRIES)
foreach(lang ${DPMR_LANGUAGES})
  set(ts ${PROJECT_SOURCE_DIR}/i18n/dpmrcps_${lang}.ts)
  set(qm ${CMAKE_BINARY_DIR}/i18n/dpmrcps_${lang}.qm)
  add_custom_command(
    OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/i18n
    COMMAND Qt6::lrelease -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    VERBATIM)
  list(APPEND DPMR_QM_FILES ${qm})
  string(APPEND DPMR_QRC_ENTRIES "    <file>dpmrcps_${lang}.qm</file>\n")
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/i18n/translations.qrc.new
     "<RCC>\n  <qresource prefix=\"/i18n\">\n${DPMR_QRC_ENTRIES}  </qresource>\n</RCC>\n")
configure_file(${CMAKE_BINARY_DIR}/i18n/translations.qrc.new ${CMAKE_BINARY_DIR}/i18n/translations.qrc
               COPYONLY)
set(DPMR_TRANSLATION_SOURCES ${CMAKE_BINARY_DIR}/i18n/translations.qrc ${DPMR_QM_FILES})
