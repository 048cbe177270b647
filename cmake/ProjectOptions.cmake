# One interface target carries the language level and the warnings for every target.
add_library(pemrix_options INTERFACE)
target_compile_features(pemrix_options INTERFACE cxx_std_20)
target_include_directories(pemrix_options INTERFACE ${PROJECT_SOURCE_DIR})
if(MSVC)
  target_compile_options(pemrix_options INTERFACE /W4 /utf-8)
else()
  target_compile_options(pemrix_options INTERFACE -Wall -Wextra -Wpedantic)
endif()

# <windows.h> without its min and max macros (they break std::max) and without the
# rarely used parts, the same in every file that includes it.
if(WIN32)
  target_compile_definitions(pemrix_options INTERFACE NOMINMAX WIN32_LEAN_AND_MEAN)
endif()

option(PEMRIX_WARNINGS_AS_ERRORS "Treat warnings as errors" OFF)
if(PEMRIX_WARNINGS_AS_ERRORS)
  target_compile_options(pemrix_options INTERFACE $<IF:$<CXX_COMPILER_ID:MSVC>,/WX,-Werror>)
endif()

set(PEMRIX_SANITIZE "" CACHE STRING "Sanitizers to build with: address,undefined or thread")
if(PEMRIX_SANITIZE)
  add_compile_options(-fsanitize=${PEMRIX_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${PEMRIX_SANITIZE})
endif()

# The hardening a distribution builds its packages with, for the build the package is
# made from (the ci preset): checked buffer functions, a stack protector, relocations
# resolved at start and then read-only, position-independent programs. It needs the
# optimiser, so the debug and sanitizer builds go without.
option(PEMRIX_HARDENING "Build with a distribution's hardening flags" OFF)
if(PEMRIX_HARDENING AND NOT MSVC)
  add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong)
  add_link_options(-Wl,-z,relro,-z,now)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
endif()

set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

# pemrix_add_test(<name> SOURCES ... LIBS ... [GUI] [LABELS ...])
# One test executable per test file; GUI tests run on the offscreen platform.
function(pemrix_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  find_package(GTest REQUIRED)
  target_link_libraries(${name} PRIVATE pemrix_options GTest::gtest GTest::gmock GTest::gtest_main ${T_LIBS})
  # The shared precompiled headers of tests/support. GCC no longer sees the standard
  # library's code inlined from them as a system header's, and at -O2 then warns
  # wrongly about its string copies.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${name} PRIVATE -Wno-array-bounds -Wno-stringop-overflow
                                           -Wno-stringop-overread)
  endif()
  if(T_GUI)
    target_precompile_headers(${name} REUSE_FROM pemrix_gui_test_main)
  else()
    target_compile_options(${name} PRIVATE -fPIC)
    target_precompile_headers(${name} REUSE_FROM pemrix_test_pch)
  endif()
  # No test declares a Qt object of its own: Qt's meta-object compiler has nothing
  # to do for them.
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  add_test(NAME ${name} COMMAND ${name})
  # The program's texts are checked in Russian whatever the machine's language is.
  set(env "LANGUAGE=" "LC_ALL=" "LC_MESSAGES=" "LANG=C.UTF-8")
  if(T_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS "${T_LABELS}" ENVIRONMENT "${env}")
endfunction()

# Another run of a test: its arguments and environment added to the test's own
# (a second language, a larger scale).
function(pemrix_add_test_run name run)
  cmake_parse_arguments(R "" "" "ARGS;ENVIRONMENT" ${ARGN})
  add_test(NAME ${name}_${run} COMMAND ${name} ${R_ARGS})
  get_test_property(${name} ENVIRONMENT env)
  get_test_property(${name} LABELS labels)
  set_tests_properties(${name}_${run} PROPERTIES TIMEOUT 300 LABELS "${labels}"
                       ENVIRONMENT "${env};${R_ENVIRONMENT}")
endfunction()
