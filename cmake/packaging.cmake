# What `cmake --install` puts in place and how CPack packs it: the three programs,
# and on Linux their desktop entry, AppStream metainfo, icons, manual pages,
# copyright and changelog. Nothing else is installed: no libraries, headers, tests or
# benchmarks. scripts/package builds the .deb; docs/windows-installer.md tells how to
# build the Windows installer.

include(GNUInstallDirs)

set(pemrix_packaging_dir "${PROJECT_SOURCE_DIR}/packaging")
set(pemrix_maintainer "Pemrix developers <pemrix@pemrix.org>")
set(pemrix_generated_dir "${PROJECT_BINARY_DIR}/packaging")

set(pemrix_installed_programs "")
foreach(program pemrix pemrix-cli pemrix-emulator)
  if(TARGET ${program})
    list(APPEND pemrix_installed_programs ${program})
  endif()
endforeach()
install(TARGETS ${pemrix_installed_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (CPack's, `cmake --install --strip`) also drops the sections
# .comment (the compiler's name) and .note, which nothing running the programs reads,
# as Debian strips its own packages.
if(UNIX AND NOT APPLE)
  foreach(program ${pemrix_installed_programs})
    install(CODE "
      if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\"
                        COMMAND_ERROR_IS_FATAL ANY)
      endif()")
  endforeach()
endif()

# Installing needs only what it installs: the tests and benchmarks need not be built
# first. The programs and pemrix_man_pages must be (scripts/package builds them).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

if(UNIX AND NOT APPLE)
  # Manual pages, with the program's version and release date filled in, compressed
  # as Debian keeps them (-n: no name or time stamp, so the same page gives the same
  # file).
  set(pemrix_man_pages "")
  foreach(program ${pemrix_installed_programs})
    set(man_source "${pemrix_generated_dir}/${program}.1")
    configure_file("${pemrix_packaging_dir}/man/${program}.1.in" "${man_source}" @ONLY)
    set(page "${man_source}.gz")
    add_custom_command(OUTPUT "${page}"
      COMMAND gzip -9n -c "${man_source}" > "${page}"
      DEPENDS "${man_source}"
      COMMENT "Compressing the manual page of ${program}"
      VERBATIM)
    list(APPEND pemrix_man_pages "${page}")
  endforeach()
  add_custom_target(pemrix_man_pages ALL DEPENDS ${pemrix_man_pages})
  install(FILES ${pemrix_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES "${pemrix_packaging_dir}/copyright" DESTINATION ${CMAKE_INSTALL_DOCDIR})

  # The package's changelog, in Debian's format, for the version and release date the
  # main window shows.
  execute_process(COMMAND date -u -R -d "${PEMRIX_RELEASE_DATE} 12:00:00"
                  OUTPUT_VARIABLE pemrix_changelog_date OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  set(changelog "${pemrix_generated_dir}/changelog")
  configure_file("${pemrix_packaging_dir}/changelog.in" "${changelog}" @ONLY)
  execute_process(COMMAND gzip -9n -c "${changelog}" OUTPUT_FILE "${changelog}.gz"
                  COMMAND_ERROR_IS_FATAL ANY)
  install(FILES "${changelog}.gz" DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # What lintian cannot tell from the programs themselves.
  install(FILES "${pemrix_packaging_dir}/lintian-overrides"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME pemrix)
endif()

if(UNIX AND NOT APPLE AND TARGET pemrix)
  # The desktop menu entry and the software centres' description, both named by the
  # desktop id the program gives Qt.
  configure_file("${pemrix_packaging_dir}/pemrix.desktop.in"
                 "${pemrix_generated_dir}/${PEMRIX_APP_ID}.desktop" @ONLY)
  configure_file("${pemrix_packaging_dir}/pemrix.metainfo.xml.in"
                 "${pemrix_generated_dir}/${PEMRIX_APP_ID}.metainfo.xml" @ONLY)
  install(FILES "${pemrix_generated_dir}/${PEMRIX_APP_ID}.desktop"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES "${pemrix_generated_dir}/${PEMRIX_APP_ID}.metainfo.xml"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES "${pemrix_packaging_dir}/icons/pemrix-${size}.png"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${PEMRIX_APP_ID}.png)
  endforeach()
  install(FILES "${pemrix_packaging_dir}/icons/pemrix.svg"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${PEMRIX_APP_ID}.svg)
endif()

# On Windows Qt's DLLs and plugins go beside pemrix.exe. Built on Linux against Qt for
# Windows (scripts/tools/windows-program), there is no windeployqt: the few files the
# program needs are named here, with the MinGW runtime and Qt's Russian catalogue.
if(WIN32 AND TARGET pemrix AND CMAKE_CROSSCOMPILING)
  include(windows_runtime)
elseif(WIN32 AND TARGET pemrix AND COMMAND qt_generate_deploy_app_script)
  qt_generate_deploy_app_script(TARGET pemrix FILENAME_VARIABLE pemrix_deploy_script
                                NO_UNSUPPORTED_PLATFORM_ERROR)
  install(SCRIPT "${pemrix_deploy_script}")
endif()

set(CPACK_PACKAGE_NAME pemrix)
set(CPACK_PACKAGE_VENDOR "Pemrix")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${pemrix_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configurator for Orvel alarm modules on a serial line")
# Lines as the package's description shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A desktop tool for alarm-system installers: links to one Orvel module on a"
  "serial port (security expander Orvel-416, fire-and-security expander"
  "Orvel-417, relay module Orvel-426/427), reads its configuration, edits it"
  "under the module's rules and writes it back; keeps configurations in files"
  "and reads touch-memory keys. The interface is in Russian."
  "pemrix-cli does the same exchanges from scripts; pemrix-emulator plays a"
  "module on a pseudo-terminal.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Pemrix")
set(CPACK_PACKAGE_EXECUTABLES "pemrix;Pemrix")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR NSIS)
  # The installer's licence page; WiX takes only a .txt or .rtf file.
  configure_file("${pemrix_packaging_dir}/copyright" "${pemrix_generated_dir}/copyright.txt"
                 COPYONLY)
  set(CPACK_RESOURCE_FILE_LICENSE "${pemrix_generated_dir}/copyright.txt")
  set(CPACK_NSIS_DISPLAY_NAME "Pemrix ${PROJECT_VERSION}")
  set(CPACK_NSIS_PACKAGE_NAME "Pemrix")
  set(CPACK_NSIS_INSTALLED_ICON_NAME "${CMAKE_INSTALL_BINDIR}\\\\pemrix.exe")
  set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  # dpkg-shlibdeps adds the libraries the programs are linked with (Qt, libstdc++,
  # libc) to the ones named here. The window needs a Qt platform plugin, which no
  # program links; Qt's Russian texts ("Да"/"Нет") are welcome but not vital.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()

include(CPack)
