# The program's catalogs: each .ts of translations/ becomes a .qm built into a target
# as ":/i18n/<name>.qm". `update_translations` brings the .ts files up to date with the
# texts of the program folders (translations/program-folders), whose Russian texts are
# the catalogs' sources.

find_package(Qt6 6.4 QUIET COMPONENTS LinguistTools)

file(STRINGS ${PROJECT_SOURCE_DIR}/translations/program-folders pemrix_program_folders)
set(pemrix_program_sources)
foreach(folder IN LISTS pemrix_program_folders)
  file(GLOB_RECURSE folder_sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  list(APPEND pemrix_program_sources ${folder_sources})
endforeach()

function(pemrix_add_catalog target ts_file)
  if(TARGET Qt6::lrelease)
    qt_add_translations(${target}
        TS_FILES ${ts_file}
        RESOURCE_PREFIX /i18n
        SOURCES ${pemrix_program_sources}
        LUPDATE_OPTIONS -source-language ru -locations none -no-obsolete
        LRELEASE_OPTIONS -silent)
    return()
  endif()
  # A build for another system (Qt for Windows has no tools of its own): the build
  # machine's lrelease.
  find_program(PEMRIX_LRELEASE NAMES lrelease lrelease-qt6
               PATHS ${QT_HOST_PATH}/lib/qt6/bin ${QT_HOST_PATH}/bin REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  get_filename_component(name ${ts_file} NAME_WLE)
  set(qm_file ${CMAKE_CURRENT_BINARY_DIR}/${name}.qm)
  add_custom_command(OUTPUT ${qm_file}
      COMMAND ${PEMRIX_LRELEASE} -silent ${ts_file} -qm ${qm_file}
      DEPENDS ${ts_file} VERBATIM)
  qt_add_resources(${target} "${target}_translations"
      PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_file})
endfunction()
