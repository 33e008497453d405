#pragma once

#include <string>
#include <vector>

namespace quillon::platform {

// Runs `argv` (argv[0] an absolute path, no search) as a process that is not
// ours: it lives in a session of its own, outlives this program, is never
// left as our zombie, reads its standard input from /dev/null and inherits no
// descriptor of ours besides standard output and error. True once the
// program has replaced the new process and has not failed within a moment;
// false when it could not be started or ended at once with an error.
bool startDetached(const std::vector<std::string>& argv);

}  // namespace quillon::platform
