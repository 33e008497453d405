// "Check File…" in the previews' menus, through the real window: offered for the chosen ROM or
// the dump destination only while that file exists, and the DAT chosen in a check view back at
// the next start.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "ui/check_view.h"
#include "ui/file_chooser.h"
#include "window_harness.h"

using quillon::ui::CheckView;

class FileCheckTest : public QObject {
    Q_OBJECT
private slots:
    void init() { h.emplace(); }
    void cleanup() {
        quillon::ui::setFileChooserHook({});
        h.reset();
    }

    void offered_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("made");    // the file made before the menu opens; "" none
        QTest::addColumn<QString>("chosen");  // the ROM clicked, or the destination typed
        QTest::addColumn<bool>("removed");    // the file deleted again before the menu opens
        QTest::newRow("no ROM chosen") << 1 << "roms/cart.a78"
                                       << "" << false;
        QTest::newRow("ROM chosen") << 1 << "roms/cart.a78"
                                    << "cart.a78" << false;
        QTest::newRow("ROM deleted since") << 1 << "roms/cart.a78"
                                           << "cart.a78" << true;
        QTest::newRow("destination not dumped yet") << 2 << ""
                                                    << "dumps/new.a78" << false;
        QTest::newRow("destination dumped") << 2 << "dumps/old.a78"
                                            << "dumps/old.a78" << false;
        QTest::newRow("destination a folder") << 2 << "dumps/old.a78"
                                              << "dumps" << false;
    }
    // The item offered for a file that is not there (or a folder), not offered for one that is,
    // judged when the page changed rather than when the menu opens, or checking another file.
    void offered() {
        QFETCH(int, page);
        QFETCH(QString, made);
        QFETCH(QString, chosen);
        QFETCH(bool, removed);
        const QString file = made.isEmpty() ? QString() : h->make(made, 4096);
        h->open();
        if (page == 1) {
            QVERIFY(h->openFolder("Dir2", "roms"));
            QVERIFY(chosen.isEmpty() || h->clickFile(chosen));
        } else {
            QVERIFY(h->chooseTab(1));
            h->replaceText("txtFileInput", h->native(h->workFolder() + "/" + chosen));
        }
        QVERIFY(!removed || QFile::remove(file));
        const bool offered = !removed && !chosen.isEmpty() && made.endsWith(chosen);
        QCOMPARE(checkFromMenu(page == 1 ? "lblscript1" : "lblscript2"), offered);
        CheckView* view = h->window().findChild<CheckView*>("frmCheck");
        QCOMPARE(view != nullptr, offered);
        if (offered) {
            QCOMPARE(view->findChild<QLabel*>("lblCheckFile")->text(), h->native(file));
        }
    }

    // The DAT chosen in one run not used in the next, a file that gives no list remembered in
    // its place, or the view not following the DAT's answer.
    void theChosenDatComesBackAtTheNextStart() {
        const QString rom = h->make("roms/cart.a78", 2048);  // 2048 zero bytes
        const QString good = h->make("known.dat", 0), bad = h->make("notes.txt", 5);
        QFile dat(good);
        QVERIFY(dat.open(QIODevice::WriteOnly));
        dat.write(R"(<datafile><game name="Blank"><rom name="b.a78" size="2048"
            sha1="605DB3FDBAFF4BA13729371AD0C4FBAB3889378E"/></game></datafile>)");
        dat.close();
        h->open();
        for (const QStringList& chosen : {QStringList{good, bad}, QStringList{}}) {
            QVERIFY(h->openFolder("Dir2", "roms") && h->clickFile("cart.a78"));
            QVERIFY(checkFromMenu("lblscript1"));
            CheckView* view = h->window().findChild<CheckView*>("frmCheck");
            QStringList answers;
            for (const QString& path : chosen) {
                quillon::ui::setFileChooserHook([path](const QString&) { return path; });
                QTest::mouseClick(view->findChild<QPushButton*>("cmdChooseDat"), Qt::LeftButton);
                while (view->busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                answers << view->findChild<QLabel*>("lblDatResult")->text();
            }
            while (view->busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            answers << view->findChild<QLabel*>("lblDatResult")->text();
            QCOMPARE(answers.join('|'), chosen.isEmpty() ? "Matches: Blank" : "Matches: Blank||");
            h->open();  // the next start, on the same store
        }
    }

private:
    // Opens the preview's menu as a right click does; when "Check File…" is offered there,
    // chooses it with its access key and says true.
    bool checkFromMenu(const char* preview) {
        QMenu* menu = h->openMenu(preview);
        if (!menu || menu->actions().constLast()->text() != "Chec&k File…") {
            return false;
        }
        QTest::keyClick(menu, Qt::Key_K);
        if (QApplication::activePopupWidget() == menu) {
            menu->close();
            return false;
        }
        return true;
    }

    std::optional<quillon::testing::WindowHarness> h;
};

QTEST_MAIN(FileCheckTest)
#include "file_check_test.moc"
