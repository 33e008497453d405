#include "settings/page_settings.h"

#include <string_view>
#include <utility>

namespace quillon::settings {

namespace {

constexpr std::string_view kTrue = "True";
constexpr std::string_view kFalse = "False";
constexpr std::string_view kSavedMarker = "Yes";
constexpr std::string_view kUploadMarker = "Load";
constexpr std::string_view kDumpMarker = "Load2";

// Gathers a page's keys in the order they are written, for one write of
// the whole section.
class SectionWriter {
public:
    void text(std::string_view key, const std::string& value) { texts_.emplace_back(key, value); }

    void check(std::string_view key, bool checked) {
        texts_.emplace_back(key, checked ? kTrue : kFalse);
    }

    // A hex text is kept only for an option that is on; the text saved
    // earlier stays in the store otherwise, unread.
    void hexField(std::string_view checkKey, std::string_view textKey, bool on,
                  const std::string& value) {
        check(checkKey, on);
        if (on) {
            text(textKey, value);
        }
    }

    void marker(std::string_view key) { texts_.emplace_back(key, kSavedMarker); }

    // What to tell the user when the store refused the section; empty when
    // it was stored.
    std::string save(SettingsStore& store, std::string_view section) && {
        const std::string reason = store.writeSection(section, texts_);
        return reason.empty() ? reason : "The settings could not be saved. " + reason;
    }

private:
    SectionTexts texts_;
};

// Reads one section back into the options, key for key as they were written.
class SectionReader {
public:
    SectionReader(const SettingsStore& store, std::string_view section)
        : texts_(store.readSection(section)) {}

    bool saved(std::string_view markerKey) const {
        return textOf(texts_, markerKey) == kSavedMarker;
    }

    void text(std::string_view key, std::string& value) const { value = textOf(texts_, key); }

    void check(std::string_view key, bool& checked) const {
        checked = textOf(texts_, key) == kTrue;
    }

    void hexField(std::string_view checkKey, std::string_view textKey, bool& on,
                  std::string& value) const {
        check(checkKey, on);
        if (on) {
            text(textKey, value);
        }
    }

private:
    const SectionTexts texts_;
};

// Each page's keys, in the order they are written and read. Saving and
// restoring both walk these lists, so a key is spelled in one place only; the
// options are passed by value for writing and by reference for reading.
template <typename Section, typename Options>
void uploadKeys(Section& section, Options&& options) {
    section.check("chkFast", options.fast);
    section.hexField("chkHexx", "txtHexx", options.writeOn, options.writeAddress);
    section.text("cboDouble", options.doubleText);
    section.text("cboLPT", options.port);
    section.text("cboType", options.type);
}

// The cartridge code comes last, so that on restoring it decides whether the
// alternate mode is offered. The alternate mode is saved as ticked even while
// the code disables it.
template <typename Section, typename Options>
void dumpKeys(Section& section, Options&& options) {
    section.check("chkAlternate2", options.alternate);
    section.hexField("chkHexx2", "txtHexx2", options.writeOn, options.writeAddress);
    section.hexField("chkShortHexx", "txtShortHexx", options.bankOn, options.bank);
    section.text("cboDouble2", options.doubleText);
    section.text("cboLPT2", options.port);
    section.text("cboType2", options.type);
    section.text("cboConType", options.code);
}

template <typename Section, typename Options>
void runKeys(Section& section, Options&& options) {
    section.check("mnuAlwaysRunHere", options.alwaysRunHere);
}

}  // namespace

// The marker goes last: a store that writes key by key (the registry) has
// then written the whole page before the page counts as saved.
std::string saveUpload(SettingsStore& store, const UploadOptions& options) {
    SectionWriter section;
    uploadKeys(section, options);
    section.marker(kUploadMarker);
    return std::move(section).save(store, kUploadSection);
}

std::string saveDump(SettingsStore& store, const DumpOptions& options) {
    SectionWriter section;
    dumpKeys(section, options);
    section.marker(kDumpMarker);
    return std::move(section).save(store, kDumpSection);
}

std::optional<UploadOptions> loadUpload(const SettingsStore& store) {
    const SectionReader section(store, kUploadSection);
    if (!section.saved(kUploadMarker)) {
        return std::nullopt;
    }
    UploadOptions options;
    uploadKeys(section, options);
    return options;
}

std::optional<DumpOptions> loadDump(const SettingsStore& store) {
    const SectionReader section(store, kDumpSection);
    if (!section.saved(kDumpMarker)) {
        return std::nullopt;
    }
    DumpOptions options;
    dumpKeys(section, options);
    return options;
}

std::string saveRun(SettingsStore& store, const RunOptions& options) {
    SectionWriter section;
    runKeys(section, options);
    return std::move(section).save(store, kRunSection);
}

RunOptions loadRun(const SettingsStore& store) {
    const SectionReader section(store, kRunSection);
    RunOptions options;
    runKeys(section, options);
    return options;
}

}  // namespace quillon::settings
