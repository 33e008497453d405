#pragma once

#include <memory>

#include <QWidget>

#include "app/controls.h"
#include "app/frm_game_loader.h"
#include "platform/launcher.h"
#include "ui/drive_source.h"
#include "ui/user_settings_store.h"

namespace quillon::bench {

// The real window with the system's services, as main builds it.
class LoaderWindow {
public:
    LoaderWindow();
    app::frmGameLoader& window() { return *window_; }

private:
    ui::UserSettingsStore store_;
    std::unique_ptr<platform::ToolLauncher> launcher_;
    std::unique_ptr<ui::DriveSource> drives_;
    std::unique_ptr<app::frmGameLoader> window_;
};

// The baseline window: a tab bar, two frames and as many plain widgets as
// the real window has controls, built without any rule or file access.
std::unique_ptr<QWidget> makeBareWindow();

// The real window's controls, as laid out, with no handler connected and no
// start-up run: what the toolkit alone costs for them. With `uploadOnView`
// the upload page is shown as the real window shows it; without, both pages
// stay hidden as the layout leaves them, and nothing on them is painted.
std::unique_ptr<QWidget> makeUnwiredWindow(const ui::DriveSource& drives, bool uploadOnView);

// Shows a window and returns once the platform has exposed it.
void showAndWait(QWidget& window);

}  // namespace quillon::bench
