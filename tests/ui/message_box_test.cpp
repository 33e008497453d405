#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "ui/message_box.h"

using quillon::ui::askChoice;
using quillon::ui::setChoiceHook;
using quillon::ui::setMessageHook;
using quillon::ui::showMessage;

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    // A hook that still opens a box; a box that is not modal, not captioned
    // "Quillon", has more than OK (closed by the keyboard from its loop) or
    // reads a quoted text as markup.
    void messagesGoToTheHookOrAModalOkBox() {
        QStringList seen;
        setMessageHook([&seen](const QString& text) {
            seen << text << (QApplication::activeModalWidget() ? "box" : "no box");
        });
        showMessage(nullptr, "Drive not ready");
        setMessageHook({});
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTimer::singleShot(0, this, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seen << box->windowTitle() << box->text()
                 << (box->standardButtons() == QMessageBox::Ok ? "OK only" : "other buttons")
                 << (box->textFormat() == Qt::PlainText ? "plain" : "markup");
            QTest::keyClick(box, Qt::Key_Return);
        });
        showMessage(&window, "Please select an atari file only!");
        QCOMPARE(seen, QStringList({"Drive not ready", "no box", "Quillon",
                                    "Please select an atari file only!", "OK only", "plain"}));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // The help's columns run together in a box: a proportional font, where a line of narrow
    // letters and one as long of wide letters take different widths.
    void columnsKeepTheirPlaces() {
        QList<int> widths;
        for (const QString& line : {QString(20, 'i'), QString(20, 'W')}) {
            QTimer::singleShot(0, this, [&widths, line] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr);
                for (const QLabel* label : box->findChildren<QLabel*>()) {
                    if (label->text().contains(line)) {
                        widths << label->sizeHint().width();
                    }
                }
                QTest::keyClick(box, Qt::Key_Return);
            });
            quillon::ui::showColumns(nullptr, line);
        }
        // Within a pixel or two of each other (a glyph's overhang); a proportional font makes
        // the wide line several times the narrow one.
        QVERIFY2(widths.size() == 2 && qAbs(widths[0] - widths[1]) <= 2,
                 qPrintable(QString("%1 and %2 pixels").arg(widths.value(0)).arg(widths.value(1))));
    }

    void choicesGoToTheHookOrAModalBox_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Enter takes the first") << int(Qt::Key_Return) << "&Stop and Quit";
        QTest::newRow("Escape takes the last") << int(Qt::Key_Escape) << "Cancel";
    }
    // A choice the hook cannot answer, a box without the buttons offered or the caption, Enter
    // or Escape choosing what the user did not mean.
    void choicesGoToTheHookOrAModalBox() {
        QFETCH(int, key);
        QFETCH(QString, chosen);
        const QStringList buttons{"&Stop and Quit", "Cancel"};
        setChoiceHook([](const QString& text, const QStringList& offered) {
            return text + offered.join('|');
        });
        QCOMPARE(askChoice(nullptr, "Quit? ", buttons), "Quit? &Stop and Quit|Cancel");
        setChoiceHook({});
        QStringList seen;
        QTimer::singleShot(0, this, [&seen, key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seen << box->windowTitle();
            for (const QAbstractButton* button : box->buttons()) seen << button->text();
            QTest::keyClick(box, Qt::Key(key));
        });
        QCOMPARE(askChoice(nullptr, "Quit?", buttons), chosen);
        QCOMPARE(seen, QStringList({"Quillon", "&Stop and Quit", "Cancel"}));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
