# `cpack` packages what the install rules put in place: a Debian package on
# Linux; on Windows a portable ZIP of the program folder and an installer.

set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR "The Quillon developers")
set(CPACK_PACKAGE_CONTACT "The Quillon developers <maintainers@quillon.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines broken by hand: the Debian control file keeps them as they are.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quillon is a one-window front end for cartpipe, the command-line tool\n"
  "that moves cartridge ROM images between a computer and a game console\n"
  "through a transfer device on a parallel (LPT) port.\n"
  "\n"
  "It composes the tool's command line from the options chosen on its\n"
  "upload and download pages, shows it as a live preview, and starts it\n"
  "in a terminal window of its own. Each page can save its options for\n"
  "the next start.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quillon)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  include(cmake/PackagingWindows.cmake)
else()
  set(CPACK_GENERATOR DEB)
  # quillon_<version>_<arch>.deb
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # The library dependencies come from the binary itself, so they name the
  # exact Qt and C++ runtime packages and versions it was linked against.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Qt loads the SVG plugins (image format and icon engine) at run time to
  # draw the window's icon; shlibdeps cannot see a plugin, so their package
  # is named by hand.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
  # The action buttons start the tool in a terminal emulator; the window
  # itself runs without one, so it is recommended rather than required. Any
  # x-terminal-emulator will do, xterm is apt's pick when none is there.
  # Liberation Sans has the widths the fixed layout was drawn for; without it
  # the desktop's font may cut a caption short. Its narrow face lets the
  # option boxes show their longest items at the layout's size.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xterm | x-terminal-emulator, fonts-liberation")
endif()

include(CPack)
