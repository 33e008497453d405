# Quillon-<version>-win64.zip (unpack anywhere and start quillon.exe) and
# Quillon-<version>-win64.exe, an installer made with NSIS from our own
# script, packaging/windows/NSIS.template.in: it puts the same folder under
# Program Files (or the user's own programs folder), adds a Start-menu entry
# and an uninstaller, and offers quillon.exe in Explorer's "Open with" for
# .a78 files.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME "Quillon-${PROJECT_VERSION}-win64")
# cpack takes the installer's script from the first module folder that has
# one.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(quillon_windows_dir "${PROJECT_SOURCE_DIR}/packaging/windows")
set(CPACK_NSIS_PACKAGE_NAME Quillon)
# Add/Remove programs' name, and the line at the foot of the installer.
set(CPACK_NSIS_DISPLAY_NAME "Quillon ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${quillon_windows_dir}/quillon.ico)
set(CPACK_NSIS_MUI_UNIICON ${quillon_windows_dir}/quillon.ico)
# Pictures made from the icon by scripts/make-icons.sh.
set(CPACK_NSIS_MUI_HEADERIMAGE ${quillon_windows_dir}/installer-header.bmp)
set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP ${quillon_windows_dir}/installer-side.bmp)
set(CPACK_NSIS_MUI_UNWELCOMEFINISHPAGE_BITMAP ${quillon_windows_dir}/installer-side.bmp)
# The registry key that records the installed folder keeps this name from
# version to version, so that an upgrade finds it.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quillon)
