// Saving each page's options and the settings that restore them.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "settings/page_settings.h"

namespace quillon::settings {
namespace {

// A store in memory that logs its writes as "key=value|..." and refuses the keys it is told.
struct MemoryStore : SettingsStore {
    static std::string at(std::string_view application, std::string_view section,
                          std::string_view key) {
        return std::string(application) + "/" + std::string(section) + "/" + std::string(key);
    }
    std::string read(std::string_view application, std::string_view section,
                     std::string_view key) const override {
        const auto found = values.find(at(application, section, key));
        return found == values.end() ? std::string() : found->second;
    }
    bool write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override {
        if (refused.contains(std::string(key))) {
            reason = reason.empty() ? std::string(key) + " refused." : reason;
            return false;
        }
        values[at(application, section, key)] = value;
        writes += (writes.empty() ? "" : "|") + std::string(key) + "=" + std::string(value);
        return true;
    }
    std::string refusalReason() const override { return reason; }
    std::map<std::string, std::string> values;
    std::set<std::string> refused;
    std::string reason;
    std::string writes;
};

template <class Options>
struct Row {
    Options options;
    std::string writes;
    Options restored;  // a hex text is read back only under a checked box
};

// Catches a changed order or text, a hex text saved or restored while off, the pages crossed.
TEST(PageSettings, SavedOneAfterTheOtherThenRestored) {
    const std::vector<Row<UploadOptions>> uploads = {
        {{true, true, "12", "Double ", "Port 3", "Highscore"},
         "chkFast=True|chkHexx=True|txtHexx=12|cboDouble=Double |cboLPT=Port 3|"
         "cboType=Highscore|Load=Yes",
         {true, true, "12", "Double ", "Port 3", "Highscore"}},
        {{false, false, "8000", "double", " port 2", "Linear "},
         "chkFast=False|chkHexx=False|cboDouble=double|cboLPT= port 2|cboType=Linear |Load=Yes",
         {false, false, "", "double", " port 2", "Linear "}},
    };
    const std::vector<Row<DumpOptions>> dumps = {
        {{true, true, "C000", true, "1F", "Double ", "Port 2", "Linear", "26F8"},
         "chkAlternate2=True|chkHexx2=True|txtHexx2=C000|chkShortHexx=True|txtShortHexx=1F|"
         "cboDouble2=Double |cboLPT2=Port 2|cboType2=Linear|cboConType=26F8|Load2=Yes",
         {true, true, "C000", true, "1F", "Double ", "Port 2", "Linear", "26F8"}},
        {{false, false, "", false, "", "Reverse", "LPT9", "", "zz 9"},
         "chkAlternate2=False|chkHexx2=False|chkShortHexx=False|cboDouble2=Reverse|cboLPT2=LPT9|"
         "cboType2=|cboConType=zz 9|Load2=Yes",
         {false, false, "", false, "", "Reverse", "LPT9", "", "zz 9"}},
    };
    const auto saveRows = [](const auto& rows, auto save, auto load, auto otherLoad) {
        MemoryStore store;
        for (const auto& row : rows) {
            store.writes = "";
            save(store, row.options);
            EXPECT_EQ(store.writes, row.writes);
            EXPECT_EQ(load(store), row.restored);
            EXPECT_FALSE(otherLoad(store));
        }
        return store.values;
    };
    EXPECT_EQ(saveRows(uploads, saveUpload, loadUpload, loadDump)["Quillon/Upload/txtHexx"], "12");
    auto dumped = saveRows(dumps, saveDump, loadDump, loadUpload);
    EXPECT_EQ(dumped["Quillon/Dump/txtHexx2"] + dumped["Quillon/Dump/txtShortHexx"], "C0001F");
}

// A refused write is passed over and the save goes on to its marker; the key reads as missing;
// the save tells the first refusal's reason.
TEST(PageSettings, RefusedWritesAreSkippedAndTold) {
    MemoryStore store;
    store.refused = {"chkHexx", "cboLPT"};
    EXPECT_EQ(saveUpload(store, {true, true, "8000", "Reverse", "Port 2", "Linear"}),
              "The settings could not be saved. chkHexx refused.");
    EXPECT_EQ(store.writes, "chkFast=True|txtHexx=8000|cboDouble=Reverse|cboType=Linear|Load=Yes");
    EXPECT_EQ(loadUpload(store), (UploadOptions{true, false, "", "Reverse", "", "Linear"}));
}

// Catches a marker or box value read loosely, and a hex text restored under an unchecked box.
TEST(PageSettings, WrongCaseOrBlanksInMarkersAndValues) {
    for (const char* marker : {"yes", "YES", "Yes ", " Yes", "True", ""}) {
        MemoryStore store;
        store.values = {{"Quillon/Upload/Load", marker}, {"Quillon/Dump/Load2", marker}};
        EXPECT_TRUE(!loadUpload(store) && !loadDump(store)) << marker;
    }
    for (const std::string value : {"true", "TRUE", "True ", "1", "Yes", ""}) {
        SCOPED_TRACE('"' + value + '"');
        MemoryStore store;
        store.values = {{"Quillon/Upload/Load", "Yes"},       {"Quillon/Upload/chkFast", value},
                        {"Quillon/Upload/chkHexx", value},    {"Quillon/Upload/txtHexx", "8000"},
                        {"Quillon/Dump/Load2", "Yes"},        {"Quillon/Dump/chkAlternate2", value},
                        {"Quillon/Dump/chkHexx2", value},     {"Quillon/Dump/txtHexx2", "C000"},
                        {"Quillon/Dump/chkShortHexx", value}, {"Quillon/Dump/txtShortHexx", "1F"}};
        EXPECT_EQ(loadUpload(store), UploadOptions{});
        EXPECT_EQ(loadDump(store), DumpOptions{});
    }
}

}  // namespace
}  // namespace quillon::settings
