#pragma once

#include <QWidget>
#include <string>

#include "platform/parallel_ports.h"

namespace quillon::settings {
class SettingsStore;
}
namespace quillon::platform {
class ToolLauncher;
}
namespace quillon::ui {
class DriveSource;
}

class QTabBar;

namespace quillon::app {

class UploadPage;
class DumpPage;
class RunHere;

// What the window uses of the world outside it; main passes the system's,
// tests pass their own (a store on a temporary path, stand-in drives).
struct Services {
    settings::SettingsStore& store;
    platform::ToolLauncher& launcher;
    const ui::DriveSource& drives;
    // Where the system lists its parallel ports (a made-up tree in tests).
    std::string portSource = std::string(platform::systemPortSource());
};

// The one window: a tab strip over two pages in one place, the upload page
// and the download page. Its constructor runs the start-up sequence; when it
// returns, the window is ready to be shown with the upload page on view.
//
// Every change of a control, the program's included, raises its handler at
// once, so handlers nest: setting a check box runs its click handling before
// the setter returns. Start-up's restore relies on this.
class frmGameLoader : public QWidget {
    Q_OBJECT
public:
    explicit frmGameLoader(Services services, QWidget* parent = nullptr);

    QTabBar* tabTrans() const { return tabTrans_; }
    const UploadPage& upload() const { return *upload_; }
    const DumpPage& dump() const { return *dump_; }
    RunHere& runHere() const { return *runHere_; }

    // The ROM named on the command line, chosen on the upload page once the
    // window is up (so that a message about it has the window to stand on).
    void openRom(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A run inside the window that still goes on is not left behind unseen.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void tabTrans_Click();
    void cmdExit_Click();
    void cmdExit2_Click();
    void quit();

    QTabBar* tabTrans_;
    RunHere* runHere_;
    UploadPage* upload_;
    DumpPage* dump_;
};

}  // namespace quillon::app
