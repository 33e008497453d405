// Measures the window's work against baselines from the same run and prints
// one line per figure: name, median ratio, target.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "figures.h"
#include "rom_folder.h"

using namespace quillon::bench;

namespace {

constexpr int kRounds = 11;

// Settings go to a folder of the run's own: the figures are for a first
// start with nothing saved, and must not touch the user's options.
void isolateSettings(const QString& folder) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
}

}  // namespace

int main(int argc, char** argv) {
    // Before anything of Qt: the stream must hold its lines and nothing else.
    if (argc == 3 && std::strcmp(argv[1], "--stream-child") == 0) {
        return runStreamChild(std::atol(argv[2]));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    QTemporaryDir scratch;
    if (!scratch.isValid()) return 1;
    isolateSettings(scratch.filePath(QStringLiteral("settings")));

    if (argc == 4 && std::strcmp(argv[1], "--memory-child") == 0) {
        return runMemoryChild(argv[3], std::strcmp(argv[2], "window") == 0);
    }
    if (argc == 3 && std::strcmp(argv[1], "--memory-output") == 0) {
        return runOutputMemoryChild(std::strcmp(argv[2], "stream") == 0);
    }

    const std::filesystem::path root = scratch.path().toStdString();
    std::printf("creating folders in %s ...\n", root.string().c_str());
    std::fflush(stdout);
    const RomFolder big(root, "big", 100000, 1000);
    const RomFolder empty(root, "empty", 0, 0);
    const RomFolder start(root, "start", 1000, 10);
    const Workspace workspace{root, big.path(), empty.path(), start.path()};
    QDir::setCurrent(QString::fromStdString(start.path().string()));

    std::vector<Result> results;
    results.push_back(runFigure(folderChangeFigure(workspace, false), kRounds));
    results.push_back(runFigure(folderChangeFigure(workspace, true), kRounds));
    results.push_back(runFigure(startUpFigure(workspace), kRounds));
    results.push_back(runFigure(startUpAgainstControlsFigure(workspace, true), kRounds));
    results.push_back(runFigure(startUpAgainstControlsFigure(workspace, false), kRounds));
    results.push_back(runFigure(writeAddressKeyFigure(workspace), kRounds));
    results.push_back(runFigure(previewCompositionFigure(), kRounds));
    results.push_back(runFigure(settingsSaveFigure(workspace), kRounds));
    results.push_back(runFigure(outputStreamFigure(), kRounds));
    results.push_back(runFigure(checkFigure(workspace, false), kRounds));
    results.push_back(runFigure(checkFigure(workspace, true), kRounds));

    const long windowKb = peakMemoryOfChild(workspace, true);
    const long bareKb = peakMemoryOfChild(workspace, false);
    if (windowKb < 0 || bareKb < 0) {
        std::fprintf(stderr, "memory: a child process failed\n");
        return 1;
    }
    std::printf("peak resident memory: window %ld kB, bare window %ld kB\n", windowKb, bareKb);
    results.push_back(ratioResult("peak memory, window on 100 000 files",
                                  static_cast<double>(windowKb), static_cast<double>(bareKb), 1.5));
    const long streamingKb = peakOutputMemoryOfChild(true);
    const long restKb = peakOutputMemoryOfChild(false);
    if (streamingKb < 0 || restKb < 0) {
        std::fprintf(stderr, "memory: an output child process failed\n");
        return 1;
    }
    std::printf("peak resident memory: streaming 200 000 lines %ld kB, at rest %ld kB\n",
                streamingKb, restKb);
    results.push_back(ratioResult("peak memory, streaming 200 000 lines",
                                  static_cast<double>(streamingKb), static_cast<double>(restKb),
                                  1.5));
    printResults(results);
    return 0;
}
