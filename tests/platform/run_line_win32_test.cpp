#include <gtest/gtest.h>

#include <string>

#include "platform/cmd_line_win32.h"

namespace quillon::platform {
namespace {

using command::TransferCommand;

const std::string kCmd = "C:\\windows\\system32\\cmd.exe";

// The exact line: where command.com stands it is the line the tool was always
// started with (plain fields bare, one blank per field, the path quoted);
// elsewhere cmd.exe takes its place, and every field cmd.exe or the tool's
// runtime would act on is quoted so that it arrives as one argument, as given.
TEST(RunLineTest, IsTheJoinedLineWithEachFieldPassableAsOneArgument) {
    const struct {
        std::string interpreter;
        TransferCommand command;
        std::string line;
    } rows[] = {
        {"C:\\Windows\\command.com",
         {{"", "-r", "-f", "-l2", "-c1", "-w8000"}, "C:\\MYROMS~1\\SPACEG~1.A78"},
         "C:\\Windows\\command.com /k cartpipe  -r -f -l2 -c1 -w8000 "
         "\"C:\\MYROMS~1\\SPACEG~1.A78\""},
        {kCmd, {{"", "", "", "", "", "-w"}, ""}, kCmd + " /k cartpipe      -w \"\""},
        {"C:\\Program Files\\System\\cmd.exe",
         {{"-tTEST"}, "C:\\D.BIN"},
         "\"C:\\Program Files\\System\\cmd.exe\" /k cartpipe -tTEST \"C:\\D.BIN\""},
        {kCmd,
         {{"-tA&calc", "-w1|calc", "-n<x>", "-t^(x)"}, "C:\\a&b\\c.bin"},
         kCmd + " /k cartpipe \"-tA&calc\" \"-w1|calc\" \"-n<x>\" \"-t^(x)\" \"C:\\a&b\\c.bin\""},
        {kCmd,
         {{"-t26 F8", "-t;,=", "-t*?", "-t@x"}, "C:\\x.bin"},
         kCmd + " /k cartpipe \"-t26 F8\" \"-t;,=\" \"-t*?\" \"-t@x\" \"C:\\x.bin\""},
        // The runtime reads backslashes before a closing quote as escapes of it.
        {kCmd, {{"-ta b\\"}, "C:\\DUMPS\\"}, kCmd + " /k cartpipe \"-ta b\\\\\" \"C:\\DUMPS\\\\\""},
        {kCmd,
         {{"-tÜnï日本"}, "C:\\Ünï\\日本.a78"},
         kCmd + " /k cartpipe \"-tÜnï日本\" \"C:\\Ünï\\日本.a78\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        const InterpreterLine result = interpreterLine(row.interpreter, row.command);
        EXPECT_EQ(result.refusal, "");
        EXPECT_EQ(result.line, row.line);
    }
}

// What cmd.exe cannot be told to take literally, even inside quotes, is
// refused with the field and the character named, and gives no line.
TEST(RunLineTest, RefusesWhatCmdCannotPassNamingFieldAndCharacter) {
    const struct {
        TransferCommand command;
        std::string refusal;
    } rows[] = {
        {{{"", "-tA\"&calc&\""}, "C:\\x.bin"}, "The cartridge code holds a double quote (\")"},
        {{{"-w%PATH%"}, "C:\\x.bin"}, "The write address holds a percent sign (%)"},
        {{{"-n!x!"}, "C:\\x.bin"}, "The bank number holds an exclamation mark (!)"},
        {{{"-tA\ncalc"}, "C:\\x.bin"}, "The cartridge code holds a line break"},
        {{{"-tA\rcalc"}, "C:\\x.bin"}, "The cartridge code holds a line break"},
        {{{std::string("-w1\0", 4)}, "C:\\x.bin"}, "The write address holds a control character"},
        {{{"-n\x1b"}, "C:\\x.bin"}, "The bank number holds a control character"},
        {{{"-tTEST"}, "C:\\100%.bin"}, "The file path holds a percent sign (%)"},
        {{{"-tTEST"}, "C:\\x\" & calc & \".bin"}, "The file path holds a double quote (\")"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.refusal);
        const InterpreterLine result = interpreterLine(kCmd, row.command);
        EXPECT_EQ(result.line, "");
        EXPECT_NE(result.refusal.find(row.refusal), std::string::npos) << result.refusal;
    }
}

}  // namespace
}  // namespace quillon::platform
