#pragma once

#include <QString>
#include <QStringList>

namespace quillon::app {

// Reads `quillon [ROM]`. --help and --version are answered here and end the
// program, as does a command line it does not understand. Gives the ROM's
// full path, relative paths taken from the current folder; empty when none
// was named.
QString romArgument(const QStringList& arguments);

}  // namespace quillon::app
