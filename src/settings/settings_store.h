#pragma once

#include <string>
#include <string_view>

#include "settings/identity.h"

namespace quillon::settings {

inline constexpr std::string_view kApplication = kProgramName;
inline constexpr std::string_view kUploadSection = "Upload";
inline constexpr std::string_view kDumpSection = "Dump";

// A per-user, persistent store of texts under application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or the empty text when there is none or it cannot be read.
    virtual std::string read(std::string_view application, std::string_view section,
                             std::string_view key) const = 0;

    // Stores the text; false when the store refused it.
    virtual bool write(std::string_view application, std::string_view section, std::string_view key,
                       std::string_view value) = 0;

    // Why the last refused write was refused, in words for the user; empty
    // when the store cannot tell.
    virtual std::string refusalReason() const { return {}; }
};

}  // namespace quillon::settings
