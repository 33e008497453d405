#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "platform/parallel_ports.h"

namespace quillon::platform {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDevicePrefix = "parport";

// The number N of a name "parportN", or nothing for any other name.
std::optional<unsigned long> portNumber(const std::string& name) {
    unsigned long number = 0;
    const char* const end = name.data() + name.size();
    if (!name.starts_with(kDevicePrefix)) {
        return std::nullopt;
    }
    const auto [last, error] = std::from_chars(name.data() + kDevicePrefix.size(), end, number);
    if (error != std::errc() || last != end) {
        return std::nullopt;
    }
    return number;
}

// Every N of the entries "parportN" in `folder`; none when it cannot be read.
void collectNumbers(const fs::path& folder, std::map<unsigned long, bool>& numbers, bool device) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (const auto number = portNumber(entry->path().filename().string())) {
            numbers[*number] = numbers[*number] || device;
        }
    }
}

// The kernel writes the base address as a decimal number (then the upper
// range's); a port is known by it in hex.
std::string baseAddress(const fs::path& file) {
    std::ifstream in(file);
    unsigned long address = 0;
    if (!(in >> address)) {
        return "base address unknown";
    }
    std::ostringstream text;
    text << "base address 0x" << std::hex << address;
    return text.str();
}

// Opened and closed at once: that alone claims nothing, and it tells a
// missing driver or permission as the tool would meet them.
std::string access(const fs::path& device) {
    const int descriptor = ::open(device.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::close(descriptor);
        return "can be opened for reading and writing";
    }
    const int error = errno;
    if (error == EACCES || error == EPERM) {
        return "this user may not open it for reading and writing. Ask to be added to the group "
               "lp (sudo adduser $USER lp), then log out and in again";
    }
    return std::string("cannot be opened: ") + std::strerror(error);
}

}  // namespace

std::string_view systemPortSource() { return "/"; }

std::vector<std::string> parallelPortLines(const std::string& source) {
    const fs::path root(source);
    const fs::path devices = root / "dev";
    const fs::path known = root / "proc/sys/dev/parport";
    std::map<unsigned long, bool> numbers;  // with whether its device exists
    collectNumbers(devices, numbers, true);
    collectNumbers(known, numbers, false);
    std::vector<std::string> lines;
    for (const auto& [number, hasDevice] : numbers) {
        const std::string name = std::string(kDevicePrefix) + std::to_string(number);
        const std::string address = baseAddress(known / name / "base-addr");
        const std::string shown = "/dev/" + name;
        lines.push_back(hasDevice ? shown + " (" + address + "): " + access(devices / name)
                                  : shown + " is missing although the system knows the port (" +
                                        address + "). Load its driver: sudo modprobe ppdev");
    }
    if (lines.empty()) {
        lines.emplace_back(kNoParallelPort);
    }
    return lines;
}

}  // namespace quillon::platform
