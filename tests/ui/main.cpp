#include <QApplication>

#include "ui_tests.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    for (auto* run : {runDriveListTests, runFolderListTests, runFileListTests,
                      runMessageBoxTests, runSettingsStoreTests}) {
        failures += run(argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
