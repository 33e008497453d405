#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>

#include "window_harness.h"

using quillon::testing::WindowHarness;

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

// The Tab key's round from `start` back to it, as long as `expected`.
QStringList tabThrough(QWidget* start, qsizetype presses) {
    start->setFocus();
    QStringList visited{focusedControl()};
    while (--presses > 0) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusedControl();
    }
    return visited;
}

// Role, name and the labels related to it, as a screen reader gets them. Qt
// on Linux names a combo box by its text, so there the name set on it counts.
QString accessibleLine(QWidget* control) {
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
    QString line = control->objectName() + " " +
                   QMetaEnum::fromType<QAccessible::Role>().valueToKey(access->role()) + " '" +
                   (access->role() == QAccessible::ComboBox ? control->accessibleName()
                                                            : access->text(QAccessible::Name)) +
                   "'";
    for (const auto& [other, relation] : access->relations(QAccessible::Label)) {
        if (qobject_cast<QLabel*>(other->object())) {  // beside the page's frame
            line += " by " + other->object()->objectName();
        }
    }
    return line;
}

}  // namespace

// The window as the keyboard and assistive technology meet it.
class KeyboardAccessTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        h = std::make_unique<WindowHarness>();
        h->open();
    }
    void cleanup() { h.reset(); }

    // A control left out of the round, in the wrong place, or reachable on
    // the hidden page; a switched-on hex box joins in its place.
    void tabKeyVisitsThePageOnViewInOrder() {
        QStringList round = {"Drive2", "Dir2", "flbOpen", "cmdView1", "chkFast", "cboDouble",
                             "cboLPT", "cboType", "cmdExit", "tabTrans", "chkHexx", "cmdSave1",
                             "Drive2"};
        QCOMPARE(tabThrough(h->find("Drive2"), round.size()), round);
        QVERIFY(h->chooseTab(1));
        h->click("chkHexx2");
        round = {"txtFileInput", "chkHexx2", "chkShortHexx", "cboDouble2", "cboLPT2", "cboType2",
                 "cboConType", "cmdExit2", "tabTrans", "txtHexx2", "Dir1", "Drive1", "cmdSave2",
                 "txtFileInput"};
        QCOMPARE(tabThrough(h->find("txtFileInput"), round.size()), round);
    }

    // Page switching that recomposes, resets or re-evaluates anything, or
    // leaves the hidden page enabled; the selected tab again changes nothing.
    void switchingPagesKeepsEveryValue() {
        h->click("chkHexx");
        h->type("txtHexx", "12");
        h->replaceText("cboLPT", "Port 3");
        QVERIFY(h->chooseTab(1));
        h->type("txtFileInput", "x.bin");
        const QStringList before = h->savedOptions() << h->text("txtFileInput");
        for (int tab : {0, 0, 1}) {
            QVERIFY(h->chooseTab(tab));
            const char* shown = tab == 0 ? "fraUp" : "fraDown";
            const char* hidden = tab == 0 ? "fraDown" : "fraUp";
            QVERIFY2(h->find(shown)->isVisible() && h->enabled(shown), shown);
            QVERIFY2(!h->find(hidden)->isVisible() && !h->enabled(hidden), hidden);
        }
        QCOMPARE(h->savedOptions() << h->text("txtFileInput"), before);
        QVERIFY(!h->window().uploadFlags().hexx && h->window().dumpFlags().select);
    }

    // Alt+S must press only the Save button of the page on view.
    void accessKeysAnswerOnlyOnThePageOnView() {
        QSignalSpy uploadSaves(h->find<QAbstractButton>("cmdSave1"), &QAbstractButton::clicked);
        QSignalSpy dumpSaves(h->find<QAbstractButton>("cmdSave2"), &QAbstractButton::clicked);
        QTest::keyClick(&h->window(), Qt::Key_S, Qt::AltModifier);
        QVERIFY(uploadSaves.wait());
        QCOMPARE(h->store.read("Quillon", "Upload", "Load"), std::string("Yes"));
        QVERIFY(h->chooseTab(1));
        QTest::keyClick(&h->window(), Qt::Key_S, Qt::AltModifier);
        QVERIFY(dumpSaves.wait());
        QCOMPARE(uploadSaves.count(), 1);
        QCOMPARE(h->store.read("Quillon", "Dump", "Load2"), std::string("Yes"));
    }

    // A control without the role, name or label a screen reader needs (the
    // buttons and check boxes are named by their captions); a preview whose
    // spoken line lags behind its text.
    void everyControlHasARoleAndAName() {
        const QStringList expected = {
            "Drive2 ComboBox 'Drive'", "Dir2 List 'Folder'", "flbOpen List 'Files'",
            "txtHexx EditableText 'Write address' by Label1",
            "cboDouble ComboBox 'Double Transfer' by lblDouble1",
            "cboLPT ComboBox 'LPT Port Number' by lblLPT",
            "cboType ComboBox 'Cartridge Type' by lblType",
            "lblscript1 StaticText 'Command preview'", "Drive1 ComboBox 'Drive'",
            "Dir1 List 'Folder'", "txtFileInput EditableText 'Destination file'",
            "txtHexx2 EditableText 'Write address' by lbltemp1",
            "txtShortHexx EditableText 'Bank number' by lbltemp2",
            "cboDouble2 ComboBox 'Double Transfer' by lblDouble2",
            "cboConType ComboBox 'Cartridge code'", "lblscript2 StaticText 'Command preview'"};
        QStringList actual;
        for (const QString& row : expected) {
            actual << accessibleLine(h->find(row.section(' ', 0, 0).toLatin1().constData()));
        }
        QCOMPARE(actual, expected);

        h->click("chkFast");
        QCOMPARE(QAccessible::queryAccessibleInterface(h->find("lblscript1"))
                     ->text(QAccessible::Description),
                 h->text("lblscript1"));
        QVERIFY(h->text("lblscript1").contains("-f"));
    }

    // Either exit closes the window at once, and saves nothing.
    void exitClosesTheWindowWithoutSaving() {
        h->click("chkFast");
        h->click("cmdExit");
        QVERIFY(!h->window().isVisible());
        QCOMPARE(h->store.read("Quillon", "Upload", "Load"), std::string());
        h->open();
        QVERIFY(h->chooseTab(1));
        QTest::keyClick(&h->window(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!h->window().isVisible());
    }

private:
    std::unique_ptr<WindowHarness> h;
};

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
