# GoogleTest is built from the sources Debian ships, so the very same tests
# build natively and with the Windows cross compiler.
set(QUILLON_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${QUILLON_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# One executable per test folder; ctest runs it (through wine when cross
# built, via CMAKE_CROSSCOMPILING_EMULATOR).
function(quillon_gtest name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gtest_main)
  quillon_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
endfunction()
