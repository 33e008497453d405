#pragma once

#include <QString>
#include <QWidget>

#include "app/controls.h"
#include "rules/enabling.h"

namespace quillon::settings {
class SettingsStore;
}
namespace quillon::platform {
class ToolLauncher;
}

namespace quillon::app {

// What the window uses of the world outside it; main passes the system's,
// tests pass their own (a store on a temporary path, stand-in drives).
struct Services {
    settings::SettingsStore& store;
    platform::ToolLauncher& launcher;
    const ui::DriveSource& drives;
};

// The one window. Its constructor runs the start-up sequence; when it
// returns, the window is ready to be shown with the upload page on view.
class frmGameLoader : public QWidget {
    Q_OBJECT
public:
    explicit frmGameLoader(Services services, QWidget* parent = nullptr);

    const WindowControls& controls() const { return c_; }
    const rules::PageFlags& uploadFlags() const { return upFlags_; }
    const rules::PageFlags& dumpFlags() const { return downFlags_; }

private:
    Services services_;
    WindowControls c_;
    rules::PageFlags upFlags_;
    rules::PageFlags downFlags_;
    QString strDrive1;
    QString strDrive2;
};

}  // namespace quillon::app
