// The window on the system's own launcher, started for real through cmd.exe under wine against
// the recording cartpipe.exe: what the user chooses and types, what reaches the tool, and what
// is refused before anything starts.
#include <windows.h>

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <memory>
#include <optional>

#include "window_harness.h"

class SystemLauncherTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        h.emplace();
        dumps_ = h->make("dumps");
        record_ = h->make("bin") + "/record";
        h->open();
    }
    void cleanup() {
        h.reset();
        system_.reset();
        qputenv("PATH", path_);
    }

    void theSystemLauncherHandsTheToolItsArguments_data() {
        QTest::addColumn<QStringList>("folders");  // down from the start folder
        QTest::addColumn<bool>("started");         // else refused: no short form to give
        QStringList deep;
        for (int level = 1; level <= 20; ++level) {
            deep << QString("a folder with a long name %1").arg(level);
        }
        QTest::newRow("a folder with blanks") << QStringList{"Roms With A Long Name"} << true;
        QTest::newRow("folders deeper than 260 characters") << deep.mid(0, 10) << true;
        QTest::newRow("a short form too long for the interpreter") << deep << false;
    }
    // The real launcher through the system's interpreter losing, splitting or not shortening
    // arguments (the recording cartpipe.exe first on PATH); a folder too deep for a plain path
    // not listed, a ROM in it or a destination that long not reaching the tool whole, or one
    // without a short form started instead of refused with the reason.
    void theSystemLauncherHandsTheToolItsArguments() {
        QFETCH(QStringList, folders);
        QFETCH(bool, started);
        const QString roms = h->make(folders.join('/'));
        h->make(folders.join('/') + "/Space Game.a78", 4096);
        QVERIFY(openOnTheSystemLauncher());
        const QString rom = QString::fromStdString(
            system_->shortPath(h->native(roms + "/Space Game.a78").toStdString()));
        QVERIFY2(started ? rom.contains('~') : rom.isEmpty(), qPrintable(rom));
        for (const QString& folder : folders) {
            QVERIFY(h->openFolder("Dir2", folder));
        }
        QVERIFY(h->clickFile("Space Game.a78"));
        h->click("chkFast");
        h->replaceText("cboLPT", "Port 2");
        QVERIFY(h->text("lblscript1").endsWith(h->native(roms + "/Space Game.a78")));
        h->click("cmdPlay");
        if (!started) {
            QVERIFY(h->messages.size() == 1 && !QFile::exists(record_));
            QVERIFY2(h->messages[0].contains('"' + h->native(roms + "/Space Game.a78") + '"'),
                     qPrintable(h->messages[0]));
            return;
        }
        QCOMPARE(received(record_), (QStringList{"-f", "-l2", rom}));
        QVERIFY(h->chooseTab(1));
        const QString destination = h->native(dumps_ + "/" + folders.join('/') + "/my cart.bin");
        h->type("txtFileInput", destination);
        h->replaceText("cboDouble2", "Reverse");
        h->click("cmdPlay2");
        QCOMPARE(received(record_), (QStringList{"-r", "-tTEST", destination}));
    }

    void aHostileDestinationIsRefusedInABox_data() {
        QTest::addColumn<QString>("name");  // typed after the dump folder
        QTest::addColumn<QString>("told");
        QTest::newRow("a look-alike of x") << "ｘ.a78"
                                           << "the character ｘ (U+FF58)";
        QTest::newRow("look-alike quotes") << "＂ -w1234 ＂y.a78"
                                           << "(U+FF02)";
        QTest::newRow("a look-alike dash") << "－rf.a78"
                                           << "(U+FF0D)";
        QTest::newRow("longer than cmd.exe reads") << QString(8200, 'd') + ".a78"
                                                   << "too long";
    }
    // A destination the system would hand the tool changed, or a line cmd.exe would not run,
    // started instead of refused in a box that says why.
    void aHostileDestinationIsRefusedInABox() {
        QFETCH(QString, name);
        QFETCH(QString, told);
        QVERIFY(openOnTheSystemLauncher());
        QVERIFY(h->chooseTab(1) && h->openFolder("Dir1", "dumps"));
        h->press("txtFileInput", Qt::Key_End);
        h->type("txtFileInput", name);
        QVERIFY2(h->enabled("cmdPlay2"), qPrintable(h->text("txtFileInput")));
        h->click("cmdPlay2");
        QCOMPARE(h->messages.size(), qsizetype(1));
        QVERIFY2(
            h->messages[0].contains("The file path holds") || h->messages[0].contains("too long"),
            qPrintable(h->messages[0]));
        QVERIFY2(h->messages[0].contains(told), qPrintable(h->messages[0]));
        QVERIFY(!QFile::exists(record_));
    }

private:
    // The recording cartpipe.exe first on PATH, and a new window on the system's launcher.
    bool openOnTheSystemLauncher() {
        const QString standIn = QCoreApplication::applicationDirPath() + "/../platform/stand-in";
        qputenv("PATH",
                QDir::toNativeSeparators(QDir::cleanPath(standIn)).toLocal8Bit() + ";" + path_);
        qputenv("QUILLON_TEST_RECORD", QDir::toNativeSeparators(record_).toLocal8Bit());
        system_ = quillon::platform::makeSystemLauncher();
        h->open(system_.get());
        return interpretersEndWithUs();
    }

    // cmd /k waits for a user after the tool, and a test has none: every interpreter started
    // joins this program's job, which ends them all with it.
    static bool interpretersEndWithUs() {
        static const bool joined = [] {
            const HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
            JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
            limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
            ::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits,
                                      sizeof limits);
            return ::AssignProcessToJobObject(job, ::GetCurrentProcess()) != 0;
        }();
        return joined;
    }

    // The arguments the stand-in recorded, each NUL-ended; the record is taken away.
    static QStringList received(const QString& record) {
        if (!QTest::qWaitFor([&] { return QFile::exists(record); }, 30000)) {
            return {"nothing recorded"};
        }
        QFile file(record);
        QStringList arguments = file.open(QIODevice::ReadOnly)
                                    ? QString::fromUtf8(file.readAll()).split(QChar(0))
                                    : QStringList{"unreadable"};
        file.remove();
        arguments.removeLast();
        return arguments;
    }

    const QByteArray path_ = qgetenv("PATH");
    std::unique_ptr<quillon::platform::ToolLauncher> system_;  // outlives the window on it
    std::optional<quillon::testing::WindowHarness> h;
    QString dumps_, record_;
};

QTEST_MAIN(SystemLauncherTest)
#include "system_launcher_test.moc"
