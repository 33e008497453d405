#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "window_harness.h"

using quillon::testing::WindowHarness;
using quillon::testing::click;

namespace {

// Notes the preview each time the window recomposes it (every composition
// sets the label's tooltip, which the label hears at once), so a test sees
// the lines composed in the middle of one key press.
class PreviewRecorder final : public QObject {
public:
    explicit PreviewRecorder(QLabel* preview) : preview_(preview) {
        preview->installEventFilter(this);
    }
    QStringList lines;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == preview_ && event->type() == QEvent::ToolTipChange) {
            lines.append(preview_->text());
        }
        return false;
    }

private:
    QLabel* preview_;
};

struct Field {
    const char* check;
    const char* box;
    const char* preview;
    int page;  // the tab the field is on
};

Field fieldNamed(const QString& box) {
    if (box == "txtHexx") {
        return {"chkHexx", "txtHexx", "lblscript1", 0};
    }
    if (box == "txtHexx2") {
        return {"chkHexx2", "txtHexx2", "lblscript2", 1};
    }
    return {"chkShortHexx", "txtShortHexx", "lblscript2", 1};
}

// Types each character as a key of its own; QTest's own helper takes ASCII only.
void typeCharacters(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(character), Qt::NoModifier);
    }
}


}  // namespace

class HexFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        harness_ = std::make_unique<WindowHarness>();
        harness_->open();
    }
    void cleanup() { harness_.reset(); }

    void keyFilterLetsOnlyTheFieldsCharactersThrough_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("passes");
        for (const char* box : {"txtHexx", "txtHexx2", "txtShortHexx"}) {
            const auto row = [box](const char* typed, bool passes) {
                QTest::addRow("%s %s", box, typed) << box << typed << passes;
            };
            row("0", true);
            row("9", true);
            row("a", true);
            row("F", true);
            row("f", true);
            // Only hexadecimal letters, also in the upload write address.
            row("G", false);
            row("g", false);
            row("H", false);
            row(" ", false);
            row("-", false);
            row("+", false);
            row(".", false);
            row("$", false);
            row("&", false);
            row("\xc3\xa4", false);  // a letter beyond ASCII
        }
    }

    void keyFilterLetsOnlyTheFieldsCharactersThrough() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, passes);
        QLineEdit* edit = switchOn(fieldNamed(box));
        typeCharacters(edit, typed);
        QCOMPARE(edit->text(), passes ? typed : QString());
    }

    void enterAndControlCharactersAreDiscarded() {
        QLineEdit* edit = switchOn(fieldNamed("txtHexx"));
        QApplication::clipboard()->setText("12");
        QTest::keyClicks(edit, "12");
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Escape);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);  // paste
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);  // select all ...
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);  // ... and cut
        QCOMPARE(edit->text(), QString("12"));
    }

    void keysThatTypeNothingStillEdit() {
        QLineEdit* edit = switchOn(fieldNamed("txtHexx2"));
        QTest::keyClicks(edit, "C00");
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, "1");
        QCOMPARE(edit->text(), QString("001"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString("00"));
    }

    void maximumLengthRefusesFurtherKeys_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("upload write") << "txtHexx" << "12Ab5" << "12Ab";
        QTest::newRow("dump write") << "txtHexx2" << "C0001" << "C000";
        QTest::newRow("bank") << "txtShortHexx" << "1F2" << "1F";
    }

    void maximumLengthRefusesFurtherKeys() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QLineEdit* edit = switchOn(fieldNamed(box));
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), kept);
    }

    void writeAddressKeepsTheUploadFlagAndButtonInStep() {
        auto& window = harness_->window();
        QLineEdit* edit = switchOn(fieldNamed("txtHexx"));
        QVERIFY(!window.uploadFlags().hexx);
        for (const char* key : {"1", "2", "A"}) {
            QTest::keyClicks(edit, key);
            QVERIFY(!window.uploadFlags().hexx);
        }
        QTest::keyClicks(edit, "b");
        QVERIFY(window.uploadFlags().hexx);
        // No ROM is chosen, so the button stays off all the same.
        QVERIFY(!harness_->find<QPushButton>("cmdPlay")->isEnabled());
        QTest::keyClick(edit, Qt::Key_Backspace);
        QVERIFY(!window.uploadFlags().hexx);
    }

    void aKeyPreviewsTheTextBeforeItThenAfterIt() {
        QLineEdit* edit = switchOn(fieldNamed("txtHexx"));
        QTest::keyClicks(edit, "12A");
        PreviewRecorder recorder(harness_->find<QLabel>("lblscript1"));
        QTest::keyClicks(edit, "b");
        const QString folder = harness_->workFolder() + "/";
        QCOMPARE(recorder.lines, (QStringList{"cartpipe      -w12A " + folder,
                                              "cartpipe      -w12Ab " + folder}));

        // A discarded key previews once, with the text as it stands.
        recorder.lines.clear();
        QTest::keyClicks(edit, "z");
        QCOMPARE(recorder.lines, QStringList{"cartpipe      -w12Ab " + folder});
    }

    void switchingOnWithTooFewCharactersLeavesThePreview() {
        auto* preview = harness_->find<QLabel>("lblscript1");
        const QString before = preview->text();
        QLineEdit* edit = switchOn(fieldNamed("txtHexx"));
        QVERIFY(edit->isVisible() && edit->isEnabled());
        QCOMPARE(preview->text(), before);
        // The write address leaves the focus on its check box.
        QCOMPARE(QApplication::focusWidget(), harness_->find<QWidget>("chkHexx"));
    }

    void switchingOffKeepsTheTextAndOnAgainCountsIt() {
        auto& window = harness_->window();
        const Field field = fieldNamed("txtHexx2");
        QLineEdit* edit = switchOn(field);
        QTest::keyClicks(edit, "C000");
        QVERIFY(window.dumpFlags().hexx);

        auto* option = harness_->find<QCheckBox>(field.check);
        click(option);
        QVERIFY(edit->isHidden() && !edit->isEnabled());
        QCOMPARE(edit->text(), QString("C000"));
        QVERIFY(window.dumpFlags().hexx);
        QCOMPARE(harness_->find<QLabel>("lblscript2")->text(), QString("cartpipe        -tTEST "));

        click(option);
        QVERIFY(window.dumpFlags().hexx);
        QCOMPARE(harness_->find<QLabel>("lblscript2")->text(),
                 QString("cartpipe       -wC000 -tTEST "));
    }

    void bankNumberTakesTheFocusWhenSwitchedOn() {
        QLineEdit* edit = switchOn(fieldNamed("txtShortHexx"));
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClicks(edit, "1");
        QVERIFY(!harness_->window().dumpFlags().shortHexx);
        QTest::keyClicks(edit, "F");
        QVERIFY(harness_->window().dumpFlags().shortHexx);
    }

    void pastedTextCountsOnlyByItsLength() {
        const Field field = fieldNamed("txtHexx2");
        QLineEdit* edit = switchOn(field);
        QApplication::clipboard()->setText("ZZZZZZ");

        // The box's own menu, as a right click opens it; "P" picks Paste.
        const QPoint middle = edit->rect().center();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, middle, edit->mapToGlobal(middle));
        QApplication::sendEvent(edit, &rightClick);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_P);

        QCOMPARE(edit->text(), QString("ZZZZ"));
        QVERIFY(harness_->window().dumpFlags().hexx);
        QCOMPARE(harness_->find<QLabel>("lblscript2")->text(),
                 QString("cartpipe       -wZZZZ -tTEST "));
    }

private:
    // Shows the field's page and ticks its option by mouse; the box.
    QLineEdit* switchOn(const Field& field) {
        if (field.page != 0 && !quillon::testing::chooseTab(harness_->window(), field.page)) {
            return nullptr;
        }
        click(harness_->find<QCheckBox>(field.check));
        return harness_->find<QLineEdit>(field.box);
    }

    std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(HexFieldsTest)
#include "hex_fields_test.moc"
