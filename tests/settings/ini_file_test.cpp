// Where a saved section lands in a settings file that other programs share.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/ini_file.h"

namespace quillon::settings {
namespace {

// The file as the edits leave it; none when there are none.
std::optional<std::string> edited(const std::string& file) {
    const auto edits =
        iniSectionEdits(file, "Upload", {{"chkFast", "True"}, {"Load", "Yes"}}, "\n");
    if (!edits) return std::nullopt;
    std::string out;
    std::size_t at = 0;
    for (const IniEdit& edit : *edits) {
        out += file.substr(at, edit.from - at) + edit.text;
        at = edit.to;
    }
    return out + file.substr(at);
}

struct Row {
    const char* fault;
    std::string before;
    std::optional<std::string> after;  // none: refused, the file must stay as it was
};

// Each row saves chkFast=True and Load=Yes into [Upload] of `before`.
TEST(IniFile, SavedSectionChangesOnlyItsOwnLines) {
    const Row rows[] = {
        {"a new file not in the form QSettings writes", "", "[Upload]\nchkFast=True\nLoad=Yes\n"},
        {"a byte order mark taken for content", "\xEF\xBB\xBF",
         "\xEF\xBB\xBF[Upload]\nchkFast=True\nLoad=Yes\n"},
        {"Windows line ends mixed with others, or the new section glued to the last line",
         "[Other]\r\nx=1", "[Other]\r\nx=1\r\n\r\n[Upload]\r\nchkFast=True\r\nLoad=Yes\r\n"},
        {"a key moved, its comment or indentation lost, or a key added to the wrong section",
         "[Upload]\n  chkFast = False ; mine\ncboLPT=x\n\n[Dump]\nk=v\n",
         "[Upload]\n  chkFast=True; mine\ncboLPT=x\nLoad=Yes\n\n[Dump]\nk=v\n"},
        {"a definition that QSettings does not read rewritten, or a piece of the section lost",
         "[Upload]\nchkFast=A\n[Dump]\n[ Up%6Coad ]\nchkFast=B\nchkFast=C\n",
         "[Upload]\nchkFast=A\n[Dump]\n[ Up%6Coad ]\nchkFast=B\nchkFast=True\nLoad=Yes\n"},
        {"a value over several lines cut, or a key in quotes taken for another",
         "[Upload]\nchkFast=\"a\n[Dump]\"\n\"Load\"=No\n",
         "[Upload]\nchkFast=True\n\"Load\"=No\nLoad=Yes\n"},
        {"a file that swallows what is added after it (an unclosed quote)", "[Other]\nx=\"open\n",
         std::nullopt},
        {"a key added where a trailing backslash swallows it", "[Upload]\nx=a\\", std::nullopt},
        {"an unclosed last line refused though it is the one rewritten", "[Upload]\nchkFast=\"a",
         "[Upload]\nchkFast=True\nLoad=Yes\n"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(edited(row.before), row.after) << row.fault;
    }
}

}  // namespace
}  // namespace quillon::settings
