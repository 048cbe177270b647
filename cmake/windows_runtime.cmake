# What pemrix.exe needs beside it when it is cross-built with mingw-w64 against Qt for
# Windows: Qt's DLLs, the platform plugin, the styles, the MinGW runtime, and Qt's
# Russian catalogue, which qt.conf points Qt at.

set(pemrix_qt_files "")
foreach(module Core Gui Widgets PrintSupport)
  list(APPEND pemrix_qt_files "$<TARGET_FILE:Qt6::${module}>")
endforeach()
install(FILES ${pemrix_qt_files} DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>"
        DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
if(TARGET Qt6::QWindowsVistaStylePlugin)
  install(FILES "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>"
          DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
endif()

# The compiler knows where its own runtime lies.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                  OUTPUT_VARIABLE pemrix_runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${pemrix_runtime_dll}" OR NOT EXISTS "${pemrix_runtime_dll}")
    message(FATAL_ERROR "${dll}: not found by ${CMAKE_CXX_COMPILER} (g++-mingw-w64-x86-64-posix)")
  endif()
  install(FILES "${pemrix_runtime_dll}" DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# Qt's catalogues are the same files on every system; the build machine's serve.
find_file(PEMRIX_QTBASE_RU qtbase_ru.qm PATHS /usr/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT PEMRIX_QTBASE_RU)
  message(FATAL_ERROR "qtbase_ru.qm not found in /usr/share/qt6/translations (qt6-translations-l10n)")
endif()
install(FILES "${PEMRIX_QTBASE_RU}" DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
file(WRITE "${PROJECT_BINARY_DIR}/packaging/qt.conf" "[Paths]\nPrefix=.\nTranslations=translations\n")
install(FILES "${PROJECT_BINARY_DIR}/packaging/qt.conf" DESTINATION ${CMAKE_INSTALL_BINDIR})
