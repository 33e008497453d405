// In from the desktop and out to a shell: a ROM on the command line, dropped paths, and the
// copied command run by the system's shell against the recording stand-in tool.
#ifndef _WIN32
#include <fstream>
#endif

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

#ifdef Q_OS_WIN
constexpr qsizetype kFactsBeforeArguments = 0;
#else
constexpr qsizetype kFactsBeforeArguments = 3;  // the POSIX stand-in's session, input, descriptors
#endif

class DesktopRoadsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        h.emplace();
        for (const auto& [name, bytes] : {std::pair{"roms/cart.a78", 2048},
                                          {"roms/notes.txt", 10},
                                          {"../spare/games/GAME.BIN", 32768},
                                          {"../spare/x.a78", 2048},
                                          {"x.a78", 4096},
                                          {"bad\uFFFD.a78", 4096}}) {
            QVERIFY(!h->make(name, bytes).isEmpty());
        }
#ifndef _WIN32
        // Read by the text of its path, "lnk/.." is the work folder; by the system, Spare.
        QVERIFY(QFile::link(h->drives.spare.root + "/games", h->workFolder() + "/lnk"));
        // The name that reads as "bad\uFFFD.a78" once its byte is replaced.
        QVERIFY(std::ofstream(QFile::encodeName(h->workFolder()).toStdString() + "/bad\xff.a78"));
#endif
        h->open();
    }
    void cleanup() { h.reset(); }

    // Rows: the path named on the command line or dragged onto a control; the state after,
    // Drive2|Dir2|file|lblName|lblSize|cboDouble|cmdPlay|Drive1|Dir1|txtFileInput (empty: as
    // before).
    void pathsComeIn_data() {
        QTest::addColumn<QString>("via");
        QTest::addColumn<QByteArrayList>("paths");
        QTest::addColumn<QString>("after");
        QTest::newRow("argument: ROM on another drive, through ..")
            << "argument" << QByteArrayList{"../spare/games/GAME.BIN"}
            << "Spare|{spare}/games|GAME.BIN|ROM Selected: GAME|ROM Size: 32KB|No Double|on|"
               "Work|{work}|";
        QTest::newRow("argument: not a ROM")
            << "argument" << QByteArrayList{"roms/notes.txt"} << "";
        QTest::newRow("argument: missing ROM")
            << "argument" << QByteArrayList{"roms/gone.a78"} << "";
        QTest::newRow("drop: ROM on upload")
            << "fraUp" << QByteArrayList{"roms/cart.a78"}
            << "Work|{work}/roms|cart.a78|ROM Selected: CART|ROM Size: 2KB|Double |on|Work|{work}|";
        QTest::newRow("drop: folder on the destination box")
            << "txtFileInput" << QByteArrayList{"../spare/games"}
            << "Work|{work}||||No Double|off|Spare|{spare}/games|{spare}/games/";
        QTest::newRow("drop: two ROMs")
            << "fraUp" << QByteArrayList{"roms/cart.a78", "../spare/games/GAME.BIN"} << "";
#ifndef _WIN32  // Windows has neither such links nor such names
        for (const QString via : {"argument", "fraUp"}) {
            QTest::addRow("%s: through a link, then ..", qPrintable(via))
                << via << QByteArrayList{"lnk/../x.a78"}
                << "Spare|{spare}|x.a78|ROM Selected: X|ROM Size: 2KB|Double |on|Work|{work}|";
            QTest::addRow("%s: a byte the encoding cannot show", qPrintable(via))
                << via << QByteArrayList{"bad\xff.a78"} << "";
        }
#endif
    }
    // A ROM not opened through drive and folder or not chosen as a click chooses it, a relative
    // path not taken from the current folder, a named non-ROM chosen or passed over silently; a
    // drag not refused up front, a drop half applied or taken as a move (the file manager would
    // delete the file), a folder not made the destination; ".." taken by the path's text and not
    // by the system, a name that lost a byte taken for the look-alike it reads as.
    void pathsComeIn() {
        QFETCH(QString, via);
        QFETCH(QByteArrayList, paths);
        QFETCH(QString, after);
        QVERIFY(via == "argument" || via == "fraUp" || h->chooseTab(1));
        const QString before = state();
        if (via == "argument") {
            QByteArray program("quillon");
            char* argv[] = {program.data(), paths[0].data(), nullptr};
            if (const auto rom = quillon::app::CommandLine(2, argv).romArgument()) {
                h->window().openRom(*rom);
            }
            const QString refused = "Please select an atari file only!";
            QCOMPARE(h->messages, after.isEmpty() ? QStringList{refused} : QStringList());
        } else {
            // Each path's bytes, as file managers give them in a link.
            const QByteArray work = QUrl::fromLocalFile(h->workFolder() + "/").toEncoded();
            QList<QUrl> urls;
            for (const QByteArray& path : paths) {
                urls << QUrl::fromEncoded(work + path.toPercentEncoding("/"));
            }
            QMimeData data;  // links and their text, as file managers give them
            data.setUrls(urls);
            data.setText(QString::fromUtf8(paths.join('\n')));
            QWidget* onto = h->find(via.toLatin1().constData());
            // Shift proposes a move, as a file manager does within one file system.
            const auto actions = Qt::CopyAction | Qt::MoveAction;
            const QPoint at = onto->rect().center();
            QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
            QApplication::sendEvent(onto, &enter);
            QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
            QApplication::sendEvent(onto, &drop);
            QCOMPARE(enter.isAccepted() + drop.isAccepted(), after.isEmpty() ? 0 : 2);
            QVERIFY(after.isEmpty() || drop.dropAction() == Qt::CopyAction);
            QVERIFY(h->messages.isEmpty());
        }
        QCOMPARE(state(), after.isEmpty() ? before : native(after));
    }

    void copy_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");  // the ROM chosen, or the destination
        QTest::addColumn<bool>("byMenu");   // else by Ctrl+C
        QTest::addColumn<bool>("runs");     // else refused
        QTest::newRow("ROM name the shell acts on")
            << 1 << "it's $HOME & (co) ü.a78" << false << true;
        QTest::newRow("destination like an option") << 2 << "-rf.a78" << true << true;
        QTest::newRow("destination with a NUL")
            << 2 << QString("a") + QChar(0) + "b.bin" << false << false;
    }
    // The copy not composed as the button composes ("./-" form), quoted so the shell runs
    // something else, a refusal copied or unsaid.
    void copy() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(bool, byMenu);
        QFETCH(bool, runs);
        QApplication::clipboard()->setText("before");
        if (page == 1) {
            QVERIFY(!h->make("roms/" + name, 2048).isEmpty());
            QVERIFY(h->openFolder("Dir2", "roms") && h->clickFile(name));
        } else {
            QVERIFY(h->chooseTab(1));
            h->find<QLineEdit>("txtFileInput")->setText(name);
        }
        auto* preview = h->find<QLabel>(page == 1 ? "lblscript1" : "lblscript2");
        QTest::mouseClick(preview, Qt::LeftButton);
        QVERIFY(preview->hasFocus());
        if (byMenu) {
            QMenu* menu = h->openMenu(page == 1 ? "lblscript1" : "lblscript2");
            QVERIFY(menu && menu->actions()[0]->isEnabled());
            QCOMPARE(menu->actions()[0]->text(), "Copy Command");
            const QPoint item = menu->actionGeometry(menu->actions()[0]).center();
            QTest::mouseClick(menu, Qt::LeftButton, {}, item);
        } else {
            QTest::keyClick(preview, Qt::Key_C, Qt::ControlModifier);
        }
        h->click(page == 1 ? "cmdPlay" : "cmdPlay2");
        QCOMPARE(h->launcher.started.size(), std::size_t{1});
        const auto& started = h->launcher.started.front();
        const std::string refusal = runs ? "" : quillon::platform::copyLine(started).refusal;
        QCOMPARE(h->messages.join('|'), QString::fromStdString(refusal));
        QStringList passed{"before"};
        if (runs) {
            passed.clear();
            for (const std::string& argument : quillon::command::toolArguments(started)) {
                passed << QString::fromStdString(argument);
            }
        }
        const QString copied = QApplication::clipboard()->text();
        QCOMPARE(runs ? runInShell(copied) : QStringList{copied}, passed);
    }

private:
    // "{work}" and "{spare}" as the drive roots, in the system's notation.
    QString native(QString text) {
        text.replace("{work}", h->workFolder()).replace("{spare}", h->drives.spare.root);
        return QDir::toNativeSeparators(text);
    }

    QString state() {
        using quillon::ui::FolderList;
        return QStringList{h->text("Drive2"),
                           h->find<FolderList>("Dir2")->path(),
                           h->find<quillon::ui::FileList>("flbOpen")->currentFileName(),
                           h->text("lblName"),
                           h->text("lblSize"),
                           h->text("cboDouble"),
                           h->enabled("cmdPlay") ? "on" : "off",
                           h->text("Drive1"),
                           h->find<FolderList>("Dir1")->path(),
                           h->text("txtFileInput")}
            .join('|');
    }

    // The arguments the stand-in tool received from `line` run by the system's shell.
    QStringList runInShell(const QString& line) {
        QFile record(standIn_.filePath("record"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUILLON_TEST_RECORD", QDir::toNativeSeparators(record.fileName()));
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
        if (!shell.waitForFinished(-1) || shell.exitCode() != 0 ||
            !record.open(QIODevice::ReadOnly)) {
            return {"failed: " + line, shell.readAllStandardError()};
        }
        QStringList received = QString::fromUtf8(record.readAll()).split(QChar(0));
        received.removeLast();  // after the last NUL
        return received.mid(kFactsBeforeArguments);
    }

    std::optional<quillon::testing::WindowHarness> h;
    QTemporaryDir standIn_;
};

QTEST_MAIN(DesktopRoadsTest)
#include "desktop_roads_test.moc"
