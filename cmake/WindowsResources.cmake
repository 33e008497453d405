# quillon.exe carries its icon and version information as Windows resources.
enable_language(RC)
set(quillon_ico "${PROJECT_SOURCE_DIR}/packaging/windows/quillon.ico")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quillon.rc.in
               ${PROJECT_BINARY_DIR}/quillon.rc @ONLY)
target_sources(quillon PRIVATE ${PROJECT_BINARY_DIR}/quillon.rc)
