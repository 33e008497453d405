#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <optional>

#include "window_harness.h"

using quillon::settings::textOf;

namespace {

// The named control holding the focus (a tab bar, edit field or viewport answers for it).
QString focusedControl() {
    QWidget* widget = QApplication::focusWidget();
    while (widget && (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_"))) {
        widget = widget->parentWidget();
    }
    return widget ? widget->objectName() : QString();
}

// The name a screen reader gets. Qt on Linux names a combo box by its text, which may be empty
// or anything typed, so there the name set on it counts.
QString spokenName(QWidget* control) {
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
    return access->role() == QAccessible::ComboBox ? control->accessibleName()
                                                   : access->text(QAccessible::Name);
}

}  // namespace

// The window as the keyboard and assistive technology meet it.
class KeyboardAccessTest : public QObject {
    Q_OBJECT
private slots:
    void init() { h.emplace().open(); }
    void cleanup() { h.reset(); }

    // A control out of the Tab round or out of place, the hidden page reachable.
    void tabKeyVisitsThePageOnViewInOrder() {
        for (const QStringList& round :
             {QStringList{"Drive2", "Dir2", "flbOpen", "cmdView1", "chkFast", "cboDouble", "cboLPT",
                          "cboType", "cmdExit", "tabTrans", "chkHexx", "cmdSave1"},
              {"txtFileInput", "chkHexx2", "chkShortHexx", "cboDouble2", "cboLPT2", "cboType2",
               "cboConType", "cmdExit2", "tabTrans", "txtHexx2", "Dir1", "Drive1", "cmdSave2"}}) {
            if (round.front() == "txtFileInput") {
                QVERIFY(h->chooseTab(1));
                h->click("chkHexx2");
            }
            h->find(round.front().toLatin1().constData())->setFocus();
            QStringList visited;
            for (qsizetype step = 0; step <= round.size(); ++step) {
                visited << focusedControl();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QCOMPARE(visited, round + QStringList{round.front()});
        }
    }

    // Page switching that resets or re-evaluates anything, or leaves the hidden page enabled.
    void switchingPagesKeepsEveryValue() {
        h->click("chkHexx");
        h->type("txtHexx", "12");
        h->replaceText("cboLPT", "Port 3");
        QVERIFY(h->chooseTab(1));
        h->type("txtFileInput", "x.bin");
        const QStringList before = h->savedOptions() << h->text("txtFileInput");
        for (int tab : {0, 0, 1}) {
            QVERIFY(h->chooseTab(tab));
            QVERIFY(h->find("fraUp")->isVisible() == (tab == 0) && h->enabled("fraUp") == !tab);
            QVERIFY(h->find("fraDown")->isVisible() == (tab == 1) && h->enabled("fraDown") == tab);
        }
        h->press("tabTrans", Qt::Key_PageUp, Qt::ControlModifier);  // the strip's own key
        QVERIFY(h->find("fraUp")->isVisible() && !h->find("fraDown")->isVisible());
        QCOMPARE(h->savedOptions() << h->text("txtFileInput"), before);
        QVERIFY(!h->window().upload().flags().hexx && h->window().dump().flags().select);
    }

    // Alt+S pressing the hidden page's Save; a Save that writes another page, misses a control
    // or is not read back; an exit that saves or does not close.
    void accessKeysSaveOnlyThePageOnView() {
        h->click("chkHexx");  // and not Fast: two switches saved crossed would show
        h->type("txtHexx", "80");
        h->replaceText("cboType", "linear");
        QTest::keyClick(&h->window(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(textOf(h->store.readSection("Upload"), "Load"), std::string("Yes"));
        QCOMPARE(textOf(h->store.readSection("Dump"), "Load2"), std::string());
        QVERIFY(h->chooseTab(1));
        h->replaceText("cboConType", "26FA");
        h->click("chkAlternate2");
        h->click("chkShortHexx");
        h->type("txtShortHexx", "0A");
        QTest::keyClick(&h->window(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(textOf(h->store.readSection("Dump"), "Load2"), std::string("Yes"));
        const QStringList saved = h->savedOptions();
        h->click("chkHexx2");  // changes neither Save nor Exit may keep
        QVERIFY(h->chooseTab(0));
        h->click("chkFast");
        QTest::keyClick(&h->window(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!h->window().isVisible());
        auto& second = h->open();
        QCOMPARE(h->savedOptions(), saved);
        QVERIFY(!second.upload().flags().hexx && second.dump().flags().shortHexx);  // 2/4, 2/2
        QVERIFY(h->chooseTab(1));
        h->click("cmdExit2");
        QVERIFY(!h->window().isVisible());
    }

    // A control a screen reader announces as nothing or only by its page's caption (an empty
    // label, a combo box, a list, a hex box), or a spoken preview lagging behind the one on view.
    void everyControlOnViewHasAName() {
        h->click("chkHexx");
        for (const char* frame : {"fraUp", "fraDown"}) {
            QVERIFY(h->chooseTab(frame == QLatin1String("fraUp") ? 0 : 1));
            for (QWidget* control : h->find(frame)->findChildren<QWidget*>()) {
                const bool announced = control->focusPolicy() != Qt::NoFocus ||
                                       qobject_cast<QLabel*>(control) != nullptr;
                if (announced && control->isVisible() && !control->objectName().isEmpty() &&
                    !control->objectName().startsWith("qt_")) {
                    const QString name = spokenName(control).trimmed();
                    QVERIFY2(!name.isEmpty() && name != h->text(frame),
                             qPrintable(control->objectName() + " '" + name + "'"));
                }
            }
        }
        QVERIFY(h->chooseTab(0));
        h->click("chkFast");
        auto* preview = QAccessible::queryAccessibleInterface(h->find("lblscript1"));
        QCOMPARE(preview->text(QAccessible::Description), h->text("lblscript1"));
        QVERIFY(h->text("lblscript1").contains("-f"));
    }

private:
    std::optional<quillon::testing::WindowHarness> h;
};

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
