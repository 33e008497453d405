#include "settings/page_settings.h"

#include <string_view>
#include <utility>

namespace quillon::settings {

namespace {

constexpr std::string_view kTrue = "True";
constexpr std::string_view kFalse = "False";
constexpr std::string_view kSavedMarker = "Yes";

// Writes into one section; a refused write is passed over so that the rest
// of the page, and above all its marker, still gets saved.
class SectionWriter {
public:
    SectionWriter(SettingsStore& store, std::string_view section)
        : store_(store), section_(section) {}

    void text(std::string_view key, std::string_view value) {
        if (!store_.write(kApplication, section_, key, value) && refusal_.empty()) {
            const std::string reason = store_.refusalReason();
            refusal_ = "The settings could not be saved. " +
                       (reason.empty() ? std::string("The settings store refused them.") : reason);
        }
    }

    // What to tell the user; empty when every write was stored.
    std::string refusal() && { return std::move(refusal_); }

    void check(std::string_view key, bool checked) { text(key, checked ? kTrue : kFalse); }

    // A hex text is kept only for an option that is on; the text saved
    // earlier stays in the store otherwise, unread.
    void hexField(std::string_view checkKey, std::string_view textKey, bool on,
                  std::string_view value) {
        check(checkKey, on);
        if (on) {
            text(textKey, value);
        }
    }

private:
    SettingsStore& store_;
    std::string_view section_;
    std::string refusal_;
};

// Reads one section into the ordered settings for its controls.
class SectionReader {
public:
    SectionReader(const SettingsStore& store, std::string_view section)
        : store_(store), section_(section) {}

    bool saved(std::string_view markerKey) const { return read(markerKey) == kSavedMarker; }

    void check(std::string_view key) {
        settings_.push_back(
            {std::string(key), ControlSetting::Kind::Check, read(key) == kTrue, {}});
    }

    void text(std::string_view key) {
        settings_.push_back({std::string(key), ControlSetting::Kind::Text, false, read(key)});
    }

    // The box is set first, so that its text box is shown and enabled before
    // the text goes in.
    void hexField(std::string_view checkKey, std::string_view textKey) {
        check(checkKey);
        if (settings_.back().checked) {
            text(textKey);
        }
    }

    std::vector<ControlSetting> result() && { return std::move(settings_); }

private:
    std::string read(std::string_view key) const {
        return store_.read(kApplication, section_, key);
    }

    const SettingsStore& store_;
    std::string_view section_;
    std::vector<ControlSetting> settings_;
};

}  // namespace

// The marker goes last: a page counts as saved only once its save has run
// to the end.
std::string saveUpload(SettingsStore& store, const UploadOptions& options) {
    SectionWriter section(store, kUploadSection);
    section.check("chkFast", options.fast);
    section.hexField("chkHexx", "txtHexx", options.writeOn, options.writeAddress);
    section.text("cboDouble", options.doubleText);
    section.text("cboLPT", options.port);
    section.text("cboType", options.type);
    section.text("Load", kSavedMarker);
    return std::move(section).refusal();
}

std::string saveDump(SettingsStore& store, const DumpOptions& options) {
    SectionWriter section(store, kDumpSection);
    // The alternate mode is saved as ticked even while the code disables it.
    section.check("chkAlternate2", options.alternate);
    section.hexField("chkHexx2", "txtHexx2", options.writeOn, options.writeAddress);
    section.hexField("chkShortHexx", "txtShortHexx", options.bankOn, options.bank);
    section.text("cboDouble2", options.doubleText);
    section.text("cboLPT2", options.port);
    section.text("cboType2", options.type);
    section.text("cboConType", options.code);
    section.text("Load2", kSavedMarker);
    return std::move(section).refusal();
}

std::vector<ControlSetting> uploadRestore(const SettingsStore& store) {
    SectionReader section(store, kUploadSection);
    if (!section.saved("Load")) {
        return {};
    }
    section.check("chkFast");
    section.hexField("chkHexx", "txtHexx");
    section.text("cboDouble");
    section.text("cboLPT");
    section.text("cboType");
    return std::move(section).result();
}

// The cartridge code comes last, so that it decides whether the restored
// alternate mode is offered.
std::vector<ControlSetting> dumpRestore(const SettingsStore& store) {
    SectionReader section(store, kDumpSection);
    if (!section.saved("Load2")) {
        return {};
    }
    section.check("chkAlternate2");
    section.hexField("chkHexx2", "txtHexx2");
    section.hexField("chkShortHexx", "txtShortHexx");
    section.text("cboDouble2");
    section.text("cboLPT2");
    section.text("cboType2");
    section.text("cboConType");
    return std::move(section).result();
}

}  // namespace quillon::settings
