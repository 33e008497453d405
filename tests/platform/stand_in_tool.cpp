// Stands in for the tool run inside the window; what it does is chosen by QUILLON_TEST_MODE:
//   arguments  each argument on a line of standard output, then a line on standard error
//   prompt     asks for a line without ending its own, reads one, says what it read
//   fail       a line on standard error, then exit status 3
//   hang       says its process id (on POSIX systems a child of its own says its id too), then
//              waits to be ended, ignoring the first polite request and saying so
//   stream     QUILLON_TEST_LINES lines of 50 bytes (200 000 by default: 10 MB)
//   progress   colour codes, and a counter rewritten with carriage returns
//   search     where its starter looks for programs: NoDefaultCurrentDirectoryInExePath's value
//              ("<unset>" when there is none), then the first folder of PATH
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr char kIgnored[] = "ignoring the stop request\n";

#ifdef _WIN32
BOOL WINAPI onStopRequest(DWORD) {
    static bool ignoredOnce = false;
    if (ignoredOnce) {
        return FALSE;
    }
    ignoredOnce = true;
    std::fputs(kIgnored, stdout);
    std::fflush(stdout);
    return TRUE;
}

long processId() { return static_cast<long>(::GetCurrentProcessId()); }

void waitForEver() {
    ::SetConsoleCtrlHandler(onStopRequest, TRUE);
    for (;;) ::Sleep(1000);
}
#else
void onStopRequest(int) {
    (void)!::write(STDOUT_FILENO, kIgnored, sizeof kIgnored - 1);
    std::signal(SIGTERM, SIG_DFL);
}

long processId() { return static_cast<long>(::getpid()); }

// The child shows that the whole group is ended, not only the process started.
void waitForEver() {
    std::signal(SIGTERM, onStopRequest);
    std::fflush(stdout);
    if (::fork() == 0) {
        std::printf("pid %ld\n", processId());
        std::fflush(stdout);
    }
    for (;;) ::pause();
}
#endif

}  // namespace

int main(int argc, char** argv) {
    const char* chosen = std::getenv("QUILLON_TEST_MODE");
    const std::string mode = chosen ? chosen : "arguments";
    if (mode == "arguments") {
        for (int index = 1; index < argc; ++index) {
            std::printf("%s\n", argv[index]);
        }
        std::fflush(stdout);
        std::fputs("warning: a line on standard error\n", stderr);
    } else if (mode == "prompt") {
        std::printf("Insert the cartridge and press Enter: ");
        std::fflush(stdout);
        std::string line;
        std::getline(std::cin, line);
        std::printf("read '%s'\n", line.c_str());
    } else if (mode == "fail") {
        std::fputs("cartpipe: no transfer device answers on LPT1\n", stderr);
        return 3;
    } else if (mode == "hang") {
        std::printf("pid %ld\n", processId());
        waitForEver();
    } else if (mode == "stream") {
        const char* count = std::getenv("QUILLON_TEST_LINES");
        const long lines = count ? std::atol(count) : 200000;
        for (long line = 1; line <= lines; ++line) {
            std::printf("line %7ld of the stream, padded to fifty bytes\n", line);
        }
    } else if (mode == "progress") {
        std::printf("\x1b[1;32mready\x1b[0m\n");
        for (const int percent : {10, 50, 100}) {
            std::printf("\rProgress %d%%", percent);
            std::fflush(stdout);
        }
        std::printf("\ndone\n");
    } else if (mode == "search") {
        const char* gate = std::getenv("NoDefaultCurrentDirectoryInExePath");
        const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
        std::printf("%s\n%s\n", gate ? gate : "<unset>", path.substr(0, path.find(';')).c_str());
    } else {
        return 2;
    }
    return 0;
}
