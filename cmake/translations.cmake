# The program's catalogs: each .ts of translations/ becomes a .qm built into a target
# as ":/i18n/<name>.qm". `update_translations` brings the .ts files up to date with the
# texts of the program folders (translations/program-folders), whose Russian texts are
# the catalogs' sources. A build for Windows on Linux takes the build machine's tools.

find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

file(STRINGS ${PROJECT_SOURCE_DIR}/translations/program-folders pemrix_program_folders)
set(pemrix_program_sources)
foreach(folder IN LISTS pemrix_program_folders)
  file(GLOB_RECURSE folder_sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  list(APPEND pemrix_program_sources ${folder_sources})
endforeach()

function(pemrix_add_catalog target ts_file)
  qt_add_translations(${target}
      TS_FILES ${ts_file}
      RESOURCE_PREFIX /i18n
      SOURCES ${pemrix_program_sources}
      LUPDATE_OPTIONS -source-language ru -locations none -no-obsolete
      LRELEASE_OPTIONS -silent)
endfunction()
