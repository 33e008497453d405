#include "app/frm_game_loader.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>

#include "app/controls.h"
#include "app/dump_page.h"
#include "app/file_check.h"
#include "app/run_here.h"
#include "app/upload_page.h"
#include "settings/identity.h"
#include "ui/folder_entries.h"
#include "ui/twips.h"

namespace quillon::app {

namespace {

// The layout's outer size, 5850 x 6165 twips, less a fixed single border
// and a caption bar: what the window system adds around it.
constexpr int kClientWidthTwips = 5730;
constexpr int kClientHeightTwips = 5790;

constexpr int kUploadTab = 0;
constexpr int kDownloadTab = 1;

}  // namespace

frmGameLoader::frmGameLoader(Services services, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmGameLoader"));
    setWindowTitle(QString::fromUtf8(settings::kWindowTitle));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    // Both folder lists and the file list start in the program's current
    // folder: it is read once for all three, files included.
    const WindowControls controls =
        buildControls(this, services.drives, ui::readFolder(QDir::currentPath(), true));
    tabTrans_ = controls.tabTrans;
    // Each page connects its handlers as it is made: start-up restores the
    // saved options through the controls and relies on them.
    runHere_ = new RunHere(services.store, services.portSource, this);
    // A dump that ran here and ended well is checked at once.
    connect(
        runHere_, &RunHere::fileWritten, this,
        [this, &store = services.store](const QString& path) { openFileCheck(this, store, path); });
    upload_ = new UploadPage(controls.up, services.store, services.launcher, *runHere_, this);
    dump_ = new DumpPage(controls.down, services.store, services.launcher, *runHere_, this);
    connect(tabTrans_, &QTabBar::currentChanged, this, &frmGameLoader::tabTrans_Click);
    connect(controls.up.cmdExit, &QPushButton::clicked, this, &frmGameLoader::cmdExit_Click);
    connect(controls.down.cmdExit2, &QPushButton::clicked, this, &frmGameLoader::cmdExit2_Click);
    Form_Load();
}

// Start-up, step by step. None of the steps throws: one the system cannot
// carry out (a drive not ready, a folder that cannot be read, a missing
// saved value) leaves its control as it was, and the next step runs. The
// restores go through the controls, so that their handlers bring flags,
// buttons and previews into step with the saved values.
void frmGameLoader::Form_Load() {
    upload_->showAtariFilesView();
    upload_->showPage();
    setFixedSize(ui::twipsSize(kClientWidthTwips, kClientHeightTwips));
    dump_->placeOver(upload_->controls().fraUp);
    upload_->disableAction();
    dump_->disableAction();
    upload_->noteDrive();
    dump_->noteDrive();
    upload_->resetFlags();
    dump_->resetFlags();
    upload_->LabelChange1();
    dump_->LabelChange2();
    dump_->disableAlternateMode();
    upload_->showStartFolderFiles();
    upload_->restore();
    dump_->restore();
    upload_->CheckAll1();
}

void frmGameLoader::openRom(const QString& path) { upload_->openRom(path); }

// Two independent tests, so that the page of whichever tab is selected ends
// on view; nothing is recomposed or re-evaluated.
void frmGameLoader::tabTrans_Click() {
    QGroupBox* upload = upload_->controls().fraUp;
    QGroupBox* download = dump_->controls().fraDown;
    if (tabTrans_->currentIndex() == kDownloadTab) {
        upload->hide();
        upload->setEnabled(false);
        download->setEnabled(true);
        download->show();
    }
    if (tabTrans_->currentIndex() == kUploadTab) {
        download->hide();
        download->setEnabled(false);
        upload->setEnabled(true);
        upload->show();
    }
}

// While the tab strip has the focus, Ctrl+Tab and Ctrl+PgDown choose the next
// tab and Ctrl+Shift+Tab and Ctrl+PgUp the previous one, as in a tab widget;
// a bare tab bar answers only the arrow keys and passes these on to us.
void frmGameLoader::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    if (event->modifiers().testFlag(Qt::ControlModifier) && tabTrans_->hasFocus()) {
        const int key = event->key();
        step = key == Qt::Key_Tab || key == Qt::Key_PageDown     ? 1
               : key == Qt::Key_Backtab || key == Qt::Key_PageUp ? -1
                                                                 : 0;
    }
    if (step == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int tabs = tabTrans_->count();
    tabTrans_->setCurrentIndex((tabTrans_->currentIndex() + step + tabs) % tabs);
}

void frmGameLoader::closeEvent(QCloseEvent* event) {
    if (runHere_->mayClose([this] { close(); })) {
        event->accept();
    } else {
        event->ignore();
    }
}

void frmGameLoader::cmdExit_Click() { quit(); }

void frmGameLoader::cmdExit2_Click() { quit(); }

// Both exit buttons end the program. Nothing is saved on exit; tools started
// in a terminal keep running. One running here is stopped first when the
// user agrees, else nothing closes.
void frmGameLoader::quit() {
    if (close()) {
        QCoreApplication::quit();
    }
}

}  // namespace quillon::app
