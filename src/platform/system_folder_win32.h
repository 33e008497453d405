#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon::platform {

// The system's command interpreter.
inline constexpr std::wstring_view kCmdExe = L"cmd.exe";

// The full path of a program of the system folder (cmd.exe), never one
// found on PATH, where anything of that name could come first. Nothing when
// the system does not say where its folder is.
std::optional<std::wstring> systemProgram(std::wstring_view name);

}  // namespace quillon::platform
