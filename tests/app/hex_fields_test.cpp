#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextDocument>
#include <optional>

#include "window_harness.h"

// Every composition of the preview, heard by the tooltip each one sets: mid-key lines too.
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

class HexFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { h.emplace().open(); }
    void cleanup() { h.reset(); }

    // Another box's filter or length, "İ" (U+0130) cut to "0", Ctrl+A/V/X let in, an editing
    // key blocked, a box not over its hint or its hint peeking out beside it (the hint not back
    // when the box goes), focus taken by other than the bank number.
    void eachBoxFiltersItsKeysAndStopsAtItsLength() {
        for (const auto& [box, kept, hint, focused] :
             {std::tuple{"txtHexx", "0aF9", "Label1", "chkHexx"},
              {"txtHexx2", "0aF9", "lbltemp1", "chkHexx2"},
              {"txtShortHexx", "0a", "lbltemp2", "txtShortHexx"}}) {
            QWidget* page = h->find(box)->parentWidget();
            const QPoint middle = h->find(box)->geometry().center();
            QCOMPARE(page->childAt(middle), h->find(hint));
            const QString previews = h->text("lblscript1") + h->text("lblscript2");
            QLineEdit* edit = switchOn(box);
            QCOMPARE(h->text("lblscript1") + h->text("lblscript2"), previews);  // too few digits
            QVERIFY2(edit->isAncestorOf(page->childAt(middle)), box);
            QVERIFY2(h->find(hint)->isHidden(), hint);
            QCOMPARE(QApplication::focusWidget(), h->find(focused));
            for (const QChar character : QStringLiteral("g0-\u0130a$ F97")) {
                const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
                QTest::sendKeyEvent(QTest::Click, edit, key, QString(character), Qt::NoModifier);
            }
            QCOMPARE(QString(box) + "=" + edit->text(), QString(box) + "=" + kept);
            h->click(QByteArray(box).replace("txt", "chk").constData());
            QCOMPARE(page->childAt(middle), h->find(hint));
            switchOn(box);
        }
        QApplication::clipboard()->setText("12");
        for (const char* keys :
             {"Home", "Del", "End", "Ctrl+A", "Ctrl+V", "Ctrl+X", "Backspace", "1"}) {
            h->find("txtHexx2")->setFocus();
            QTest::keySequence(h->find("txtHexx2"), QKeySequence(QString::fromLatin1(keys)));
        }
        QCOMPARE(h->text("txtHexx2"), QString("aF1"));
    }

    // No preview of the text before the key, then after; a flag not following the count; the
    // text or flag lost, or the preview kept, when the box is switched off.
    void aKeyPreviewsTheTextBeforeItThenAfterIt() {
        switchOn("txtHexx");
        h->type("txtHexx", "12A");
        QVERIFY(!h->window().upload().flags().hexx);
        PreviewRecorder recorder(h->find<QLabel>("lblscript1"));
        h->type("txtHexx", "bz");  // "z" dropped: one preview, of the text as it stands
        const QString folder = h->native(h->workFolder() + "/");
        QCOMPARE(recorder.lines,
                 (QStringList{"cartpipe      -w12A " + folder, "cartpipe      -w12Ab " + folder,
                              "cartpipe      -w12Ab " + folder}));
        QVERIFY(h->window().upload().flags().hexx && !h->enabled("cmdPlay"));  // no ROM chosen
        h->click("chkHexx");
        QVERIFY(h->find("txtHexx")->isHidden() && !h->enabled("txtHexx"));
        QVERIFY(h->text("txtHexx") == "12Ab" && h->window().upload().flags().hexx);
        QCOMPARE(h->text("lblscript1"), "cartpipe       " + folder);
    }

    void pasteGoesInWholeOrNotAtAll_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        for (const auto& [row, box, way, pasted, kept] :
             {std::tuple{"a letter past F", "txtHexx", "Shift+Insert", "8g00", ""},
              {"longer than the box", "txtHexx", "menu", "18000", ""},
              {"longer than the bank number", "txtShortHexx", "Shift+Insert", "123", ""},
              {"a blank", "txtHexx", "drop", " 800", ""},
              {"small letters", "txtHexx", "drop", "c0", "c0"},
              {"markup", "txtFileInput", "menu", "<h1>BIG</h1>  x.a78", "<h1>BIG</h1>  x.a78"}}) {
            QTest::addRow("%s, %s by %s", box, row, way) << box << way << pasted << kept;
        }
        const QString longPath = QString(40000, 'd') + ".a78";
        QTest::newRow("txtFileInput, 40 000 characters by Shift+Insert")
            << "txtFileInput"
            << "Shift+Insert" << longPath << longPath;
    }
    // Text that went past the key filter into the field, the preview and the command; a paste
    // cut to the box's length ("18000" sent as "1800") or not counted; a destination cut short;
    // user text in the preview's tooltip read as markup.
    void pasteGoesInWholeOrNotAtAll() {
        QFETCH(QString, box);
        QFETCH(QString, way);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        const QByteArray name = box.toLatin1();
        QLineEdit* edit = box == "txtFileInput" && h->chooseTab(1)
                              ? h->find<QLineEdit>("txtFileInput")
                              : switchOn(name.constData());
        QApplication::clipboard()->setText(pasted);
        edit->setFocus();
        const QPoint middle = edit->rect().center();
        if (way == "Shift+Insert") {
            QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (way == "menu") {
            QContextMenuEvent event(QContextMenuEvent::Mouse, middle, edit->mapToGlobal(middle));
            QApplication::sendEvent(edit, &event);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            QAction* paste = nullptr;
            for (QAction* action : menu->actions()) {
                paste = action->text().startsWith("&Paste") ? action : paste;
            }
            QVERIFY2(paste != nullptr && paste->isEnabled(), "no Paste in the menu");
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
        } else {
            QMimeData data;
            data.setText(pasted);
            QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, {});
            QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(edit, &enter);
            QApplication::sendEvent(edit, &drop);
        }
        QCOMPARE(edit->text(), kept);
        if (box == "txtHexx") {
            QCOMPARE(h->window().upload().flags().hexx, kept.size() == 4);
        }
        // The preview follows a paste as it follows typing, and its tooltip shows it as it is.
        auto* preview = h->find<QLabel>(box == "txtHexx" ? "lblscript1" : "lblscript2");
        QVERIFY(kept.isEmpty() ? !preview->text().contains(pasted)
                               : preview->text().contains(kept));
        QTextDocument tooltip;
        const QString tip = preview->toolTip();
        Qt::mightBeRichText(tip) ? tooltip.setHtml(tip) : tooltip.setPlainText(tip);
        QCOMPARE(tooltip.toPlainText(), preview->text());
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

    std::optional<quillon::testing::WindowHarness> h;
};

QTEST_MAIN(HexFieldsTest)
#include "hex_fields_test.moc"
