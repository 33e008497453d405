// Peak memory is a property of a whole process, so each side runs in a child
// of its own and reports its high-water mark.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>
#include <fstream>
#include <string>

#include "figures.h"
#include "windows.h"

namespace quillon::bench {

// VmHWM of /proc/self/status: the peak resident set in kB.
long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

int runMemoryChild(const std::filesystem::path& folder, bool window) {
    QDir::setCurrent(QString::fromStdString(folder.string()));
    if (window) {
        LoaderWindow loader;
        showAndWait(loader.window());
        QCoreApplication::processEvents();
        std::printf("%ld\n", peakResidentKb());
    } else {
        auto bare = makeBareWindow();
        showAndWait(*bare);
        QCoreApplication::processEvents();
        std::printf("%ld\n", peakResidentKb());
    }
    return 0;
}

long peakMemoryOfChild(const Workspace& workspace, bool window) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--memory-child"),
                 window ? QStringLiteral("window") : QStringLiteral("bare"),
                 QString::fromStdString(workspace.bigFolder.string())});
    if (!child.waitForFinished(120000) || child.exitCode() != 0) return -1;
    bool ok = false;
    const long kb = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed().toLong(&ok);
    return ok ? kb : -1;
}

}  // namespace quillon::bench
