#include <QComboBox>
#include <QFile>
#include <QTest>

#include "window_harness.h"

using quillon::testing::WindowHarness;

namespace {

// Puts a folder of stand-in programs first on PATH while it lives, and makes
// the shell that a terminal keeps open after the tool end at once.
class StandInPrograms {
public:
    explicit StandInPrograms(QString folder) : folder_(std::move(folder)) {
        qputenv("PATH", (folder_ + ":/usr/bin:/bin").toLocal8Bit());
        qputenv("SHELL", "/bin/true");
    }
    ~StandInPrograms() {
        qputenv("PATH", path_);
        qputenv("SHELL", shell_);
    }
    void add(const QString& name, const QString& script) const {
        QFile file(folder_ + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("#!/bin/sh\n" + script + "\n").toUtf8());
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    QString folder_;
    QByteArray path_ = qgetenv("PATH");
    QByteArray shell_ = qgetenv("SHELL");
};

}  // namespace

// The download page: destination folder and name, the cartridge code, and
// the dump started.
class DownloadRoadTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        h = std::make_unique<WindowHarness>();
        dumps_ = h->makeFolder("dumps");
        h->open();
        QVERIFY(h->chooseTab(1));
    }
    void cleanup() { h.reset(); }

    // A folder replaces the whole destination, a typed name included, and
    // ends it in the separator; a typed name is judged as it grows.
    void aFolderAndATypedNameMakeTheDestination() {
        QVERIFY(openFolder("dumps"));
        QCOMPARE(h->text("txtFileInput"), dumps_ + "/");
        QCOMPARE(h->text("lblscript2"), "cartpipe        -tTEST " + dumps_ + "/");
        QVERIFY(!h->window().dumpFlags().select && !h->enabled("cmdPlay2"));
        h->press("txtFileInput", Qt::Key_End);
        h->type("txtFileInput", "GAME.BI");
        QVERIFY(!h->enabled("cmdPlay2"));
        h->type("txtFileInput", "N");
        QVERIFY(h->window().dumpFlags().select && h->enabled("cmdPlay2"));
        QCOMPARE(h->text("lblscript2"), "cartpipe        -tTEST " + dumps_ + "/GAME.BIN");
        QVERIFY(openFolder(QFileInfo(h->workFolder()).fileName()));
        QCOMPARE(h->text("txtFileInput"), h->workFolder() + "/");
        QVERIFY(!h->enabled("cmdPlay2"));
    }

    // The dump button waits for every switched-on hex field to be complete.
    void theDumpButtonWaitsForEveryHexField() {
        h->type("txtFileInput", "cart.a78");
        QVERIFY(h->enabled("cmdPlay2"));
        for (const auto& [check, box, text] : {std::tuple{"chkShortHexx", "txtShortHexx", "1F"},
                                               {"chkHexx2", "txtHexx2", "C000"}}) {
            h->click(check);
            QVERIFY2(!h->enabled("cmdPlay2"), check);
            h->type(box, text);
            QVERIFY2(h->enabled("cmdPlay2"), box);
        }
    }

    // The code's change handler must offer the alternate mode as each key
    // completes a code (which codes: the rule's own table) and leave it, once
    // ticked, in the command when a code from the list withdraws it.
    void theCartridgeCodeOffersTheAlternateMode() {
        h->replaceText("cboConType", "26F");
        QVERIFY(!h->enabled("chkAlternate2"));
        h->type("cboConType", "8");
        QVERIFY(h->enabled("chkAlternate2"));
        QCOMPARE(h->text("lblscript2"), QString("cartpipe        -t26F8 "));
        h->replaceText("cboConType", "26E0");
        h->click("chkAlternate2");
        h->press("cboConType", Qt::Key_Down);  // the list's next entry
        QCOMPARE(h->text("cboConType"), QString("26P2"));
        QVERIFY(!h->enabled("chkAlternate2"));
        QVERIFY(h->find("chkAlternate2")->property("checked").toBool());
        QCOMPARE(h->text("lblscript2"), QString("cartpipe -a       -t26P2 "));
    }

    void dumpStartsTheComposedCommand() {
        QVERIFY(openFolder("dumps"));
        h->press("txtFileInput", Qt::Key_End);
        h->type("txtFileInput", "cart one.a78");
        h->replaceText("cboDouble2", "Reverse");
        h->click("cmdPlay2");
        const quillon::command::TransferCommand expected{
            {"", "-r", "", "", "", "", "", "-tTEST"}, (dumps_ + "/cart one.a78").toStdString()};
        QCOMPARE(h->launcher.started, std::vector{expected});
        QVERIFY(h->messages.isEmpty());
    }

    // The download page keeps its own last good drive and rewrites the
    // destination from the drive that opens.
    void aDriveNotReadyIsToldAndTheListGoesBack() {
        QVERIFY(openFolder("dumps"));
        h->drives.spareReady = false;
        h->press("Drive1", Qt::Key_Down);
        QCOMPARE(h->messages, QStringList{"Drive not ready"});
        QCOMPARE(h->text("Drive1"), QString("Work"));
        QCOMPARE(h->text("txtFileInput"), dumps_ + "/");
        h->drives.spareReady = true;
        h->press("Drive1", Qt::Key_Down);
        QCOMPARE(h->text("txtFileInput"), h->spareFolder() + "/");
        QCOMPARE(h->text("lblscript2"), "cartpipe        -tTEST " + h->spareFolder() + "/");
        QCOMPARE(h->messages.size(), 1);
    }

    // End to end through the system's own launcher, with a stand-in terminal
    // and tool on PATH: the tool receives the options and the destination,
    // blank and all, as its arguments.
    void theSystemLauncherHandsTheToolItsArguments() {
        const QString bin = h->makeFolder("bin");
        const QString record = bin + "/record";
        StandInPrograms programs(bin);
        programs.add("x-terminal-emulator", "shift\nexec \"$@\"");
        programs.add("cartpipe", "printf '%s\\n' \"$@\" > '" + record + ".part'\nmv '" + record +
                                     ".part' '" + record + "'");
        system_ = quillon::platform::makeSystemLauncher();
        h->open(system_.get());
        QVERIFY(h->chooseTab(1));
        h->type("txtFileInput", dumps_ + "/my cart.bin");
        h->click("cmdPlay2");
        QTRY_VERIFY(QFile::exists(record));
        QFile arguments(record);
        QVERIFY(arguments.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(arguments.readAll()), "-tTEST\n" + dumps_ + "/my cart.bin\n");
    }

private:
    bool openFolder(const QString& name) { return h->openFolder("Dir1", name); }

    std::unique_ptr<WindowHarness> h;
    QString dumps_;
    std::unique_ptr<quillon::platform::ToolLauncher> system_;  // outlives the window on it
};

QTEST_MAIN(DownloadRoadTest)
#include "download_road_test.moc"
