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
  # A Windows user has no Qt of their own, and Qt 6.4 has no deploy tool for
  # a cross build: the folder beside quillon.exe gets by name what the
  # program loads. The Qt DLLs it links, the mingw runtime they and it share,
  # the platform plugin that makes windows, the style plugin that draws the
  # controls as Windows does, and a qt.conf that makes Qt look for plugins in
  # this folder only. No image-format plugin: the icon's bitmaps are PNG,
  # which QtGui reads itself.
  install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
          DESTINATION .)
  if(MINGW)
    # The Qt for Windows keeps the runtime it was built with beside its DLLs.
    set(quillon_runtime_dlls libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    list(TRANSFORM quillon_runtime_dlls PREPEND "$<TARGET_FILE_DIR:Qt6::Core>/")
    install(FILES ${quillon_runtime_dlls} DESTINATION .)
  endif()
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
  install(FILES ${quillon_packaging_dir}/windows/qt.conf DESTINATION .)
  # What the folder ships comes with its licences: ours, and the notices of
  # Qt (LGPL-3) and of the compiler's runtime, which name the file beside
  # them as LICENSE.txt.
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
  install(FILES ${quillon_packaging_dir}/THIRD-PARTY-NOTICES.txt DESTINATION .)
  # How to use the folder, with the line ends Notepad has always shown.
  configure_file(${quillon_packaging_dir}/windows/README.txt.in
                 ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)
endif()
