#include "window_harness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "ui/message_box.h"

namespace quillon::testing {

WindowHarness::WindowHarness() : previousFolder_(QDir::currentPath()) {
    // Canonical roots, so that paths read back from the lists compare equal.
    for (auto [drive, name] : {std::pair{&drives.work, "Work"}, {&drives.spare, "Spare"}}) {
        QDir(root_.path()).mkpath(QString(name).toLower());
        *drive = {name, QFileInfo(root_.filePath(QString(name).toLower())).canonicalFilePath()};
    }
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

app::frmGameLoader& WindowHarness::open(platform::ToolLauncher* tool) {
    window_.reset();
    window_ = std::make_unique<app::frmGameLoader>(
        app::Services{store, tool ? *tool : launcher, drives});
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

QString WindowHarness::text(const char* name) { return shownText(find(name)); }

// Combo boxes first: their current item, not an edit field's text.
QString shownText(const QWidget* control) {
    for (const char* property : {"currentText", "title", "text"}) {
        if (const QVariant value = control->property(property); value.isValid()) {
            return value.toString();
        }
    }
    return {};
}

void WindowHarness::click(const char* name) {
    QWidget* control = find(name);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void WindowHarness::type(const char* name, const QString& keys) {
    find(name)->setFocus();
    QTest::keyClicks(find(name), keys);
}

void WindowHarness::press(const char* name, Qt::Key key) {
    find(name)->setFocus();
    QTest::keyClick(find(name), key);
}

// Typing over the selection, so the control sees one change, not two.
void WindowHarness::replaceText(const char* name, const QString& text) {
    find(name)->setFocus();
    QTest::keyClick(find(name), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(find(name), text.isEmpty() ? QStringLiteral("\b") : text);
}

bool WindowHarness::clickEntry(const char* list, const QString& name) {
    auto* view = find<QAbstractItemView>(list);
    const QModelIndexList hits = view->model()->match(view->model()->index(0, 0),
                                                      Qt::DisplayRole, name, 1, Qt::MatchExactly);
    if (hits.isEmpty() || !view->isVisible()) {
        return false;
    }
    view->scrollTo(hits.front());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(hits.front()).center());
    return true;
}

bool WindowHarness::openFolder(const char* list, const QString& name) {
    const bool found = clickEntry(list, name);
    if (found) {
        press(list, Qt::Key_Return);
    }
    return found;
}

bool WindowHarness::chooseTab(int index) {
    QTabBar* bar = window_->controls().tabTrans->tabBar();
    if (index < 0 || index >= bar->count()) {
        return false;
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    return window_->controls().tabTrans->currentIndex() == index;
}

}  // namespace quillon::testing
