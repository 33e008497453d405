#include "window_harness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QTabBar>
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
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root_.filePath("settings")));
    ui::setMessageHook([this](const QString& text) { messages.append(text); });
    ui::setChoiceHook([this](const QString& text, const QStringList& buttons) {
        messages.append(text + " [" + buttons.join('|') + "]");
        return answers.isEmpty() ? buttons.back() : answers.takeFirst();
    });
#ifdef _WIN32
    portSource = "HKEY_CURRENT_USER\\Software\\Quillon tests\\no such key";
#else
    portSource = root_.filePath("no-ports").toStdString();
#endif
}

WindowHarness::~WindowHarness() {
    window_.reset();
    ui::setMessageHook({});
    ui::setChoiceHook({});
    qunsetenv("XDG_CONFIG_HOME");
    QDir::setCurrent(previousFolder_);
}

app::frmGameLoader& WindowHarness::open(platform::ToolLauncher* tool) {
    window_.reset();
    window_ = std::make_unique<app::frmGameLoader>(
        app::Services{store, tool ? *tool : launcher, drives, portSource});
    window_->show();
    QApplication::setActiveWindow(window_.get());
    (void)QTest::qWaitForWindowActive(window_.get());
    return *window_;
}

QString WindowHarness::make(const QString& relative, qint64 bytes) {
    QFile file(workFolder() + "/" + relative);
    const bool made = bytes < 0 ? QDir().mkpath(file.fileName())
                                : QDir().mkpath(QFileInfo(file).path()) &&
                                      file.open(QIODevice::WriteOnly) && file.resize(bytes);
    return made ? file.fileName() : QString();
}

// Combo boxes first: their current item, not an edit field's text.
QString WindowHarness::text(const char* name) {
    for (const char* property : {"currentText", "title", "text"}) {
        if (const QVariant value = find(name)->property(property); value.isValid()) {
            return value.toString();
        }
    }
    return {};
}

QStringList WindowHarness::describe(const QStringList& rows) {
    QStringList lines;
    for (const QString& row : rows) {
        const QByteArray name = row.section(' ', 0, 0).toLatin1();
        const QWidget* control = find(name.constData());
        if (!control) {
            lines << name + " missing";
            continue;
        }
        QString line = name + " '" + text(name.constData()) + "'";
        line += control->isHidden() ? " hidden" : "";
        line += control->testAttribute(Qt::WA_ForceDisabled) ? " disabled" : "";
        line += control->property("checked").toBool() ? " checked" : "";
        if (auto* combo = qobject_cast<const QComboBox*>(control)) {
            QStringList items;
            for (int index = 0; index < combo->count(); ++index) {
                items << combo->itemText(index);
            }
            line += (combo->isEditable() ? " [" : " fixed [") + items.join('|') + "]";
        }
        lines << line;
    }
    return lines;
}

QStringList WindowHarness::savedOptions() {
    return describe({"chkFast", "chkHexx", "txtHexx", "cboDouble", "cboLPT", "cboType",
                     "chkAlternate2", "chkHexx2", "txtHexx2", "chkShortHexx", "txtShortHexx",
                     "cboDouble2", "cboLPT2", "cboType2", "cboConType", "lblscript1",
                     "lblscript2"});
}

void WindowHarness::click(const char* name) {
    QTest::mouseClick(find(name), Qt::LeftButton, {}, find(name)->rect().center());
}

void WindowHarness::type(const char* name, const QString& keys) {
    QWidget* widget = find(name);
    widget->setFocus();
    // Qt Test names keys for ASCII only; any other character arrives as a key without a name
    // that carries its text, as an input method or a keyboard layout of its own delivers it.
    for (const QChar character : keys) {
        if (character.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(character));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), {});
        }
    }
}

void WindowHarness::press(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    find(name)->setFocus();
    QTest::keyClick(find(name), key, modifiers);
}

void WindowHarness::replaceText(const char* name, const QString& text) {
    press(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(find(name), text.isEmpty() ? QStringLiteral("\b") : text);
}

bool WindowHarness::clickEntry(const char* list, const QString& name, bool thenEnter) {
    auto* view = find<QAbstractItemView>(list);
    const QModelIndexList hits = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole,
                                                      name, 1, Qt::MatchExactly);
    if (hits.isEmpty() || !view->isVisible()) {
        return false;
    }
    view->scrollTo(hits.front());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(hits.front()).center());
    if (thenEnter) {
        press(list, Qt::Key_Return);
    }
    return true;
}

bool WindowHarness::chooseTab(int index) {
    auto* bar = find<QTabBar>("tabTrans");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    return bar->currentIndex() == index;
}

QMenu* WindowHarness::openMenu(const char* preview) {
    QWidget* label = find(preview);
    QContextMenuEvent event(QContextMenuEvent::Mouse, {}, label->mapToGlobal(QPoint()));
    QApplication::sendEvent(label, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

bool WindowHarness::chooseFromMenu(const char* preview, const QString& item) {
    QMenu* menu = openMenu(preview);
    for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
        if (action->text() == item) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return true;
        }
    }
    if (menu) menu->close();
    return false;
}

}  // namespace quillon::testing
