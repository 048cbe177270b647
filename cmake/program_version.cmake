# The program's version has one home: the main window's version text
# ("Версия v3.4 от 14.03.2005" in app/main_form_texts.h), which users see in its
# status bar. Read before project(), so the project, the package and the AppStream
# release all follow that text. Sets PEMRIX_VERSION (3.4), PEMRIX_RELEASE_DATE
# (2005-03-14) and PEMRIX_RELEASE_DATE_SHOWN (14.03.2005, as the window writes it).

set(pemrix_version_source "${CMAKE_CURRENT_LIST_DIR}/../app/main_form_texts.h")
file(STRINGS "${pemrix_version_source}" pemrix_version_line ENCODING UTF-8 REGEX "version\\[\\] = ")
if(NOT pemrix_version_line MATCHES
   " v([0-9]+\\.[0-9]+(\\.[0-9]+)?) [^ ]+ ([0-9][0-9])\\.([0-9][0-9])\\.([0-9][0-9][0-9][0-9])\"")
  message(FATAL_ERROR "No version text of the form vN.N ... DD.MM.YYYY in ${pemrix_version_source}")
endif()
set(PEMRIX_VERSION "${CMAKE_MATCH_1}")
set(PEMRIX_RELEASE_DATE "${CMAKE_MATCH_5}-${CMAKE_MATCH_4}-${CMAKE_MATCH_3}")
set(PEMRIX_RELEASE_DATE_SHOWN "${CMAKE_MATCH_3}.${CMAKE_MATCH_4}.${CMAKE_MATCH_5}")
# A changed version text configures the build again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${pemrix_version_source}")
