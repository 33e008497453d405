#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::platform {

// `text` cut at every `separator`: the folders of PATH, the words of a line.
std::vector<std::string_view> splitAt(std::string_view text, char separator);

// Whether `path` is a regular file this user may run.
bool isExecutableFile(const std::string& path);

// PATH, or the system's default search path when PATH is not set at all.
std::string programSearchPath();

// The program called `name` in the first of the absolute folders of
// `searchPath` (colon-separated, like PATH) that holds one. An empty or
// relative entry means "wherever we happen to stand": what is found there
// could be anything, so it is not looked at.
std::optional<std::string> findProgram(std::string_view name, std::string_view searchPath);

}  // namespace quillon::platform
