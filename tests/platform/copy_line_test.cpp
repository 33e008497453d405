// The copied line run by this system's own shell (sh -c, or cmd /c on Windows) against the
// recording stand-in tool, which must receive what the launcher would pass.
#include "platform/copy_line.h"

#include <cstdlib>

#include "hostile_texts.h"
#include "stand_in_test.h"
#ifdef _WIN32
#include "platform/cmd_line_win32.h"
#include "platform/wide_text_win32.h"
#else
#include "platform/launcher.h"
#endif

namespace quillon::platform {
namespace {

#ifdef _WIN32
constexpr std::size_t kFactsBeforeArguments = 0;
const std::string kPlainLine = "cartpipe -r -f -l3 -c2 -w8000 \"ROMS/SPACE.A78\"";

// The cmd.exe that _wsystem starts inherits what _wputenv_s sets.
int runInShell(const std::string& line) {
    return ::_wsystem(toWide(line).value_or(L"exit 9").c_str());
}
std::string launcherRefusal(const command::TransferCommand& command) {
    return interpreterLine(kCommandCom, AfterTool::Stay, command).refusal;
}
bool refusedHere(const HostileText& hostile) {
    return hostile.refusedOnWindows || !ansiHolds(hostile.text);
}
#else
constexpr std::size_t kFactsBeforeArguments = 3;  // session, input and descriptors
const std::string kPlainLine = "cartpipe -r -f -l3 -c2 -w8000 ROMS/SPACE.A78";

int runInShell(const std::string& line) { return std::system(line.c_str()); }
// Asked only about commands it refuses before it looks for a terminal; PATH holds none anyway.
std::string launcherRefusal(const command::TransferCommand& command) {
    return settle(*makeSystemLauncher()->start(command)).reason;
}
bool refusedHere(const HostileText&) { return false; }
#endif

class CopyLineTest : public StandInTest {
protected:
    // `text` in every free-text field of a dump command; what the copy gives for it.
    void check(const std::string& text, bool refused) const {
        SCOPED_TRACE(text);
        const command::TransferCommand command = {
            {"", "-d", "", "-l2", "-c1", "-n" + text, "-w" + text, "-t" + text}, text};
        const CopyLine copy = copyLine(command);
        if (refused) {
            EXPECT_EQ(copy.line, "");
            EXPECT_NE(copy.refusal, "");
            EXPECT_EQ(copy.refusal, launcherRefusal(command));
            return;
        }
        EXPECT_EQ(copy.refusal, "");
        fs::remove(folder_ / "record");
        EXPECT_EQ(runInShell(copy.line), 0) << copy.line;
        EXPECT_EQ(record(kFactsBeforeArguments), command::toolArguments(command));
        EXPECT_FALSE(fs::exists(folder_ / "marker"));
    }
};

// Catches quotes where the shell needs none, a text the shell runs, expands, splits or alters,
// an empty file argument lost, and a text the launcher refuses copied or refused otherwise.
TEST_F(CopyLineTest, RunsTheToolWithTheLaunchersArgumentsOrIsRefusedAlike) {
    EXPECT_EQ(copyLine({{"", "-r", "-f", "-l3", "-c2", "-w8000"}, "ROMS/SPACE.A78"}).line,
              kPlainLine);
    for (const HostileText& hostile : kHostileTexts) {
        check(hostile.text, refusedHere(hostile));
    }
    // No shell word holds a NUL.
    check(std::string("26\0F8", 5), true);
}

}  // namespace
}  // namespace quillon::platform
