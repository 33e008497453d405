#pragma once

#include <string_view>

namespace quillon::platform {

// Where the answer to a command line goes: standard output, or standard error
// for a command line that was not understood.
enum class ConsoleStream { Output, Error };

// Writes `text` (UTF-8, lines ended by "\n") where whoever started the
// program reads it: its standard output or error, wherever they lead (a
// terminal, a file, a pipe). A Windows program with a window has no console
// of its own and no such handles when started from a command prompt: it
// writes to the prompt's console then. False when there is nowhere to write
// (a program started from the desktop) or the writing failed.
bool writeToConsole(ConsoleStream stream, std::string_view text);

}  // namespace quillon::platform
