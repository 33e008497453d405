#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/message_box.h"
#include "ui_tests.h"

using quillon::ui::setMessageHook;
using quillon::ui::showMessage;

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setMessageHook({}); }

    void hookReceivesTheTextInsteadOfABox() {
        QStringList seen;
        setMessageHook([&seen](const QString& text) {
            seen.append(text);
            QVERIFY(QApplication::activeModalWidget() == nullptr);
        });
        showMessage(nullptr, "Drive not ready");
        QCOMPARE(seen, QStringList{"Drive not ready"});
    }

    void realBoxIsModalWithOkOnly() {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString caption;
        QString text;
        QMessageBox::StandardButtons buttons;
        bool modal = false;
        // The box runs its own loop; the check runs inside it and closes it as
        // a user would, by the keyboard.
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            caption = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            modal = box->isModal();
            QTest::keyClick(box, Qt::Key_Return);
        });
        showMessage(&window, "Please select an atari file only!");
        QCOMPARE(caption, QString("Quillon"));
        QCOMPARE(text, QString("Please select an atari file only!"));
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(modal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

int runMessageBoxTests(int argc, char** argv) {
    MessageBoxTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "message_box_test.moc"
