#include "platform/program_arguments.h"

namespace quillon::platform {

std::vector<NativeText> programArguments(int argc, char** argv) {
    return std::vector<NativeText>(argv, argv + argc);
}

}  // namespace quillon::platform
