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

// Writes into one section; a refused write is passed over so that the rest
// of the page, and above all its marker, still gets saved.
class SectionWriter {
public:
    SectionWriter(SettingsStore& store, std::string_view section)
        : store_(store), section_(section) {}

    void text(std::string_view key, const std::string& value) { write(key, value); }

    void check(std::string_view key, bool checked) { write(key, checked ? kTrue : kFalse); }

    // A hex text is kept only for an option that is on; the text saved
    // earlier stays in the store otherwise, unread.
    void hexField(std::string_view checkKey, std::string_view textKey, bool on,
                  const std::string& value) {
        check(checkKey, on);
        if (on) {
            text(textKey, value);
        }
    }

    void marker(std::string_view key) { write(key, kSavedMarker); }

    // What to tell the user; empty when every write was stored.
    std::string refusal() && { return std::move(refusal_); }

private:
    // Only the first refusal is told: the later ones have the same cause.
    void write(std::string_view key, std::string_view value) {
        if (!store_.write(kApplication, section_, key, value) && refusal_.empty()) {
            const std::string reason = store_.refusalReason();
            refusal_ = "The settings could not be saved. " +
                       (reason.empty() ? std::string("The settings store refused them.") : reason);
        }
    }

    SettingsStore& store_;
    std::string_view section_;
    std::string refusal_;
};

// Reads one section back into the options, key for key as they were written.
class SectionReader {
public:
    SectionReader(const SettingsStore& store, std::string_view section)
        : store_(store), section_(section) {}

    bool saved(std::string_view markerKey) const { return read(markerKey) == kSavedMarker; }

    void text(std::string_view key, std::string& value) const { value = read(key); }

    void check(std::string_view key, bool& checked) const { checked = read(key) == kTrue; }

    void hexField(std::string_view checkKey, std::string_view textKey, bool& on,
                  std::string& value) const {
        check(checkKey, on);
        if (on) {
            text(textKey, value);
        }
    }

private:
    std::string read(std::string_view key) const {
        return store_.read(kApplication, section_, key);
    }

    const SettingsStore& store_;
    std::string_view section_;
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

}  // namespace

// The marker goes last: a page counts as saved only once its save has run
// to the end.
std::string saveUpload(SettingsStore& store, const UploadOptions& options) {
    SectionWriter section(store, kUploadSection);
    uploadKeys(section, options);
    section.marker(kUploadMarker);
    return std::move(section).refusal();
}

std::string saveDump(SettingsStore& store, const DumpOptions& options) {
    SectionWriter section(store, kDumpSection);
    dumpKeys(section, options);
    section.marker(kDumpMarker);
    return std::move(section).refusal();
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

}  // namespace quillon::settings
