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

// A store in memory, by "application/section/key". It notes each write it takes, as
// "application/section: key=value|key=value ...", and refuses the keys it is told to.
struct MemoryStore : SettingsStore {
    std::string read(std::string_view application, std::string_view section,
                     std::string_view key) const override {
        const auto found = values.find(path(application, section) + "/" + std::string(key));
        return found == values.end() ? std::string() : found->second;
    }

    bool write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override {
        if (refused.contains(std::string(key))) {
            return false;
        }
        const std::string where = path(application, section);
        values[where + "/" + std::string(key)] = value;
        writes += (where == lastWhere ? "|" : (writes.empty() ? "" : " ") + where + ": ");
        writes += std::string(key) + "=" + std::string(value);
        lastWhere = where;
        return true;
    }

    static std::string path(std::string_view application, std::string_view section) {
        return std::string(application) + "/" + std::string(section);
    }

    std::map<std::string, std::string> values;
    std::set<std::string> refused;
    std::string writes, lastWhere;
};

// Settings to apply, in order, as "box:on", "box:off" or "control=text", joined by "|".
std::string shown(const std::vector<ControlSetting>& settings) {
    std::string out;
    for (const ControlSetting& s : settings) {
        out += (out.empty() ? "" : "|") + s.control;
        out += s.kind == ControlSetting::Kind::Check ? (s.checked ? ":on" : ":off") : "=" + s.text;
    }
    return out;
}

template <class Options>
struct Row {
    Options options;
    std::string writes;
    std::string restored;
};

// Saved one after the other into one store per page, as a user saves again and again: each
// save writes its keys in order with the marker last, a hex text only while its box is on, and
// every text as it stands ("Double " keeps its blank, texts from no list survive); the restore
// puts back exactly that, a box before its text, and never the other page. A hex text saved
// earlier stays in the store once its box is saved off, but is not put back.
TEST(PageSettings, SavedOneAfterTheOtherThenRestored) {
    const std::vector<Row<UploadOptions>> uploads = {
        {{false, true, "", "double", " port 2", "Linear "},
         "Quillon/Upload: chkFast=False|chkHexx=True|txtHexx=|cboDouble=double|cboLPT= port 2|"
         "cboType=Linear |Load=Yes",
         "chkFast:off|chkHexx:on|txtHexx=|cboDouble=double|cboLPT= port 2|cboType=Linear "},
        {{true, true, "12", "Double ", "Port 3", "Highscore"},
         "Quillon/Upload: chkFast=True|chkHexx=True|txtHexx=12|cboDouble=Double |cboLPT=Port 3|"
         "cboType=Highscore|Load=Yes",
         "chkFast:on|chkHexx:on|txtHexx=12|cboDouble=Double |cboLPT=Port 3|cboType=Highscore"},
        {{false, false, "8000", "No Double", "Port 1", "Bankswitched"},
         "Quillon/Upload: chkFast=False|chkHexx=False|cboDouble=No Double|cboLPT=Port 1|"
         "cboType=Bankswitched|Load=Yes",
         "chkFast:off|chkHexx:off|cboDouble=No Double|cboLPT=Port 1|cboType=Bankswitched"},
    };
    const std::vector<Row<DumpOptions>> dumps = {
        {{true, true, "C000", true, "1F", "Double ", "Port 2", "Linear", "26F8"},
         "Quillon/Dump: chkAlternate2=True|chkHexx2=True|txtHexx2=C000|chkShortHexx=True|"
         "txtShortHexx=1F|cboDouble2=Double |cboLPT2=Port 2|cboType2=Linear|cboConType=26F8|"
         "Load2=Yes",
         "chkAlternate2:on|chkHexx2:on|txtHexx2=C000|chkShortHexx:on|txtShortHexx=1F|"
         "cboDouble2=Double |cboLPT2=Port 2|cboType2=Linear|cboConType=26F8"},
        {{false, false, "", false, "", "Reverse", "LPT9", "", "zz 9"},
         "Quillon/Dump: chkAlternate2=False|chkHexx2=False|chkShortHexx=False|"
         "cboDouble2=Reverse|cboLPT2=LPT9|cboType2=|cboConType=zz 9|Load2=Yes",
         "chkAlternate2:off|chkHexx2:off|chkShortHexx:off|cboDouble2=Reverse|cboLPT2=LPT9|"
         "cboType2=|cboConType=zz 9"},
    };
    const auto saveRows = [](const auto& rows, auto save, auto restore, auto otherRestore) {
        MemoryStore store;
        for (const auto& row : rows) {
            store.writes = store.lastWhere = "";
            save(store, row.options);
            EXPECT_EQ(store.writes, row.writes);
            EXPECT_EQ(shown(restore(store)), row.restored);
            EXPECT_TRUE(otherRestore(store).empty());
        }
        return store.values;
    };
    auto uploaded = saveRows(uploads, saveUpload, uploadRestore, dumpRestore);
    EXPECT_EQ(uploaded["Quillon/Upload/txtHexx"], "12");
    auto dumped = saveRows(dumps, saveDump, dumpRestore, uploadRestore);
    EXPECT_EQ(dumped["Quillon/Dump/txtHexx2"], "C000");
    EXPECT_EQ(dumped["Quillon/Dump/txtShortHexx"], "1F");
}

// A refused write is passed over and the save goes on to its marker; the key reads as missing.
TEST(PageSettings, RefusedWritesAreSkipped) {
    MemoryStore store;
    store.refused = {"chkHexx", "cboLPT", "txtShortHexx"};
    saveUpload(store, {true, true, "8000", "Reverse", "Port 2", "Linear"});
    saveDump(store, {true, true, "C000", true, "1F", "Reverse", "Port 2", "Linear", "26F8"});
    EXPECT_EQ(store.writes,
              "Quillon/Upload: chkFast=True|txtHexx=8000|cboDouble=Reverse|cboType=Linear|"
              "Load=Yes Quillon/Dump: chkAlternate2=True|chkHexx2=True|txtHexx2=C000|"
              "chkShortHexx=True|cboDouble2=Reverse|cboLPT2=Port 2|cboType2=Linear|"
              "cboConType=26F8|Load2=Yes");
    EXPECT_EQ(shown(uploadRestore(store)),
              "chkFast:on|chkHexx:off|cboDouble=Reverse|cboLPT=|cboType=Linear");
}

// Only the exact marker "Yes" counts as saved, and only the exact word "True" checks a box; a
// box left unchecked so keeps its stored hex text out, and a missing key reads as empty.
TEST(PageSettings, WrongCaseOrBlanksInMarkersAndValues) {
    for (const char* marker : {"yes", "YES", "Yes ", " Yes", "True", ""}) {
        MemoryStore store;
        store.values = {{"Quillon/Upload/Load", marker}, {"Quillon/Dump/Load2", marker}};
        EXPECT_TRUE(uploadRestore(store).empty()) << '"' << marker << '"';
        EXPECT_TRUE(dumpRestore(store).empty()) << '"' << marker << '"';
    }
    for (const std::string value : {"true", "TRUE", "True ", "1", "Yes", ""}) {
        SCOPED_TRACE('"' + value + '"');
        MemoryStore store;
        store.values = {
            {"Quillon/Upload/Load", "Yes"},         {"Quillon/Upload/chkFast", value},
            {"Quillon/Upload/chkHexx", value},      {"Quillon/Upload/txtHexx", "8000"},
            {"Quillon/Dump/Load2", "Yes"},          {"Quillon/Dump/chkAlternate2", value},
            {"Quillon/Dump/chkHexx2", value},       {"Quillon/Dump/txtHexx2", "C000"},
            {"Quillon/Dump/chkShortHexx", value},   {"Quillon/Dump/txtShortHexx", "1F"}};
        EXPECT_EQ(shown(uploadRestore(store)),
                  "chkFast:off|chkHexx:off|cboDouble=|cboLPT=|cboType=");
        EXPECT_EQ(shown(dumpRestore(store)), "chkAlternate2:off|chkHexx2:off|chkShortHexx:off|"
                                             "cboDouble2=|cboLPT2=|cboType2=|cboConType=");
    }
}

}  // namespace
}  // namespace quillon::settings
