#include "windows.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>

#include "ui/folder_entries.h"

namespace quillon::bench {
namespace {

// Controls of the real window besides its tab strip and two frames.
constexpr int kPlainControls = 46;

}  // namespace

LoaderWindow::LoaderWindow()
    : launcher_(platform::makeSystemLauncher()), drives_(ui::makeSystemDriveSource()) {
    window_ = std::make_unique<app::frmGameLoader>(app::Services{store_, *launcher_, *drives_});
}

std::unique_ptr<QWidget> makeBareWindow() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(382, 386);
    auto* tabs = new QTabWidget(window.get());
    tabs->addTab(new QWidget, QStringLiteral("Upload"));
    tabs->addTab(new QWidget, QStringLiteral("Download"));
    tabs->setGeometry(4, 4, 377, 377);
    QGroupBox* frames[] = {new QGroupBox(QStringLiteral("One"), window.get()),
                           new QGroupBox(QStringLiteral("Two"), window.get())};
    for (int index = 0; index < kPlainControls; ++index) {
        auto* label = new QLabel(QStringLiteral("Control"), frames[index % 2]);
        label->setGeometry(10 + (index / 2 % 3) * 110, 20 + (index / 6) * 40, 100, 20);
    }
    frames[0]->setGeometry(12, 32, 361, 341);
    frames[1]->setGeometry(12, 32, 361, 341);
    frames[1]->hide();
    return window;
}

std::unique_ptr<QWidget> makeUnwiredWindow(const ui::DriveSource& drives, bool uploadOnView) {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(382, 386);
    // The lists show the start folder's subfolders; reading its files is
    // start-up's work, not the controls'.
    const app::WindowControls controls =
        app::buildControls(window.get(), drives, ui::readFolder(QDir::currentPath(), false));
    if (uploadOnView) {
        controls.up.fraUp->setEnabled(true);
        controls.up.fraUp->show();
    }
    return window;
}

void showAndWait(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) std::abort();
}

}  // namespace quillon::bench
