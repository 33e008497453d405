# Quillon-<version>-win64.zip (unpack anywhere and start quillon.exe) and
# Quillon-<version>-win64.exe, an installer made with NSIS: it puts the same
# folder under Program Files, adds a Start-menu entry and an uninstaller, and
# offers quillon.exe in Explorer's "Open with" for .a78 files.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME "Quillon-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_EXECUTABLES quillon Quillon)
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
  set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
endif()

set(quillon_ico "${PROJECT_SOURCE_DIR}/packaging/windows/quillon.ico")
set(CPACK_NSIS_PACKAGE_NAME Quillon)
set(CPACK_NSIS_DISPLAY_NAME "Quillon ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME quillon.exe)
set(CPACK_NSIS_MUI_ICON ${quillon_ico})
set(CPACK_NSIS_MUI_UNIICON ${quillon_ico})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# An upgrade goes where the installed copy is (unless /D= or the folder page
# says otherwise): the old one is removed first, and a new copy elsewhere
# would leave the old folder behind with its uninstaller in it. The folder is
# read from the key the installer writes it to, which keeps its name from
# version to version.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quillon)
set(CPACK_NSIS_DEFINES
  "InstallDirRegKey HKLM 'Software\\\\${CPACK_PACKAGE_VENDOR}\\\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}' ''")
# "Open with" for ROM images: the application key tells Explorer how to hand
# it a file and which types it takes, the type's list offers it. Written in
# the installer's registry view (machine-wide when installed for everyone).
set(quillon_app_key "Software\\\\Classes\\\\Applications\\\\quillon.exe")
string(CONCAT CPACK_NSIS_EXTRA_INSTALL_COMMANDS
  "WriteRegStr SHCTX '${quillon_app_key}' 'FriendlyAppName' 'Quillon'\n"
  "WriteRegStr SHCTX '${quillon_app_key}\\\\DefaultIcon' '' '\\\"$INSTDIR\\\\quillon.exe\\\",0'\n"
  "WriteRegStr SHCTX '${quillon_app_key}\\\\shell\\\\open\\\\command' '' "
  "'\\\"$INSTDIR\\\\quillon.exe\\\" \\\"%1\\\"'\n"
  "WriteRegStr SHCTX '${quillon_app_key}\\\\SupportedTypes' '.a78' ''\n"
  "WriteRegStr SHCTX 'Software\\\\Classes\\\\.a78\\\\OpenWithList\\\\quillon.exe' '' ''\n")
string(CONCAT CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
  "DeleteRegKey SHCTX '${quillon_app_key}'\n"
  "DeleteRegKey SHCTX 'Software\\\\Classes\\\\.a78\\\\OpenWithList\\\\quillon.exe'\n"
  # The type's keys go too when they were there for us alone; another
  # program's association with .a78 stays.
  "DeleteRegKey /ifnosubkeys /ifnovalues SHCTX 'Software\\\\Classes\\\\.a78\\\\OpenWithList'\n"
  "DeleteRegKey /ifnosubkeys /ifnovalues SHCTX 'Software\\\\Classes\\\\.a78'\n")
# CPack's uninstaller removes the key that records the folder but not the
# vendor key above it; these lines run after that removal (they are meant
# for shortcuts, the last hook CPack offers).
set(CPACK_NSIS_DELETE_ICONS_EXTRA
  "DeleteRegKey /ifnosubkeys /ifnovalues SHCTX 'Software\\\\${CPACK_PACKAGE_VENDOR}'")
