// Saving each page's options and the settings that restore them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_store.h"
#include "settings/page_settings.h"

namespace quillon::settings {
namespace {

using testing::MemoryStore;
using Kind = ControlSetting::Kind;

ControlSetting check(const char* control, bool checked) {
    return {control, Kind::Check, checked, {}};
}

ControlSetting text(const char* control, const char* value) {
    return {control, Kind::Text, false, value};
}

std::vector<std::string> prefixed(const char* section, const std::vector<std::string>& writes) {
    std::vector<std::string> out;
    for (const std::string& write : writes) {
        out.push_back(std::string("Quillon/") + section + "/" + write);
    }
    return out;
}

UploadOptions uploadOptions(bool fast, bool writeOn, const char* address, const char* doubleText,
                            const char* port, const char* type) {
    return {fast, writeOn, address, doubleText, port, type};
}

TEST(UploadSettings, SaveWritesEachKeyInOrderAndTheMarkerLast) {
    struct Row {
        UploadOptions options;
        std::vector<std::string> writes;
    };
    const std::vector<Row> rows = {
        {uploadOptions(false, false, "8000", "No Double", "Port 1", "Bankswitched"),
         {"chkFast=False", "chkHexx=False", "cboDouble=No Double", "cboLPT=Port 1",
          "cboType=Bankswitched", "Load=Yes"}},
        {uploadOptions(true, true, "8000", "Double ", "Port 3", "Highscore"),
         {"chkFast=True", "chkHexx=True", "txtHexx=8000", "cboDouble=Double ", "cboLPT=Port 3",
          "cboType=Highscore", "Load=Yes"}},
        {uploadOptions(false, true, "", "anything", "", "linear "),
         {"chkFast=False", "chkHexx=True", "txtHexx=", "cboDouble=anything", "cboLPT=",
          "cboType=linear ", "Load=Yes"}},
    };
    for (const Row& row : rows) {
        MemoryStore store;
        saveUpload(store, row.options);
        EXPECT_EQ(store.writes(), prefixed("Upload", row.writes));
    }
}

TEST(DumpSettings, SaveWritesEachKeyInOrderAndTheMarkerLast) {
    struct Row {
        DumpOptions options;
        std::vector<std::string> writes;
    };
    const std::vector<Row> rows = {
        {{false, false, "C000", false, "1F", "No Double", "Port 1", "Bankswitched", "TEST"},
         {"chkAlternate2=False", "chkHexx2=False", "chkShortHexx=False", "cboDouble2=No Double",
          "cboLPT2=Port 1", "cboType2=Bankswitched", "cboConType=TEST", "Load2=Yes"}},
        {{true, true, "C000", true, "1F", "Reverse", "Port 2", "Linear", "26F8"},
         {"chkAlternate2=True", "chkHexx2=True", "txtHexx2=C000", "chkShortHexx=True",
          "txtShortHexx=1F", "cboDouble2=Reverse", "cboLPT2=Port 2", "cboType2=Linear",
          "cboConType=26F8", "Load2=Yes"}},
        {{false, false, "C000", true, "", "Double ", "Port 3", "Highscore", ""},
         {"chkAlternate2=False", "chkHexx2=False", "chkShortHexx=True", "txtShortHexx=",
          "cboDouble2=Double ", "cboLPT2=Port 3", "cboType2=Highscore", "cboConType=",
          "Load2=Yes"}},
    };
    for (const Row& row : rows) {
        MemoryStore store;
        saveDump(store, row.options);
        EXPECT_EQ(store.writes(), prefixed("Dump", row.writes));
    }
}

TEST(PageSettings, RefusedWritesAreSkippedAndTheSaveGoesOn) {
    MemoryStore store;
    store.refuse("chkHexx");
    store.refuse("cboLPT");
    store.refuse("txtShortHexx");
    saveUpload(store, uploadOptions(true, true, "8000", "Reverse", "Port 2", "Linear"));
    saveDump(store, {true, true, "C000", true, "1F", "Reverse", "Port 2", "Linear", "26F8"});

    EXPECT_EQ(store.writes(),
              (std::vector<std::string>{
                  "Quillon/Upload/chkFast=True", "Quillon/Upload/txtHexx=8000",
                  "Quillon/Upload/cboDouble=Reverse", "Quillon/Upload/cboType=Linear",
                  "Quillon/Upload/Load=Yes", "Quillon/Dump/chkAlternate2=True",
                  "Quillon/Dump/chkHexx2=True", "Quillon/Dump/txtHexx2=C000",
                  "Quillon/Dump/chkShortHexx=True", "Quillon/Dump/cboDouble2=Reverse",
                  "Quillon/Dump/cboLPT2=Port 2", "Quillon/Dump/cboType2=Linear",
                  "Quillon/Dump/cboConType=26F8", "Quillon/Dump/Load2=Yes"}));
    // What was refused reads as missing: the box unchecked, the combo empty.
    EXPECT_EQ(uploadRestore(store),
              (std::vector<ControlSetting>{check("chkFast", true), check("chkHexx", false),
                                           text("cboDouble", "Reverse"), text("cboLPT", ""),
                                           text("cboType", "Linear")}));
}

TEST(UploadSettings, RoundTrips) {
    struct Row {
        UploadOptions options;
        std::vector<ControlSetting> restored;
    };
    const std::vector<Row> rows = {
        {uploadOptions(false, false, "", "No Double", "Port 1", "Bankswitched"),
         {check("chkFast", false), check("chkHexx", false), text("cboDouble", "No Double"),
          text("cboLPT", "Port 1"), text("cboType", "Bankswitched")}},
        {uploadOptions(true, true, "12", "Double ", "Port 3", "Highscore"),
         {check("chkFast", true), check("chkHexx", true), text("txtHexx", "12"),
          text("cboDouble", "Double "), text("cboLPT", "Port 3"), text("cboType", "Highscore")}},
        {uploadOptions(false, true, "", "double", " port 2", "Linear "),
         {check("chkFast", false), check("chkHexx", true), text("txtHexx", ""),
          text("cboDouble", "double"), text("cboLPT", " port 2"), text("cboType", "Linear ")}},
    };
    for (const Row& row : rows) {
        MemoryStore store;
        saveUpload(store, row.options);
        EXPECT_EQ(uploadRestore(store), row.restored);
        EXPECT_TRUE(dumpRestore(store).empty());
    }
}

TEST(DumpSettings, RoundTrips) {
    struct Row {
        DumpOptions options;
        std::vector<ControlSetting> restored;
    };
    const std::vector<Row> rows = {
        {{true, true, "C000", true, "1F", "Double ", "Port 2", "Linear", "TEST"},
         {check("chkAlternate2", true), check("chkHexx2", true), text("txtHexx2", "C000"),
          check("chkShortHexx", true), text("txtShortHexx", "1F"), text("cboDouble2", "Double "),
          text("cboLPT2", "Port 2"), text("cboType2", "Linear"), text("cboConType", "TEST")}},
        {{false, false, "C000", true, "1", "Reverse", "LPT9", "", "zz 9"},
         {check("chkAlternate2", false), check("chkHexx2", false), check("chkShortHexx", true),
          text("txtShortHexx", "1"), text("cboDouble2", "Reverse"), text("cboLPT2", "LPT9"),
          text("cboType2", ""), text("cboConType", "zz 9")}},
    };
    for (const Row& row : rows) {
        MemoryStore store;
        saveDump(store, row.options);
        EXPECT_EQ(dumpRestore(store), row.restored);
        EXPECT_TRUE(uploadRestore(store).empty());
    }
}

TEST(PageSettings, HexTextOfAnEarlierSaveStaysButIsNotRestoredWhileOff) {
    MemoryStore store;
    saveUpload(store, uploadOptions(false, true, "8000", "No Double", "Port 1", "Bankswitched"));
    saveDump(store, {false, true, "C000", true, "1F", "No Double", "Port 1", "Bankswitched", ""});
    saveUpload(store, uploadOptions(false, false, "", "No Double", "Port 1", "Bankswitched"));
    saveDump(store, {false, false, "", false, "", "No Double", "Port 1", "Bankswitched", ""});

    EXPECT_EQ(store.read("Quillon", "Upload", "txtHexx"), "8000");
    EXPECT_EQ(store.read("Quillon", "Dump", "txtHexx2"), "C000");
    EXPECT_EQ(store.read("Quillon", "Dump", "txtShortHexx"), "1F");
    for (const ControlSetting& setting : uploadRestore(store)) {
        EXPECT_NE(setting.control, "txtHexx");
    }
    for (const ControlSetting& setting : dumpRestore(store)) {
        EXPECT_NE(setting.control, "txtHexx2");
        EXPECT_NE(setting.control, "txtShortHexx");
    }
}

TEST(PageSettings, OnlyTheExactMarkerCountsAsSaved) {
    for (const char* marker : {"Yes", "yes", "YES", "Yes ", " Yes", "True", ""}) {
        MemoryStore store;
        store.put("Upload", "Load", marker);
        store.put("Dump", "Load2", marker);
        const bool saved = std::string(marker) == "Yes";
        EXPECT_EQ(!uploadRestore(store).empty(), saved) << '"' << marker << '"';
        EXPECT_EQ(!dumpRestore(store).empty(), saved) << '"' << marker << '"';
    }
}

TEST(PageSettings, OnlyTheExactWordTrueChecksABox) {
    for (const char* value : {"True", "true", "TRUE", "True ", "1", "Yes", ""}) {
        MemoryStore store;
        store.put("Upload", "Load", "Yes");
        store.put("Upload", "chkFast", value);
        store.put("Upload", "chkHexx", value);
        store.put("Upload", "txtHexx", "8000");
        const bool checked = std::string(value) == "True";
        std::vector<ControlSetting> expected = {check("chkFast", checked),
                                                check("chkHexx", checked)};
        if (checked) {
            expected.push_back(text("txtHexx", "8000"));
        }
        expected.push_back(text("cboDouble", ""));  // never saved: reads as empty
        expected.push_back(text("cboLPT", ""));
        expected.push_back(text("cboType", ""));
        EXPECT_EQ(uploadRestore(store), expected) << '"' << value << '"';
    }
}

TEST(PageSettings, MarkerAloneRestoresEveryControlEmptyOrUnchecked) {
    MemoryStore store;
    store.put("Dump", "Load2", "Yes");
    EXPECT_EQ(dumpRestore(store),
              (std::vector<ControlSetting>{check("chkAlternate2", false), check("chkHexx2", false),
                                           check("chkShortHexx", false), text("cboDouble2", ""),
                                           text("cboLPT2", ""), text("cboType2", ""),
                                           text("cboConType", "")}));
}

}  // namespace
}  // namespace quillon::settings
