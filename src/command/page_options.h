#pragma once

#include <string>

namespace quillon::command {

// A page's options as its controls hold them: what its command is composed
// from besides the file, and exactly what Save keeps and start-up puts back.
// One struct serves both ways, so a saved option cannot drift from the one
// the command reads.
struct UploadOptions {
    bool fast = false;
    bool writeOn = false;
    std::string writeAddress;
    std::string doubleText;
    std::string port;
    std::string type;

    friend bool operator==(const UploadOptions&, const UploadOptions&) = default;
};

struct DumpOptions {
    bool alternate = false;
    bool writeOn = false;
    std::string writeAddress;
    bool bankOn = false;
    std::string bank;
    std::string doubleText;
    std::string port;
    std::string type;
    std::string code;

    friend bool operator==(const DumpOptions&, const DumpOptions&) = default;
};

}  // namespace quillon::command
