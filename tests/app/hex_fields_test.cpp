#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "window_harness.h"

namespace {

// Notes the preview each time the window recomposes it (every composition
// sets the label's tooltip, which the label hears at once), so a test sees
// the lines composed in the middle of one key press.
struct PreviewRecorder final : QObject {
    explicit PreviewRecorder(QLabel* preview) { preview->installEventFilter(this); }
    bool eventFilter(QObject* preview, QEvent* event) override {
        if (event->type() == QEvent::ToolTipChange) {
            lines.append(static_cast<QLabel*>(preview)->text());
        }
        return false;
    }
    QStringList lines;
};

}  // namespace

class HexFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        h = std::make_unique<quillon::testing::WindowHarness>();
        h->open();
    }
    void cleanup() { h.reset(); }

    // A box wired to another field's filter or length, or a key turned into
    // the wrong character: "İ" (U+0130) would pass as "0" if cut to a byte.
    void eachBoxFiltersItsKeysAndStopsAtItsLength() {
        for (const auto& [box, kept] : {std::pair{"txtHexx", "0aF9"}, {"txtHexx2", "0aF9"},
                                        {"txtShortHexx", "0a"}}) {
            QLineEdit* edit = switchOn(box);
            for (const QChar character : QStringLiteral("g0-\u0130a$ F97")) {
                const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
                QTest::sendKeyEvent(QTest::Click, edit, key, QString(character), Qt::NoModifier);
            }
            QCOMPARE(QString(box) + "=" + edit->text(), QString(box) + "=" + kept);
        }
    }

    // Control characters (Ctrl+A would select all for the "1" to replace,
    // Ctrl+V paste, Ctrl+X cut) are dropped like any key that is no hex
    // digit, while Backspace and the keys that type nothing still edit.
    void editingKeysWorkAndControlCharactersAreDropped() {
        switchOn("txtHexx2");
        QApplication::clipboard()->setText("12");
        h->type("txtHexx2", "C00");
        for (const auto& [key, modifier] :
             {std::pair{Qt::Key_Home, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
              {Qt::Key_End, Qt::NoModifier}, {Qt::Key_A, Qt::ControlModifier},
              {Qt::Key_1, Qt::NoModifier}, {Qt::Key_V, Qt::ControlModifier},
              {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_Backspace, Qt::NoModifier}}) {
            QTest::keyClick(h->find("txtHexx2"), key, modifier);
        }
        QCOMPARE(h->text("txtHexx2"), QString("00"));
    }

    // The key handler evaluates and previews the text as it stood before the
    // key, the change handler after it; the flag follows the count both ways.
    void aKeyPreviewsTheTextBeforeItThenAfterIt() {
        auto& window = h->window();
        switchOn("txtHexx");
        h->type("txtHexx", "12A");
        QVERIFY(!window.uploadFlags().hexx);
        PreviewRecorder recorder(h->find<QLabel>("lblscript1"));
        h->type("txtHexx", "b");
        const QString folder = h->workFolder() + "/";
        QCOMPARE(recorder.lines, (QStringList{"cartpipe      -w12A " + folder,
                                              "cartpipe      -w12Ab " + folder}));
        QVERIFY(window.uploadFlags().hexx && !h->enabled("cmdPlay"));  // no ROM chosen
        recorder.lines.clear();
        h->type("txtHexx", "z");  // dropped: one preview, of the text as it stands
        QCOMPARE(recorder.lines, QStringList{"cartpipe      -w12Ab " + folder});
        h->press("txtHexx", Qt::Key_Backspace);
        QVERIFY(!window.uploadFlags().hexx);
    }

    // Switching on shows the box over its hint and, with too few characters,
    // leaves the previews; only the bank number takes the focus.
    void switchingOnShowsTheBoxOverItsHint() {
        const QString previews = h->text("lblscript1") + h->text("lblscript2");
        for (const auto& [box, hint, focused] :
             {std::tuple{"txtHexx", "Label1", "chkHexx"}, {"txtHexx2", "lbltemp1", "chkHexx2"},
              {"txtShortHexx", "lbltemp2", "txtShortHexx"}}) {
            QWidget* page = h->find(box)->parentWidget();
            const QPoint middle = h->find(box)->geometry().center();
            QCOMPARE(page->childAt(middle), h->find(hint));
            switchOn(box);
            QVERIFY2(h->find(box)->isAncestorOf(page->childAt(middle)), box);
            QCOMPARE(QApplication::focusWidget(), h->find(focused));
        }
        QCOMPARE(h->text("lblscript1") + h->text("lblscript2"), previews);
    }

    // Switching off hides the box but keeps its text and flag; switching on
    // again counts the text.
    void switchingOffKeepsTheTextAndOnAgainCountsIt() {
        switchOn("txtHexx2");
        h->type("txtHexx2", "C000");
        h->click("chkHexx2");
        QVERIFY(h->find("txtHexx2")->isHidden() && !h->enabled("txtHexx2"));
        QVERIFY(h->text("txtHexx2") == "C000" && h->window().dumpFlags().hexx);
        QCOMPARE(h->text("lblscript2"), QString("cartpipe        -tTEST "));
        h->click("chkHexx2");
        QVERIFY(h->window().dumpFlags().hexx);
        QCOMPARE(h->text("lblscript2"), QString("cartpipe       -wC000 -tTEST "));
    }

    // Text that comes in by the box's own menu bypasses the key filter and
    // still counts, by its length only.
    void pastedTextCountsOnlyByItsLength() {
        QLineEdit* edit = switchOn("txtHexx2");
        QApplication::clipboard()->setText("ZZZZZZ");
        const QPoint middle = edit->rect().center();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, middle, edit->mapToGlobal(middle));
        QApplication::sendEvent(edit, &rightClick);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_P);  // Paste
        QVERIFY(edit->text() == "ZZZZ" && h->window().dumpFlags().hexx);
        QCOMPARE(h->text("lblscript2"), QString("cartpipe       -wZZZZ -tTEST "));
    }

private:
    // Shows the box's page and ticks its option by mouse; the box.
    QLineEdit* switchOn(const char* box) {
        const QByteArray option = QByteArray(box).replace("txt", "chk");
        if (!h->find(option.constData())->isVisible()) {
            (void)h->chooseTab(1);
        }
        h->click(option.constData());
        return h->find<QLineEdit>(box);
    }

    std::unique_ptr<quillon::testing::WindowHarness> h;
};

QTEST_MAIN(HexFieldsTest)
#include "hex_fields_test.moc"
