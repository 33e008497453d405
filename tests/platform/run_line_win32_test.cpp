#include <gtest/gtest.h>

#include <string>

#include "platform/cmd_line_win32.h"

namespace quillon::platform {
namespace {

using command::TransferCommand;

const std::string kCmd = "C:\\windows\\system32\\cmd.exe";

struct LineCase {
    const char* what;
    std::string interpreter;
    TransferCommand command;
    std::string line;
};

void PrintTo(const LineCase& example, std::ostream* out) {
    *out << example.what;
}

class RunLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(RunLineTest, IsTheJoinedLineWithEachFieldPassableAsOneArgument) {
    const InterpreterLine result = interpreterLine(GetParam().interpreter, GetParam().command);
    EXPECT_EQ(result.refusal, "");
    EXPECT_EQ(result.line, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RunLineTest,
    ::testing::Values(
        LineCase{"upload with every option off, as the tool was always started",
                 "C:\\Windows\\command.com",
                 {{"", "", "", "", "", ""}, "C:\\ROMS\\GAME.BIN"},
                 "C:\\Windows\\command.com /k cartpipe       \"C:\\ROMS\\GAME.BIN\""},
        LineCase{"upload with every option on",
                 "C:\\Windows\\command.com",
                 {{"", "-r", "-f", "-l2", "-c1", "-w8000"}, "C:\\MYROMS~1\\SPACEG~1.A78"},
                 "C:\\Windows\\command.com /k cartpipe  -r -f -l2 -c1 -w8000 "
                 "\"C:\\MYROMS~1\\SPACEG~1.A78\""},
        LineCase{
            "dump with every option on, through cmd.exe",
            kCmd,
            {{"-a", "-d", "", "-l2", "-c1", "-n1F", "-wC000", "-t26F8"},
             "C:\\My Dumps\\cart one.a78"},
            kCmd + " /k cartpipe -a -d  -l2 -c1 -n1F -wC000 -t26F8 \"C:\\My Dumps\\cart one.a78\""},
        LineCase{"an empty short form still passes an empty argument",
                 kCmd,
                 {{"", "", "", "", "", "-w"}, ""},
                 kCmd + " /k cartpipe      -w \"\""},
        LineCase{"an interpreter in a folder with blanks is quoted",
                 "C:\\Program Files\\System\\cmd.exe",
                 {{"-tTEST"}, "C:\\D.BIN"},
                 "\"C:\\Program Files\\System\\cmd.exe\" /k cartpipe -tTEST \"C:\\D.BIN\""},
        LineCase{
            "interpreter operators in a field are quoted, not run",
            kCmd,
            {{"-tA&calc", "-w1|calc", "-n<x>", "-t^(x)"}, "C:\\a&b\\c.bin"},
            kCmd +
                " /k cartpipe \"-tA&calc\" \"-w1|calc\" \"-n<x>\" \"-t^(x)\" \"C:\\a&b\\c.bin\""},
        LineCase{"blanks, separators and wildcards keep a field whole",
                 kCmd,
                 {{"-t26 F8", "-t;,=", "-t*?", "-t@x"}, "C:\\x.bin"},
                 kCmd + " /k cartpipe \"-t26 F8\" \"-t;,=\" \"-t*?\" \"-t@x\" \"C:\\x.bin\""},
        LineCase{"trailing backslashes are doubled before a closing quote",
                 kCmd,
                 {{"-ta b\\"}, "C:\\DUMPS\\"},
                 kCmd + " /k cartpipe \"-ta b\\\\\" \"C:\\DUMPS\\\\\""},
        LineCase{"letters beyond ASCII are quoted and kept",
                 kCmd,
                 {{"-tÜnï日本"}, "C:\\Ünï\\日本.a78"},
                 kCmd + " /k cartpipe \"-tÜnï日本\" \"C:\\Ünï\\日本.a78\""}));

struct RefusalCase {
    const char* what;
    TransferCommand command;
    std::string field;
    std::string character;
};

void PrintTo(const RefusalCase& example, std::ostream* out) {
    *out << example.what;
}

class RunLineRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RunLineRefusalTest, NamesTheFieldAndTheCharacter) {
    const InterpreterLine result = interpreterLine(kCmd, GetParam().command);
    EXPECT_EQ(result.line, "");
    EXPECT_NE(result.refusal.find("The " + GetParam().field + " holds " + GetParam().character),
              std::string::npos)
        << result.refusal;
}

INSTANTIATE_TEST_SUITE_P(Refusals, RunLineRefusalTest,
                         ::testing::Values(RefusalCase{"quote in the code",
                                                       {{"", "-tA\"&calc&\""}, "C:\\x.bin"},
                                                       "cartridge code",
                                                       "a double quote (\")"},
                                           RefusalCase{"variable in the write address",
                                                       {{"-w%PATH%"}, "C:\\x.bin"},
                                                       "write address",
                                                       "a percent sign (%)"},
                                           RefusalCase{"delayed variable in the bank",
                                                       {{"-n!x!"}, "C:\\x.bin"},
                                                       "bank number",
                                                       "an exclamation mark (!)"},
                                           RefusalCase{"line feed in the code",
                                                       {{"-tA\ncalc"}, "C:\\x.bin"},
                                                       "cartridge code",
                                                       "a line break"},
                                           RefusalCase{"carriage return in the code",
                                                       {{"-tA\rcalc"}, "C:\\x.bin"},
                                                       "cartridge code",
                                                       "a line break"},
                                           RefusalCase{"NUL in the write address",
                                                       {{std::string("-w1\0", 4)}, "C:\\x.bin"},
                                                       "write address",
                                                       "a control character"},
                                           RefusalCase{"escape in the bank",
                                                       {{"-n\x1b"}, "C:\\x.bin"},
                                                       "bank number",
                                                       "a control character"},
                                           RefusalCase{"percent in the file",
                                                       {{"-tTEST"}, "C:\\100%.bin"},
                                                       "file path",
                                                       "a percent sign (%)"},
                                           RefusalCase{"quote in the file",
                                                       {{"-tTEST"}, "C:\\x\" & calc & \".bin"},
                                                       "file path",
                                                       "a double quote (\")"},
                                           RefusalCase{"exclamation mark in the file",
                                                       {{"-tTEST"}, "C:\\hi!.bin"},
                                                       "file path",
                                                       "an exclamation mark (!)"}));

}  // namespace
}  // namespace quillon::platform
