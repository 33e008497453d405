#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "command/page_commands.h"
#include "platform/launcher.h"
#include "posix_sandbox.h"

namespace quillon::platform {
namespace {

using Status = LaunchOutcome::Status;
using Arguments = std::vector<std::string>;

const std::array<std::string, 3> kDoubleItems = {"No Double", "Double ", "Reverse"};

// A sandbox with a terminal, the tool and a shell, and the launcher the
// window would use.
class PosixLaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox_.installTool();
        sandbox_.installShell();
        sandbox_.installTerminal("xterm", "-e");
    }

    // Starts `command` and waits for the terminal; what the tool received.
    Arguments run(const command::TransferCommand& command) {
        sandbox_.clearRun();
        const LaunchOutcome outcome = launcher_->start(command);
        EXPECT_EQ(outcome.status, Status::Started) << outcome.reason;
        EXPECT_TRUE(sandbox_.awaitTerminal().has_value());
        return sandbox_.toolArguments();
    }

    std::string makeRom(const std::string& folderName, const std::string& fileName) {
        const std::filesystem::path folder = sandbox_.folder() / folderName;
        std::filesystem::create_directories(folder);
        std::ofstream(folder / fileName) << "rom";
        return folder.string();
    }

    command::UploadSnapshot upload(const std::string& folder, const std::string& fileName) {
        command::UploadSnapshot page;
        page.doubleItems = kDoubleItems;
        page.doubleText = "No Double";
        page.port = "Port 1";
        page.type = "Bankswitched";
        page.folder = folder;
        page.fileName = fileName;
        return page;
    }

    command::TransferCommand uploadForRun(const command::UploadSnapshot& page) {
        return command::uploadForRun(page, pathSeparator(), [this](const std::string& path) {
            return launcher_->shortPath(path);
        });
    }

    static command::DumpSnapshot dump(const std::string& destination) {
        command::DumpSnapshot page;
        page.doubleItems = kDoubleItems;
        page.doubleText = "No Double";
        page.port = "Port 1";
        page.type = "Bankswitched";
        page.code = "TEST";
        page.destination = destination;
        return page;
    }

    test::PosixSandbox sandbox_;
    std::unique_ptr<ToolLauncher> launcher_ = makeSystemLauncher();
};

TEST_F(PosixLaunchTest, UploadArrivesAsTheNonEmptyFieldsThenThePath) {
    const std::string folder = makeRom("My Roms", "Space Game.a78");
    const std::string path = folder + "/Space Game.a78";

    command::UploadSnapshot firstItems = upload(folder, "Space Game.a78");
    EXPECT_EQ(run(uploadForRun(firstItems)), Arguments({path}));

    command::UploadSnapshot everything = firstItems;
    everything.doubleText = "Reverse";
    everything.fast = true;
    everything.port = "Port 2";
    everything.type = "Linear";
    everything.writeOn = true;
    everything.writeAddress = "8000";
    EXPECT_EQ(run(uploadForRun(everything)), Arguments({"-r", "-f", "-l2", "-c1", "-w8000", path}));

    command::UploadSnapshot emptyAddress = firstItems;
    emptyAddress.doubleText = "Double ";
    emptyAddress.port = "Port 3";
    emptyAddress.type = "Highscore";
    emptyAddress.writeOn = true;
    EXPECT_EQ(run(uploadForRun(emptyAddress)), Arguments({"-d", "-l3", "-c2", "-w", path}));
}

TEST_F(PosixLaunchTest, AMissingRomIsPassedAsAnEmptyArgument) {
    const std::string folder = makeRom("roms", "game.bin");
    EXPECT_EQ(run(uploadForRun(upload(folder, "gone.bin"))), Arguments({""}));
}

TEST_F(PosixLaunchTest, DumpArrivesAsTheNonEmptyFieldsThenTheDestination) {
    const std::string destination = (sandbox_.folder() / "My Dumps" / "cart one.a78").string();

    EXPECT_EQ(run(command::composeDump(dump(destination))), Arguments({"-tTEST", destination}));

    command::DumpSnapshot everything = dump(destination);
    everything.alternate = true;
    everything.doubleText = "Double ";
    everything.port = "Port 2";
    everything.type = "Linear";
    everything.bankOn = true;
    everything.bank = "1F";
    everything.writeOn = true;
    everything.writeAddress = "C000";
    everything.code = "26F8";
    EXPECT_EQ(run(command::composeDump(everything)),
              Arguments({"-a", "-d", "-l2", "-c1", "-n1F", "-wC000", "-t26F8", destination}));

    command::DumpSnapshot bare = dump("/dumps/");
    bare.bankOn = true;
    bare.writeOn = true;
    bare.code.clear();
    EXPECT_EQ(run(command::composeDump(bare)), Arguments({"-n", "-w", "-t", "/dumps/"}));
}

TEST_F(PosixLaunchTest, TheTerminalIsDetachedAndInheritsNothingOfOurs) {
    // A descriptor a careless start would hand on to the terminal.
    const int inheritable = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(inheritable, 0);

    const LaunchOutcome outcome = launcher_->start(command::composeDump(dump("/dumps/cart.bin")));
    ASSERT_EQ(outcome.status, Status::Started);
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a child of ours is left to reap";
    EXPECT_EQ(errno, ECHILD);
    ::close(inheritable);

    ASSERT_TRUE(sandbox_.awaitTerminal().has_value());
    const auto facts = sandbox_.toolFacts();
    EXPECT_EQ(facts.at("fds"), "0 1 2");
    EXPECT_EQ(facts.at("stdin"), "/dev/null");
    EXPECT_NE(facts.at("sid"), std::to_string(::getsid(0)));
}

TEST_F(PosixLaunchTest, ATextHoldingANulIsRefusedWithTheFieldNamed) {
    command::DumpSnapshot page = dump("/dumps/cart.bin");
    page.code = std::string("26\0F8", 5);

    const LaunchOutcome outcome = launcher_->start(command::composeDump(page));

    EXPECT_EQ(outcome.status, Status::Refused);
    EXPECT_NE(outcome.reason.find("cartridge code"), std::string::npos) << outcome.reason;
    EXPECT_FALSE(sandbox_.exists("terminal-done"));
}

// Texts that a shell would act on. Each one that was run, expanded or split
// would leave a file called "marker" in the working folder (the sandbox), or
// reach the tool altered.
const std::vector<std::string> kHostileTexts = {
    "$(:>marker)",
    "`:>marker`",
    "x;:>marker",
    "x&:>marker&",
    "x|:>marker",
    "x&&:>marker",
    "x' ; :>marker ; '",
    "x\" ; :>marker ; \"",
    "x\n:>marker",
    "*",
    "-rf",
    "$HOME ${PATH} ~",
    "Ünïcødé 日本",
    " leading and trailing blanks ",
    "a\\b\\",
};

class HostileTextTest : public PosixLaunchTest,
                        public ::testing::WithParamInterface<std::string> {};

TEST_P(HostileTextTest, ArrivesVerbatimInEveryUploadField) {
    const std::string& text = GetParam();
    const std::string folder = makeRom(text, text);
    command::UploadSnapshot page = upload(folder, text);
    page.writeOn = true;
    page.writeAddress = text;

    EXPECT_EQ(run(uploadForRun(page)), Arguments({"-w" + text, folder + "/" + text}));
    EXPECT_FALSE(sandbox_.exists("marker"));
}

TEST_P(HostileTextTest, ArrivesVerbatimInEveryDumpField) {
    const std::string& text = GetParam();
    command::DumpSnapshot page = dump(text);
    page.bankOn = true;
    page.bank = text;
    page.writeOn = true;
    page.writeAddress = text;
    page.code = text;

    EXPECT_EQ(run(command::composeDump(page)),
              Arguments({"-n" + text, "-w" + text, "-t" + text, text}));
    EXPECT_FALSE(sandbox_.exists("marker"));
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileTextTest, ::testing::ValuesIn(kHostileTexts));

}  // namespace
}  // namespace quillon::platform
