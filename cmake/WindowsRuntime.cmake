# One C++ runtime per process. The Qt DLLs are linked against the shared
# mingw runtime (libstdc++, libgcc, winpthread), so the program and its tests
# use those same DLLs, found beside Qt's own: a second, static copy would give
# two heaps and two exception runtimes in one process. Without Qt nothing
# shares the runtime, and static linking spares wine a search for its DLLs.
if(QUILLON_BUILD_GUI)
  get_filename_component(quillon_qt_bin "${Qt6_DIR}/../../../bin" ABSOLUTE)
  set(QUILLON_QT_BIN_DIR "${quillon_qt_bin}" CACHE PATH
      "The Qt for Windows folder with the Qt and mingw runtime DLLs")
else()
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
