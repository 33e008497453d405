#include <gtest/gtest.h>

#include <string>

#include "platform/cmd_line_win32.h"

// A row gives either its line or its refusal: the other is left out on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quillon::platform {
namespace {

const std::string kCmd = "C:\\windows\\system32\\cmd.exe";

// Catches a changed command.com line, an empty file, an interpreter path with blanks or a field
// cmd.exe would act on left bare, a text cmd.exe cannot take literally passed on instead of
// refused by name, and a line past what the interpreter reads started. Blanks, backslashes, the
// ANSI code page and the rest are run for real in the launcher's test.
TEST(RunLineTest, QuotesWhatCmdWouldActOnAndRefusesWhatItCannotPass) {
    // A file argument of `count` D's: the line after the interpreter's name is 29 + count long.
    const auto file = [](std::size_t count) { return "C:\\" + std::string(count, 'D') + ".BIN"; };
    const std::string commandCom = "C:\\Windows\\COMMAND.COM";
    const std::size_t cmdCount = 8191 - kCmd.size() - 29;
    const struct {
        std::string interpreter;
        command::TransferCommand command;
        std::string line, refusal;
        AfterTool after = AfterTool::Stay;
    } rows[] = {
        {"C:\\Windows\\command.com",
         {{"", "-r", "-f", "-l2", "-c1", "-w8000"}, "C:\\MYROMS~1\\SPACEG~1.A78"},
         "C:\\Windows\\command.com /k cartpipe  -r -f -l2 -c1 -w8000 "
         "\"C:\\MYROMS~1\\SPACEG~1.A78\""},
        {kCmd, {{"", "", "", "", "", "-w"}, ""}, kCmd + " /k cartpipe      -w \"\""},
        {"C:\\Program Files\\System\\cmd.exe",
         {{"-tTEST"}, "C:\\D.BIN"},
         "\"C:\\Program Files\\System\\cmd.exe\" /k cartpipe -tTEST \"C:\\D.BIN\""},
        // Wine's cmd.exe passes these on bare where Windows' own would act on them.
        {kCmd,
         {{"-tA&calc", "-w1|calc", "-n<x>", "-t^(x)"}, "C:\\a&b\\c.bin"},
         kCmd + " /k cartpipe \"-tA&calc\" \"-w1|calc\" \"-n<x>\" \"-t^(x)\" \"C:\\a&b\\c.bin\""},
        {kCmd, {{"", "-tA\"&calc&\""}, "C:\\x.bin"}, "", "The cartridge code holds a double quote"},
        {kCmd, {{"-w%PATH%"}, "C:\\x.bin"}, "", "The write address holds a percent sign (%)"},
        {kCmd, {{"-n!x!"}, "C:\\x.bin"}, "", "The bank number holds an exclamation mark (!)"},
        {kCmd, {{"-tA\ncalc"}, "C:\\x.bin"}, "", "The cartridge code holds a line break"},
        {kCmd, {{"-tA\rcalc"}, "C:\\x.bin"}, "", "The cartridge code holds a line break"},
        {kCmd, {{std::string("-w1\0", 4)}, "C:\\x.bin"}, "", "address holds a control character"},
        {kCmd, {{"-n\x1b"}, "C:\\x.bin"}, "", "The bank number holds a control character"},
        {kCmd, {{"-tTEST"}, "C:\\100%.bin"}, "", "The file path holds a percent sign (%)"},
        {kCmd, {{"-tTEST"}, "C:\\x\" & calc & \".bin"}, "", "The file path holds a double quote"},
        {kCmd,
         {{"", "-r"}, "my dump.a78"},
         kCmd + " /d /c cartpipe  -r \"my dump.a78\"",
         "",
         AfterTool::End},
        {commandCom,
         {{"-tTEST"}, file(98)},
         commandCom + " /k cartpipe -tTEST \"" + file(98) + "\""},
        {commandCom, {{"-tTEST"}, file(99)}, "", "too long: 128 characters, where command.com"},
        {kCmd,
         {{"-tTEST"}, file(cmdCount)},
         kCmd + " /k cartpipe -tTEST \"" + file(cmdCount) + "\""},
        {kCmd, {{"-tTEST"}, file(cmdCount + 1)}, "", "too long: 8192 characters"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line + row.refusal);
        const InterpreterLine result = interpreterLine(row.interpreter, row.after, row.command);
        EXPECT_EQ(result.line, row.line);
        EXPECT_TRUE(row.refusal.empty() ? result.refusal.empty()
                                        : result.refusal.find(row.refusal) != std::string::npos)
            << result.refusal;
    }
}

}  // namespace
}  // namespace quillon::platform
