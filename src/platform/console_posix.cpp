#include <cstdio>

#include "platform/console.h"

namespace quillon::platform {

bool writeToConsole(ConsoleStream stream, std::string_view text) {
    std::FILE* file = stream == ConsoleStream::Output ? stdout : stderr;
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

}  // namespace quillon::platform
