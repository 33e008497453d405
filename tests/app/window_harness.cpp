#include "window_harness.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/message_box.h"

namespace quillon::testing {

namespace {

QModelIndex entryNamed(const QAbstractItemView& view, const QString& name) {
    const QAbstractItemModel* model = view.model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (index.data().toString() == name) {
            return index;
        }
    }
    return {};
}

bool clickEntry(QAbstractItemView* view, const QString& name) {
    const QModelIndex entry = entryNamed(*view, name);
    if (!entry.isValid() || !view->isVisible()) {
        return false;
    }
    view->scrollTo(entry);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    return true;
}

}  // namespace

TestDrives::TestDrives(QString workRoot, QString spareRoot)
    : workRoot_(std::move(workRoot)), spareRoot_(std::move(spareRoot)) {}

QList<ui::DriveEntry> TestDrives::drives() const {
    return {{QStringLiteral("Work"), workRoot_}, {QStringLiteral("Spare"), spareRoot_}};
}

bool TestDrives::isReady(const ui::DriveEntry& drive) const {
    return drive.root != spareRoot_ || spareReady_;
}

std::string RecordingLauncher::shortPath(const std::string& path) const {
    return QFileInfo::exists(QString::fromStdString(path)) ? path : std::string();
}

platform::LaunchOutcome RecordingLauncher::start(const command::TransferCommand& command) {
    started.push_back(command);
    return outcome;
}

WindowHarness::WindowHarness() : previousFolder_(QDir::currentPath()) {
    QDir(root_.path()).mkpath(QStringLiteral("work"));
    QDir(root_.path()).mkpath(QStringLiteral("spare"));
    // Canonical, so that paths read back from the lists compare equal.
    drives = std::make_unique<TestDrives>(QFileInfo(workFolder()).canonicalFilePath(),
                                          QFileInfo(spareFolder()).canonicalFilePath());
    QDir::setCurrent(workFolder());
    const QString settings = root_.filePath(QStringLiteral("settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    ui::setMessageHook([this](const QString& text) { messages.append(text); });
}

WindowHarness::~WindowHarness() {
    window_.reset();
    ui::setMessageHook({});
    QDir::setCurrent(previousFolder_);
}

app::frmGameLoader& WindowHarness::open() {
    window_.reset();
    window_ = std::make_unique<app::frmGameLoader>(app::Services{store, launcher, *drives});
    window_->show();
    QApplication::setActiveWindow(window_.get());
    (void)QTest::qWaitForWindowActive(window_.get());
    return *window_;
}

QString WindowHarness::makeFolder(const QString& relative) const {
    QDir(workFolder()).mkpath(relative);
    return QFileInfo(QDir(workFolder()).filePath(relative)).canonicalFilePath();
}

QString WindowHarness::makeFile(const QString& relative, qint64 bytes) const {
    const QString path = QDir(workFolder()).filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.resize(bytes);
    }
    return QFileInfo(path).canonicalFilePath();
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

bool clickFile(ui::FileList* list, const QString& name) { return clickEntry(list, name); }

bool openFolder(ui::FolderList* list, const QString& name) {
    if (!clickEntry(list, name)) {
        return false;
    }
    QTest::keyClick(list, Qt::Key_Return);
    return true;
}

bool chooseTab(app::frmGameLoader& window, int index) {
    QTabBar* bar = window.controls().tabTrans->tabBar();
    if (index < 0 || index >= bar->count()) {
        return false;
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    return window.controls().tabTrans->currentIndex() == index;
}

void replaceText(QComboBox* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(box, text);
    }
}

}  // namespace quillon::testing
