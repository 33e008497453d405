# quillon.exe carries its icon, version information and manifest as Windows
# resources.
enable_language(RC)
set(quillon_ico "${PROJECT_SOURCE_DIR}/packaging/windows/quillon.ico")
set(quillon_manifest "${PROJECT_BINARY_DIR}/quillon.manifest")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quillon.manifest.in ${quillon_manifest}
               @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quillon.rc.in
               ${PROJECT_BINARY_DIR}/quillon.rc @ONLY)
target_sources(quillon PRIVATE ${PROJECT_BINARY_DIR}/quillon.rc)
# windres reads both files while compiling the script, which CMake cannot see.
set_source_files_properties(${PROJECT_BINARY_DIR}/quillon.rc PROPERTIES
  OBJECT_DEPENDS "${quillon_ico};${quillon_manifest}")
