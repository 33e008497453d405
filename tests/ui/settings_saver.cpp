// Saves one page's options many times over and reads the page back after
// each save. The settings store test starts two of these at once, one per
// page, against one settings file; each ends with status 1 at the first save
// of its page that was refused or lost.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/page_settings.h"
#include "ui/user_settings_store.h"

using namespace quillon;

namespace {

template <typename Options, typename Save, typename Load>
std::string saveAndReadBack(settings::SettingsStore& store, const std::string& port, Save save,
                            Load load) {
    Options options;
    options.port = port;
    const std::string refusal = save(store, options);
    return !refusal.empty() ? refusal : load(store) == options ? "" : "lost";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: settings_saver Upload|Dump <saves>\n");
        return 2;
    }
    const bool upload = std::string(argv[1]) == "Upload";
    ui::UserSettingsStore store;
    for (int save = 0; save < std::atoi(argv[2]); ++save) {
        const std::string port = "Port " + std::to_string(save);
        const std::string fault = upload
                                      ? saveAndReadBack<settings::UploadOptions>(
                                            store, port, settings::saveUpload, settings::loadUpload)
                                      : saveAndReadBack<settings::DumpOptions>(
                                            store, port, settings::saveDump, settings::loadDump);
        if (!fault.empty()) {
            std::fprintf(stderr, "%s, save %d: %s\n", argv[1], save, fault.c_str());
            return 1;
        }
    }
    return 0;
}
