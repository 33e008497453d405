#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "settings/settings_store.h"

namespace quillon::settings::testing {

// A settings store in memory that records each write it accepts, and can be
// told to refuse the writes of some keys.
class MemoryStore : public SettingsStore {
public:
    std::string read(std::string_view application, std::string_view section,
                     std::string_view key) const override {
        const auto found = values_.find(
            {std::string(application), std::string(section), std::string(key)});
        return found == values_.end() ? std::string() : found->second;
    }

    bool write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override {
        if (refused_.contains(std::string(key))) {
            return false;
        }
        values_[{std::string(application), std::string(section), std::string(key)}] = value;
        writes_.push_back(std::string(application) + "/" + std::string(section) + "/" +
                          std::string(key) + "=" + std::string(value));
        return true;
    }

    void refuse(std::string_view key) { refused_.insert(std::string(key)); }
    void put(std::string_view section, std::string_view key, std::string_view value) {
        values_[{std::string(kApplication), std::string(section), std::string(key)}] = value;
    }

    // "application/section/key=value", in the order written.
    const std::vector<std::string>& writes() const { return writes_; }
    void forgetWrites() { writes_.clear(); }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    std::set<std::string> refused_;
    std::vector<std::string> writes_;
};

}  // namespace quillon::settings::testing
