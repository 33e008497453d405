#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <optional>

#include "window_harness.h"

// The window as a hostile or unlucky user meets it: pastes, vanished files, a settings
// file that is no file.
class HardeningTest : public QObject {
    Q_OBJECT
private slots:
    void init() { h.emplace(); }
    void cleanup() { h.reset(); }

    void pasteKeepsToTheHexRule_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("Shift+Insert, a letter past F") << "Shift+Insert" << "8g00" << "";
        QTest::newRow("Shift+Insert, digits") << "Shift+Insert" << "8000" << "8000";
        QTest::newRow("menu, a prefix") << "menu" << "0x80" << "";
        QTest::newRow("menu, small letters") << "menu" << "c0" << "c0";
        QTest::newRow("menu, longer than the box") << "menu" << "1F2E3D" << "1F2E";
        QTest::newRow("drop, a blank") << "drop" << " 800" << "";
        QTest::newRow("drop, digits") << "drop" << "12" << "12";
    }
    // Text that went past the key filter into the field, the preview and the command; a paste
    // not cut to the box's length or not counted.
    void pasteKeepsToTheHexRule() {
        QFETCH(QString, way);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        h->open();
        h->click("chkHexx");
        QVERIFY(h->find<QCheckBox>("chkHexx")->isChecked());
        auto* box = h->find<QLineEdit>("txtHexx");
        QApplication::clipboard()->setText(pasted);
        box->setFocus();
        if (way == "Shift+Insert") {
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (way == "menu") {
            QContextMenuEvent event(QContextMenuEvent::Mouse, box->rect().center(),
                                    box->mapToGlobal(box->rect().center()));
            QApplication::sendEvent(box, &event);
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
            QDragEnterEvent enter(box->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(box, &enter);
            QDropEvent drop(box->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(box, &drop);
        }
        QCOMPARE(box->text(), kept);
        QCOMPARE(h->window().upload().flags().hexx, kept.size() == 4);
        // The preview follows a change of the text as it follows typing.
        const QString preview = h->text("lblscript1");
        QVERIFY2(kept.isEmpty() ? !preview.contains(pasted) : preview.contains("-w" + kept + " "),
                 qPrintable(preview));
    }

    // A text restored from the settings goes in unjudged, and typing behind it still works.
    void restoredTextIsKeptAndTypedOn() {
        for (const auto& [key, value] :
             {std::pair{"chkHexx", "True"}, {"txtHexx", "zz"}, {"Load", "Yes"}}) {
            QVERIFY(h->store.write("Quillon", "Upload", key, value));
        }
        h->open();
        h->press("txtHexx", Qt::Key_End);
        h->type("txtHexx", "1x");
        QCOMPARE(h->text("txtHexx"), QString("zz1"));
    }

    // The tool started with an empty file argument for a ROM deleted after it was chosen.
    void uploadOfAVanishedRomStartsNothingAndSaysSo() {
        QVERIFY(QDir().mkpath(h->workFolder() + "/roms"));
        h->open();
        QFile rom(h->workFolder() + "/roms/GAME.BIN");
        QVERIFY(rom.open(QIODevice::WriteOnly) && rom.resize(4096));
        QVERIFY(h->openFolder("Dir2", "roms") && h->clickFile("GAME.BIN"));
        QCOMPARE(QAccessible::queryAccessibleInterface(h->find("lblName"))->text(QAccessible::Name),
                 QString("ROM Selected: GAME"));
        QVERIFY(rom.remove() && h->enabled("cmdPlay"));
        h->click("cmdPlay");
        QVERIFY(h->launcher.started.empty());
        QCOMPARE(h->messages.size(), 1);
        QVERIFY2(h->messages[0].contains("\"" + h->native(rom.fileName()) + "\""), qPrintable(h->messages[0]));
    }

#ifndef _WIN32  // the registry holds the settings there: no file can be a pipe
    // Start-up hanging on a settings file that is a pipe, Save replacing it or saying nothing.
    void aSettingsFileThatIsAPipeIsLeftAlone() {
        const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Quillon/Quillon.conf";
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        h->open();
        QCOMPARE(h->text("cboLPT"), QString("Port 1"));
        h->click("cmdSave1");
        QCOMPARE(h->messages.size(), 1);
        QVERIFY2(h->messages[0].contains("is a pipe"), qPrintable(h->messages[0]));
        struct stat status {};
        QVERIFY(::lstat(QFile::encodeName(file).constData(), &status) == 0 &&
                S_ISFIFO(status.st_mode));
    }
#endif

private:
    std::optional<quillon::testing::WindowHarness> h;
};

QTEST_MAIN(HardeningTest)
#include "hardening_test.moc"
