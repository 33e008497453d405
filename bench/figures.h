#pragma once

#include <filesystem>

#include "harness.h"

namespace quillon::bench {

// The folders the figures work in, made once per run.
struct Workspace {
    std::filesystem::path root;       // a temporary folder
    std::filesystem::path bigFolder;  // 100 000 files, 1 000 of them ROMs
    std::filesystem::path emptyFolder;
    std::filesystem::path startFolder;  // 1 000 files, the current folder at start-up
};

Figure folderChangeFigure(const Workspace& workspace, bool allFiles);
Figure startUpFigure(const Workspace& workspace);
// Where start-up time goes: the same window against its own controls built
// without handlers, start-up or saved options, with the upload page on view
// (the honest floor, with a target) or with both pages hidden (for
// information: the figure as it was first measured).
Figure startUpAgainstControlsFigure(const Workspace& workspace, bool uploadOnView);
Figure writeAddressKeyFigure(const Workspace& workspace);
Figure previewCompositionFigure();
// One Save of the upload page into a settings file that holds another
// program's 50 MB section, against reading and writing that file once.
Figure settingsSaveFigure(const Workspace& workspace);
// Checking a dump of 4 MB with the ROM header (its hashes, then a DAT's
// answer) against reading it for its SHA-1 alone; with a DAT whose ROM fits
// the data after the header, which is then read again for its strong hashes.
Figure checkFigure(const Workspace& workspace, bool fittingWithoutHeader);

// Peak resident memory (kB) of a child process that shows the window on the
// big folder, or the bare window; -1 when the child failed.
long peakMemoryOfChild(const Workspace& workspace, bool window);

// What such a child does: builds what it was asked for, shows it, and prints
// its peak resident memory.
int runMemoryChild(const std::filesystem::path& folder, bool window);

// The peak resident memory of this process in kB, -1 when unknown.
long peakResidentKb();

// A run of the tool inside the window streaming 200 000 lines into its
// output window, against reading the same bytes from a pipe. The tool is
// this program, printing them (runStreamChild).
Figure outputStreamFigure();
int runStreamChild(long lines);

// Peak resident memory (kB) of a child showing the window and an output
// window over a run of a few lines (at rest) or of 200 000 (streaming).
long peakOutputMemoryOfChild(bool streaming);
int runOutputMemoryChild(bool streaming);

}  // namespace quillon::bench
