#pragma once

#include <string>
#include <string_view>

namespace quillon::platform {

// `word` written so that a POSIX shell (and bash, zsh or any parser that
// follows sh's quoting) reads it back as exactly one word, exactly `word`:
// bare when it holds nothing a shell acts on, single-quoted otherwise. It
// must hold no NUL, which no shell word can.
std::string shellWord(std::string_view word);

}  // namespace quillon::platform
