#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "window_harness.h"

using quillon::testing::WindowHarness;
using quillon::testing::click;
using quillon::testing::chooseTab;

namespace {


// The named control that holds the focus (the tab strip's bar, a combo
// box's edit field and a list's viewport answer for their control).
QString focusedControl() {
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_")) {
            return widget->objectName();
        }
    }
    return {};
}

QStringList tabThrough(QWidget* start, int presses) {
    start->setFocus();
    QStringList visited{focusedControl()};
    for (int press = 0; press < presses; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusedControl();
    }
    return visited;
}

}  // namespace

// The window as the keyboard and assistive technology meet it.
class KeyboardAccessTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        harness_ = std::make_unique<WindowHarness>();
        harness_->open();
    }
    void cleanup() { harness_.reset(); }

    void tabKeyVisitsTheUploadPageInOrder() {
        const QStringList expected = {"Drive2",  "Dir2",     "flbOpen", "cmdView1", "chkFast",
                                      "cboDouble", "cboLPT", "cboType", "cmdExit",  "tabTrans",
                                      "chkHexx", "cmdSave1", "Drive2"};
        QCOMPARE(tabThrough(find<QWidget>("Drive2"), expected.size() - 1), expected);
    }

    void tabKeyVisitsTheDownloadPageInOrder() {
        QVERIFY(chooseTab(harness_->window(), 1));
        click(find<QCheckBox>("chkHexx2"));  // its text box joins the round
        const QStringList expected = {"txtFileInput", "chkHexx2", "chkShortHexx", "cboDouble2",
                                      "cboLPT2",      "cboType2", "cboConType",   "cmdExit2",
                                      "tabTrans",     "txtHexx2", "Dir1",         "Drive1",
                                      "cmdSave2",     "txtFileInput"};
        QCOMPARE(tabThrough(find<QWidget>("txtFileInput"), expected.size() - 1), expected);
    }

    void switchingPagesKeepsEveryValue() {
        auto& window = harness_->window();
        click(find<QCheckBox>("chkHexx"));
        QTest::keyClicks(find<QLineEdit>("txtHexx"), "12");
        quillon::testing::replaceText(find<QComboBox>("cboLPT"), "Port 3");
        const QString uploadPreview = find<QLabel>("lblscript1")->text();

        QVERIFY(chooseTab(window, 1));
        QVERIFY(!find<QGroupBox>("fraUp")->isVisible() && !find<QGroupBox>("fraUp")->isEnabled());
        QVERIFY(find<QGroupBox>("fraDown")->isVisible() && find<QGroupBox>("fraDown")->isEnabled());
        QTest::keyClicks(find<QLineEdit>("txtFileInput"), "x.bin");
        const QString dumpPreview = find<QLabel>("lblscript2")->text();

        QVERIFY(chooseTab(window, 0));
        QVERIFY(find<QGroupBox>("fraUp")->isVisible());
        QVERIFY(!find<QGroupBox>("fraDown")->isVisible());
        QVERIFY(!find<QGroupBox>("fraDown")->isEnabled());
        QCOMPARE(find<QLineEdit>("txtHexx")->text(), QString("12"));
        QCOMPARE(find<QComboBox>("cboLPT")->currentText(), QString("Port 3"));
        QCOMPARE(find<QLabel>("lblscript1")->text(), uploadPreview);
        QVERIFY(!window.uploadFlags().hexx);

        // The tab already selected changes nothing.
        QVERIFY(chooseTab(window, 0));
        QVERIFY(find<QGroupBox>("fraUp")->isVisible());
        QVERIFY(chooseTab(window, 1));
        QCOMPARE(find<QLineEdit>("txtFileInput")->text(), QString("x.bin"));
        QCOMPARE(find<QLabel>("lblscript2")->text(), dumpPreview);
        QVERIFY(window.dumpFlags().select);
    }

    void accessKeysAnswerOnlyOnThePageOnView() {
        QSignalSpy uploadSaves(find<QPushButton>("cmdSave1"), &QPushButton::clicked);
        QSignalSpy dumpSaves(find<QPushButton>("cmdSave2"), &QPushButton::clicked);
        QTest::keyClick(&harness_->window(), Qt::Key_S, Qt::AltModifier);
        QVERIFY(uploadSaves.wait());
        QCOMPARE(dumpSaves.count(), 0);
        QCOMPARE(harness_->store.read("Quillon", "Upload", "Load"), std::string("Yes"));
        QCOMPARE(harness_->store.read("Quillon", "Dump", "Load2"), std::string());

        QVERIFY(chooseTab(harness_->window(), 1));
        QTest::keyClick(&harness_->window(), Qt::Key_S, Qt::AltModifier);
        QVERIFY(dumpSaves.wait());
        QCOMPARE(uploadSaves.count(), 1);
        QCOMPARE(harness_->store.read("Quillon", "Dump", "Load2"), std::string("Yes"));
    }

    void everyControlHasARoleAndAName_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("label");  // the label reported beside it, if any
        const auto row = [](const char* control, const char* name, QAccessible::Role role,
                            const char* label = "") {
            QTest::newRow(control) << control << name << int(role) << label;
        };
        row("Drive2", "Drive", QAccessible::ComboBox);
        row("Dir2", "Folder", QAccessible::List);
        row("flbOpen", "Files", QAccessible::List);
        row("cmdPlay", "Upload Rom", QAccessible::Button);
        row("cmdExit", "Exit", QAccessible::Button);
        row("cmdView1", "Click to See All Files", QAccessible::Button);
        row("chkFast", "Fast Transfer", QAccessible::CheckBox);
        row("chkHexx", "Writeaddress", QAccessible::CheckBox);
        row("txtHexx", "Write address", QAccessible::EditableText, "Label1");
        row("cboDouble", "Double Transfer", QAccessible::ComboBox, "lblDouble1");
        row("cboLPT", "LPT Port Number", QAccessible::ComboBox, "lblLPT");
        row("cboType", "Cartridge Type", QAccessible::ComboBox, "lblType");
        row("cmdSave1", "Save Settings", QAccessible::Button);
        row("lblscript1", "Command preview", QAccessible::StaticText);
        row("Drive1", "Drive", QAccessible::ComboBox);
        row("Dir1", "Folder", QAccessible::List);
        row("txtFileInput", "Destination file", QAccessible::EditableText);
        row("txtHexx2", "Write address", QAccessible::EditableText, "lbltemp1");
        row("txtShortHexx", "Bank number", QAccessible::EditableText, "lbltemp2");
        row("cboDouble2", "Double Transfer", QAccessible::ComboBox, "lblDouble2");
        row("cboConType", "Cartridge code", QAccessible::ComboBox);
        row("chkAlternate2", "Alternate Mode", QAccessible::CheckBox);
        row("cmdPlay2", "Dump Rom", QAccessible::Button);
        row("lblscript2", "Command preview", QAccessible::StaticText);
    }

    void everyControlHasARoleAndAName() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QString, label);
        auto* widget = find<QWidget>(control.toLatin1().constData());
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(access);
        QCOMPARE(int(access->role()), role);
        // Qt on Linux names a combo box by its text and tells its label by a
        // relation; elsewhere the name set on it is what is read.
        if (role == QAccessible::ComboBox) {
            QCOMPARE(widget->accessibleName(), name);
        } else {
            QCOMPARE(access->text(QAccessible::Name), name);
        }
        if (!label.isEmpty()) {
            // Beside the frame, whose caption labels all of its page.
            QStringList labelling;
            for (const auto& [other, relation] : access->relations(QAccessible::Label)) {
                labelling << other->object()->objectName();
            }
            QVERIFY2(labelling.contains(label), qPrintable(labelling.join(' ')));
        }
    }

    void previewsExposeTheirLine() {
        click(find<QCheckBox>("chkFast"));
        auto* preview = find<QLabel>("lblscript1");
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(preview);
        QCOMPARE(access->text(QAccessible::Description), preview->text());
        QVERIFY(preview->text().contains("-f"));
        QVERIFY(preview->textInteractionFlags() & Qt::TextSelectableByMouse);
    }

    void exitClosesTheWindowWithoutSaving() {
        click(find<QCheckBox>("chkFast"));
        click(find<QPushButton>("cmdExit"));
        QVERIFY(!harness_->window().isVisible());
        QCOMPARE(harness_->store.read("Quillon", "Upload", "Load"), std::string());
    }

    void exitOnTheDownloadPageClosesItToo() {
        QVERIFY(chooseTab(harness_->window(), 1));
        QTest::keyClick(&harness_->window(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!harness_->window().isVisible());
    }

private:
    template <typename Widget>
    Widget* find(const char* name) {
        return harness_->find<Widget>(name);
    }

    std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
