#pragma once

#include <QString>
#include <QStringList>

namespace quillon::app {

// Reads `quillon [ROM]`. --help and --version are answered here and end the
// program, as does a command line it does not understand. Gives the ROM's
// full path, relative paths taken from the current folder; empty when none
// was named.
QString romArgument(const QStringList& arguments);

// The lists open on the folder the program is started in. One that has been
// deleted, or whose name the system's encoding cannot show, cannot be
// listed, and paths in it would name no folder: the home folder then
// becomes the current one, as a file dialog would open there. Called after
// romArgument, which takes a relative ROM path from the folder as it was.
void leaveUnlistableStartFolder();

}  // namespace quillon::app
