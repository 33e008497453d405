// Saving each page's options and the settings that restore them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "settings/page_settings.h"

namespace quillon::settings {
namespace {

// A store in memory that logs each section write as "key=value|..." and refuses all when told.
struct MemoryStore : SettingsStore {
    SectionTexts readSection(std::string_view section) const override {
        const auto found = sections.find(std::string(section));
        return found == sections.end() ? SectionTexts() : found->second;
    }
    std::string writeSection(std::string_view section, const SectionTexts& texts) override {
        if (!refusal.empty()) return refusal;
        writes.clear();
        for (const auto& [key, value] : texts) {
            sections[std::string(section)].emplace_back(key, value);
            writes += (writes.empty() ? "" : "|") + key + "=" + value;
        }
        return {};
    }
    std::map<std::string, SectionTexts> sections;
    std::string refusal;
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
            EXPECT_EQ(save(store, row.options), "");
            EXPECT_EQ(store.writes, row.writes);
            EXPECT_EQ(load(store), row.restored);
            EXPECT_FALSE(otherLoad(store));
        }
        return store.sections;
    };
    EXPECT_EQ(textOf(saveRows(uploads, saveUpload, loadUpload, loadDump)["Upload"], "txtHexx"),
              "12");
    auto dumped = saveRows(dumps, saveDump, loadDump, loadUpload)["Dump"];
    EXPECT_EQ(textOf(dumped, "txtHexx2") + textOf(dumped, "txtShortHexx"), "C0001F");
}

// A refusal that is not told, or a page that counts as saved after one.
TEST(PageSettings, RefusedSaveIsToldAndLeavesThePageUnsaved) {
    MemoryStore store;
    store.refusal = "The disk is full.";
    EXPECT_EQ(saveUpload(store, {true, true, "8000", "Reverse", "Port 2", "Linear"}),
              "The settings could not be saved. The disk is full.");
    EXPECT_FALSE(loadUpload(store));
}

// Catches a marker or box value read loosely, and a hex text restored under an unchecked box.
TEST(PageSettings, WrongCaseOrBlanksInMarkersAndValues) {
    for (const char* marker : {"yes", "YES", "Yes ", " Yes", "True", ""}) {
        MemoryStore store;
        store.sections = {{"Upload", {{"Load", marker}}}, {"Dump", {{"Load2", marker}}}};
        EXPECT_TRUE(!loadUpload(store) && !loadDump(store)) << marker;
    }
    for (const std::string value : {"true", "TRUE", "True ", "1", "Yes", ""}) {
        SCOPED_TRACE('"' + value + '"');
        MemoryStore store;
        store.sections = {
            {"Upload",
             {{"Load", "Yes"}, {"chkFast", value}, {"chkHexx", value}, {"txtHexx", "8000"}}},
            {"Dump",
             {{"Load2", "Yes"},
              {"chkAlternate2", value},
              {"chkHexx2", value},
              {"txtHexx2", "C000"},
              {"chkShortHexx", value},
              {"txtShortHexx", "1F"}}}};
        EXPECT_EQ(loadUpload(store), UploadOptions{});
        EXPECT_EQ(loadDump(store), DumpOptions{});
    }
}

}  // namespace
}  // namespace quillon::settings
