#pragma once

#include <map>
#include <string>
#include <utility>

#include "command/option_lists.h"
#include "command/page_commands.h"

namespace quillon::command::testing {

// The pages as they stand when the window opens: every combo box at its
// list's first item, every box clear.
inline UploadSnapshot freshUploadPage() {
    UploadSnapshot page;
    page.doubleItems = {std::string(kDoubleModes[0]), std::string(kDoubleModes[1]),
                        std::string(kDoubleModes[2])};
    page.doubleText = kDoubleModes[0];
    page.port = kPorts[0];
    page.type = kCartridgeTypes[0];
    return page;
}

inline DumpSnapshot freshDumpPage() {
    DumpSnapshot page;
    page.doubleItems = {std::string(kDoubleModes[0]), std::string(kDoubleModes[1]),
                        std::string(kDoubleModes[2])};
    page.doubleText = kDoubleModes[0];
    page.port = kPorts[0];
    page.type = kCartridgeTypes[0];
    page.code = kCartridgeCodes[0];
    return page;
}

// Stands in for the system's short-path lookup: it knows a fixed set of
// paths and, like the system, has no short form for any other.
class FakeShortener {
public:
    explicit FakeShortener(std::map<std::string, std::string> known) : known_(std::move(known)) {}

    std::string operator()(const std::string& path) const {
        const auto found = known_.find(path);
        return found == known_.end() ? std::string() : found->second;
    }

private:
    std::map<std::string, std::string> known_;
};

}  // namespace quillon::command::testing
