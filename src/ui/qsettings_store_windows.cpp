#include <string>
#include <utility>

#include "ui/qsettings_store.h"

namespace quillon::ui {

namespace {

// Where the classic per-user settings functions of Windows keep an
// application's sections: options saved by earlier Windows versions of this
// program are found there.
std::string& root() {
    static std::string key = "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings";
    return key;
}

}  // namespace

void setRegistryRoot(std::string key) {
    root() = std::move(key);
}

std::string registryRoot() {
    return root();
}

}  // namespace quillon::ui
