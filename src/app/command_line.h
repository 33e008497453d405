#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "platform/native_path.h"

namespace quillon::app {

// Reads `quillon [options] [--] [ROM]`, in two steps around the building of
// the toolkit. The toolkit takes its own options (`-style=…`, `-qwindowtitle
// …`) out of argv wherever they stand, "--" or not, and reads what is left
// as text that may have lost bytes the system's encoding cannot show; so
// argv is noted first, and the toolkit is shown only what comes before "--".
class CommandLine {
public:
    // Before the toolkit is built.
    CommandLine(int argc, char** argv);

    // The count of argv's entries to build the toolkit with: those before
    // "--". The toolkit lowers it as it takes its options out of argv.
    int& toolkitArgc() { return toolkitArgc_; }

    // After the toolkit is built. --help and --version are answered here
    // and end the program, as does a command line it does not understand.
    // Nothing when no ROM is named; else the ROM's path as the system opens
    // it (ui::systemPath), taken from the current folder when relative, or
    // the empty text when the name cannot be told exactly (bytes the
    // system's encoding cannot show, a folder that does not exist), which
    // names no ROM file.
    std::optional<QString> romArgument() const;

private:
    char** argv_;  // as the toolkit leaves it
    std::vector<char*> given_;
    std::vector<platform::NativeText> arguments_;  // one for each given entry
    int dashes_;                                   // where "--" stands, or argc
    int toolkitArgc_;
};

// The lists open on the folder the program is started in. One that has been
// deleted, or whose name the system's encoding cannot show, cannot be
// listed, and paths in it would name no folder (or a look-alike): the home
// folder then becomes the current one, as a file dialog would open there.
// Called after romArgument, which takes a relative ROM path from the folder
// as it was.
void leaveUnlistableStartFolder();

}  // namespace quillon::app
