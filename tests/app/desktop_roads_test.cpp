// The roads in from the desktop and out to a shell: a ROM named on the command line, paths
// dropped from a file manager, and the command copied from a preview and run by a real shell
// against the recording stand-in tool.
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUrl>
#include <optional>

#include "app/command_line.h"
#include "platform/copy_line.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "window_harness.h"

namespace {

#ifdef Q_OS_WIN
constexpr bool kWindows = true;
constexpr qsizetype kFactsBeforeArguments = 0;
#else
constexpr bool kWindows = false;
constexpr qsizetype kFactsBeforeArguments = 3;  // the POSIX stand-in's session, input, descriptors
#endif

}  // namespace

class DesktopRoadsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        h.emplace();
        for (const auto& [name, bytes] :
             {std::pair{"roms/cart.a78", 2048}, {"roms/notes.txt", 10}, {"roms/dir.bin", -1},
              {"../spare/games/GAME.BIN", 32768}}) {
            QVERIFY(make(name, bytes));
        }
        h->open();
    }
    void cleanup() { h.reset(); }

    void romOnTheCommandLine_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("shown");  // Drive2|Dir2|file|lblName|lblSize|cboDouble|cmdPlay
        const QString untouched = "Work|{work}||||No Double|off";
        QTest::newRow("relative ROM") << "roms/cart.a78"
                                      << "Work|{work}/roms|cart.a78|ROM Selected: CART|"
                                         "ROM Size: 2KB|Double |on";
        QTest::newRow("ROM on another drive, through ..")
            << "../spare/games/GAME.BIN"
            << "Spare|{spare}/games|GAME.BIN|ROM Selected: GAME|ROM Size: 32KB|No Double|on";
        QTest::newRow("not a ROM") << "roms/notes.txt" << untouched;
        QTest::newRow("missing ROM") << "roms/gone.a78" << untouched;
        QTest::newRow("folder named like a ROM") << "roms/dir.bin" << untouched;
    }
    // The file not opened through drive and folder, not chosen as a click chooses it (labels,
    // preset, button), a relative path not taken from the current folder, a non-ROM chosen
    // or silently passed over.
    void romOnTheCommandLine() {
        QFETCH(QString, argument);
        QFETCH(QString, shown);
        h->window().openRom(quillon::app::romArgument({"quillon", argument}));
        QCOMPARE(uploadState(), native(shown));
        const bool chosen = shown.endsWith("on");
        QCOMPARE(h->messages, chosen ? QStringList()
                                     : QStringList{"Please select an atari file only!"});
    }

    void drops_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("dragged");
        QTest::addColumn<QString>("after");  // Dir2|file|lblName|Dir1|txtFileInput; empty: refused
        QTest::newRow("ROM on upload")
            << "fraUp" << QStringList{"roms/cart.a78"}
            << "{work}/roms|cart.a78|ROM Selected: CART|{work}|";
        QTest::newRow("folder on download")
            << "fraDown" << QStringList{"roms"} << "{work}|||{work}/roms|{work}/roms/";
        QTest::newRow("folder on the destination box")
            << "txtFileInput" << QStringList{"../spare/games"}
            << "{work}|||{spare}/games|{spare}/games/";
        QTest::newRow("non-ROM on upload") << "fraUp" << QStringList{"roms/notes.txt"} << "";
        QTest::newRow("folder on upload") << "fraUp" << QStringList{"roms"} << "";
        QTest::newRow("two ROMs") << "fraUp"
                                  << QStringList{"roms/cart.a78", "../spare/games/GAME.BIN"}
                                  << "";
        QTest::newRow("web link") << "fraUp" << QStringList{"https://example.org/cart.a78"} << "";
        QTest::newRow("file on download") << "fraDown" << QStringList{"roms/cart.a78"} << "";
        QTest::newRow("missing folder") << "fraDown" << QStringList{"gone"} << "";
    }
    // A drag not refused up front, a drop half applied or taken as a move (the file manager
    // would delete the file), a ROM not opened as a click opens it, a folder not made the
    // destination.
    void drops() {
        QFETCH(QString, target);
        QFETCH(QStringList, dragged);
        QFETCH(QString, after);
        QVERIFY(target == "fraUp" || h->chooseTab(1));
        QList<QUrl> urls;
        for (const QString& path : dragged) {
            urls << (path.contains("://") ? QUrl(path)
                                          : QUrl::fromLocalFile(h->workFolder() + "/" + path));
        }
        QMimeData data;
        data.setUrls(urls);
        const QString before = dropState();
        QWidget* onto = h->find(target.toLatin1().constData());
        const QPoint at = onto->rect().center();
        // Shift proposes a move, as a file manager does for a drag within one file system.
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::ShiftModifier);
        QApplication::sendEvent(onto, &enter);
        QCOMPARE(enter.isAccepted(), !after.isEmpty());
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::ShiftModifier);
        QApplication::sendEvent(onto, &drop);
        QCOMPARE(drop.isAccepted(), !after.isEmpty());
        QVERIFY(after.isEmpty() || drop.dropAction() == Qt::CopyAction);
        QCOMPARE(dropState(), after.isEmpty() ? before : native(after));
        QVERIFY(h->messages.isEmpty());
    }

    void copy_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");  // the ROM chosen, or the destination typed
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("outcome");  // runs, refused or nothing
        QTest::newRow("ROM name the shell acts on") << 1 << "it's $HOME & (co) ü.a78" << "keys"
                                                    << "runs";
        QTest::newRow("ROM name cmd.exe expands")
            << 1 << "100%PATH%.bin" << "menu" << (kWindows ? "refused" : "runs");
        QTest::newRow("destination like an option") << 2 << "-rf.a78" << "menu" << "runs";
        QTest::newRow("destination with a NUL")
            << 2 << QString("a") + QChar(0) + "b.bin" << "keys" << "refused";
        QTest::newRow("no ROM chosen") << 1 << "" << "keys" << "nothing";
    }
    // The copy not composed as the button composes (short path, "./-" form), quoted so the
    // shell runs something else, a refusal copied or unsaid, a copy of a command the button
    // would not start.
    void copy() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, route);
        QFETCH(QString, outcome);
        QApplication::clipboard()->setText("before");
        if (page == 1 && !name.isEmpty()) {
            QVERIFY(make("roms/" + name, 2048));
            QVERIFY(h->openFolder("Dir2", "roms") && h->clickFile(name));
        } else if (page == 2) {
            QVERIFY(h->chooseTab(1));
            h->find<QLineEdit>("txtFileInput")->setText(name);
        }
        auto* preview = h->find<QLabel>(page == 1 ? "lblscript1" : "lblscript2");
        h->click(preview->objectName().toLatin1().constData());
        QVERIFY(preview->hasFocus());
        if (route == "keys") {
            QTest::keyClick(preview, Qt::Key_C, Qt::ControlModifier);
        } else {
            QContextMenuEvent event(QContextMenuEvent::Mouse, preview->rect().center(),
                                    preview->mapToGlobal(preview->rect().center()));
            QApplication::sendEvent(preview, &event);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr && menu->actions().size() == 1);
            QAction* copy = menu->actions().front();
            QCOMPARE(copy->text() + (copy->isEnabled() ? "" : " disabled"), "Copy Command");
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copy).center());
        }
        h->click(page == 1 ? "cmdPlay" : "cmdPlay2");
        const QString copied = QApplication::clipboard()->text();
        if (outcome == "nothing") {
            QVERIFY(h->launcher.started.empty());
            QVERIFY(copied == "before" && h->messages.isEmpty());
            return;
        }
        QCOMPARE(h->launcher.started.size(), std::size_t{1});
        const quillon::command::TransferCommand& started = h->launcher.started.front();
        if (outcome == "refused") {
            const std::string refusal = quillon::platform::copyLine(started).refusal;
            QVERIFY(!refusal.empty() && copied == "before");
            QCOMPARE(h->messages, QStringList{QString::fromStdString(refusal)});
            return;
        }
        QStringList passed;
        for (const std::string& argument : quillon::command::toolArguments(started)) {
            passed << QString::fromStdString(argument);
        }
        QCOMPARE(runInShell(copied), passed);
        QVERIFY(h->messages.isEmpty());
    }

private:
    // A folder, or a file of `bytes` bytes, under the current folder; false if not made.
    bool make(const QString& relative, qint64 bytes) {
        QFile file(h->workFolder() + "/" + relative);
        if (bytes < 0) {
            return QDir().mkpath(file.fileName());
        }
        return QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
               file.resize(bytes);
    }

    // "{work}" and "{spare}" as the drive roots, in the system's notation.
    QString native(QString text) {
        text.replace("{work}", h->workFolder()).replace("{spare}", h->drives.spare.root);
        return QDir::toNativeSeparators(text);
    }

    QString uploadState() {
        return QStringList{h->text("Drive2"),
                           h->find<quillon::ui::FolderList>("Dir2")->path(),
                           h->find<quillon::ui::FileList>("flbOpen")->currentFileName(),
                           h->text("lblName"),
                           h->text("lblSize"),
                           h->text("cboDouble"),
                           QString(h->enabled("cmdPlay") ? "on" : "off")}
            .join('|');
    }

    QString dropState() {
        return QStringList{h->find<quillon::ui::FolderList>("Dir2")->path(),
                           h->find<quillon::ui::FileList>("flbOpen")->currentFileName(),
                           h->text("lblName"), h->find<quillon::ui::FolderList>("Dir1")->path(),
                           h->text("txtFileInput")}
            .join('|');
    }

    // The arguments the stand-in tool received from the line run by the system's shell.
    QStringList runInShell(const QString& line) {
        const QString record = standIn_.filePath("record");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUILLON_TEST_RECORD", QDir::toNativeSeparators(record));
        QProcess shell;
#ifdef Q_OS_WIN
        const QString tool = QFileInfo(QUILLON_STAND_IN_CARTPIPE).absolutePath();
        shell.setProgram("cmd.exe");
        shell.setNativeArguments("/c " + line);
#else
        const QString tool = standIn_.path();
        QFile::link(QUILLON_STAND_IN_CARTPIPE, standIn_.filePath("cartpipe"));
        shell.setProgram("/bin/sh");
        shell.setArguments({"-c", line});
#endif
        environment.insert("PATH", QDir::toNativeSeparators(tool) + QDir::listSeparator() +
                                       environment.value("PATH"));
        shell.setProcessEnvironment(environment);
        shell.start();
        if (!shell.waitForFinished(-1) || shell.exitCode() != 0) {
            return {"failed: " + line, shell.readAllStandardError()};
        }
        QFile file(record);
        if (!file.open(QIODevice::ReadOnly)) {
            return {"no record: " + line};
        }
        QStringList received = QString::fromUtf8(file.readAll()).split(QChar(0));
        received.removeLast();  // after the last NUL
        return received.mid(kFactsBeforeArguments);
    }

    std::optional<quillon::testing::WindowHarness> h;
    QTemporaryDir standIn_;
};

QTEST_MAIN(DesktopRoadsTest)
#include "desktop_roads_test.moc"
