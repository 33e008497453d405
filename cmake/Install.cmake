# What `cmake --install` adds around the `quillon` executable (whose own
# install rule sits with its target) so that it installs like any other
# desktop program. The Debian package is made from these same rules.

set(QUILLON_APP_ID org.quillon.Quillon)
set(quillon_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)

if(UNIX AND NOT APPLE)
  # Freedesktop places: the menu finds the desktop entry, the entry names the
  # icon by id and the theme finds it in hicolor, software centres read the
  # metainfo. The same id ties all three to each other.
  install(FILES ${quillon_packaging_dir}/${QUILLON_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${quillon_packaging_dir}/${QUILLON_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${quillon_packaging_dir}/${QUILLON_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

if(UNIX AND NOT APPLE)
  # The manual page and the documents Debian asks of every package: the
  # licence in machine-readable form and the changelog, in the package's own
  # doc folder (lower case, unlike GNUInstallDirs' DOCDIR, which takes the
  # project's name). Manual page and changelog are kept gzip-compressed at the
  # highest level and without a time stamp, so that a rebuild gives the same
  # bytes.
  find_program(QUILLON_GZIP gzip REQUIRED)
  set(quillon_man_page ${CMAKE_CURRENT_BINARY_DIR}/quillon.1.gz)
  set(quillon_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
  add_custom_command(OUTPUT ${quillon_man_page}
    COMMAND ${QUILLON_GZIP} -9 -n -c ${quillon_packaging_dir}/quillon.1 > ${quillon_man_page}
    DEPENDS ${quillon_packaging_dir}/quillon.1)
  add_custom_command(OUTPUT ${quillon_changelog}
    COMMAND ${QUILLON_GZIP} -9 -n -c ${quillon_packaging_dir}/changelog > ${quillon_changelog}
    DEPENDS ${quillon_packaging_dir}/changelog)
  add_custom_target(quillon_documents ALL DEPENDS ${quillon_man_page} ${quillon_changelog})
  install(FILES ${quillon_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${quillon_packaging_dir}/copyright ${quillon_changelog}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillon)
endif()

if(WIN32)
  # A Windows user has no Qt of their own: Qt's deploy step copies the Qt
  # DLLs and the plugins the window loads (the platform plugin, the styles,
  # the SVG image and icon plugins that draw the icon) next to quillon.exe
  # and writes a qt.conf there. A static Qt needs no deploying, so that case
  # is let through rather than stopped with an error. Qt 6.5 renamed the
  # option that returns the script's name; both spellings are handled.
  if(Qt6_VERSION VERSION_GREATER_EQUAL 6.5)
    qt_generate_deploy_app_script(TARGET quillon
      OUTPUT_SCRIPT quillon_deploy_script
      NO_UNSUPPORTED_PLATFORM_ERROR)
  else()
    qt_generate_deploy_app_script(TARGET quillon
      FILENAME_VARIABLE quillon_deploy_script
      NO_UNSUPPORTED_PLATFORM_ERROR)
  endif()
  install(SCRIPT ${quillon_deploy_script})
endif()
