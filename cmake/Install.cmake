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
