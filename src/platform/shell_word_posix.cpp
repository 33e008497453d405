#include "platform/shell_word_posix.h"

namespace quillon::platform {

namespace {

// Words made only of these mean the same to every POSIX shell, and to bash
// and zsh as well, wherever they stand after the command name; anything else
// (blanks, quotes, $, `, ;, *, ~, =, non-ASCII, ...) is single-quoted.
bool isPlain(std::string_view word) {
    if (word.empty()) {
        return false;
    }
    for (char character : word) {
        const bool letterOrDigit = (character >= 'A' && character <= 'Z') ||
                                   (character >= 'a' && character <= 'z') ||
                                   (character >= '0' && character <= '9');
        if (!letterOrDigit &&
            std::string_view("-_./:+,@%").find(character) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// Inside single quotes a POSIX shell takes every character literally, line
// breaks included; only the quote itself has to leave them and come back.
std::string quoted(std::string_view word) {
    std::string result = "'";
    for (char character : word) {
        if (character == '\'') {
            result += "'\\''";
        } else {
            result += character;
        }
    }
    return result + "'";
}

}  // namespace

std::string shellWord(std::string_view word) {
    return isPlain(word) ? std::string(word) : quoted(word);
}

}  // namespace quillon::platform
