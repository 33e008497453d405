#pragma once

#include <string>

namespace quillon::platform {

// The environment every interpreter that runs the tool is started with, as
// a block for CreateProcessW: this program's own, with two changes that
// decide which cartpipe a bare "cartpipe" runs. The interpreter would look
// in its current folder first, where any cartpipe.bat or .cmd of the folder
// the user happens to be in would run; NoDefaultCurrentDirectoryInExePath
// tells it not to. And this program's own folder comes first on PATH, so
// that the cartpipe.exe installed beside it is found wherever Quillon was
// started from.
std::wstring interpreterEnvironment();

// The creation flag that goes with the block: it is UTF-16.
unsigned long interpreterEnvironmentFlag();

}  // namespace quillon::platform
