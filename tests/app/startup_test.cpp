#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QProcess>
#include <QTabBar>
#include <QTest>
#include <optional>

#include "app/command_line.h"
#include "ui/file_list.h"
#include "window_harness.h"

using quillon::testing::WindowHarness;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { h.emplace(); }
    void cleanup() { h.reset(); }

    // A first start with a control switched wrongly, a preview not composed for the start values,
    // the pages or the view buttons not sharing one place, or a window the user can resize.
    void firstStartShowsTheUploadPageWithNothingChosen() {
        auto& window = h->open();
        const QStringList expected = {"fraUp 'Comp to Atari'",
                                      "cmdPlay '&Upload Rom' disabled",
                                      "cmdView2 'Click to see atari Files' hidden",
                                      "chkAlternate2 'Alternate Mode' disabled",
                                      "fraDown 'Atari to Comp' hidden",
                                      "cmdPlay2 '&Dump Rom' disabled"};
        QCOMPARE(h->describe(expected), expected);
        QCOMPARE(h->text("lblscript1"), h->native("cartpipe       " + h->workFolder() + "/"));
        QCOMPARE(h->text("lblscript2"), QString("cartpipe        -tTEST "));
        auto* files = h->find<quillon::ui::FileList>("flbOpen");
        QCOMPARE(files->folder() + "|" + files->pattern(),
                 h->native(h->workFolder()) + "|*.bin;*.a78");
        QVERIFY(h->messages.isEmpty() && h->launcher.started.empty());
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(h->find<QTabBar>("tabTrans")->currentIndex() == 0 && h->find("fraUp")->isVisible());
        QCOMPARE(h->find("fraDown")->geometry(), h->find("fraUp")->geometry());
        QCOMPARE(h->find("cmdView2")->geometry(), h->find("cmdView1")->geometry());
        QVERIFY(window.rect().contains(h->find("fraUp")->geometry()));
    }

    // A restore touching the unsaved page, or bypassing the handlers (out of step, focus moved),
    // or cutting a saved text to the box's length.
    void savedPagesComeBackInStep() {
        save("Dump", {{"chkHexx2", "False"},
                      {"txtHexx2", "C000"},
                      {"cboConType", "26F8"},
                      {"Load2", "Yes"}});
        h->open();
        QVERIFY(h->find("txtHexx2")->isHidden() && h->enabled("chkAlternate2"));
        QCOMPARE(h->text("lblscript1") + h->text("lblscript2"),
                 h->native("cartpipe       " + h->workFolder() + "/cartpipe        -t26F8 "));
        save("Upload", {{"chkFast", "True"},
                        {"chkHexx", "True"},
                        {"txtHexx", "80001"},
                        {"cboDouble", "Reverse"},
                        {"cboLPT", "Port 2"},
                        {"cboType", "Linear"},
                        {"Load", "Yes"}});
        save("Dump", {{"chkAlternate2", "True"},
                      {"chkHexx2", "True"},
                      {"txtHexx2", "zz"},
                      {"chkShortHexx", "True"},
                      {"txtShortHexx", "1F0"},
                      {"cboDouble2", "Double "},
                      {"cboLPT2", "Port 3"},
                      {"cboType2", "Highscore"},
                      {"cboConType", "TEST"}});
        auto& window = h->open();
        QCOMPARE(h->savedOptions().mid(6, 5),
                 (QStringList{"chkAlternate2 'Alternate Mode' disabled checked",
                              "chkHexx2 'Writeaddress' checked", "txtHexx2 'zz'",
                              "chkShortHexx 'Banknumber' checked", "txtShortHexx '1F0'"}));
        QVERIFY(h->find("txtHexx")->isVisible() && h->text("txtHexx") == "80001");
        QVERIFY(window.upload().flags().hexx && !window.dump().flags().hexx);
        QVERIFY(window.dump().flags().shortHexx);
        QCOMPARE(h->text("lblscript1"),
                 h->native("cartpipe  -r -f -l2 -c1 -w80001 " + h->workFolder() + "/"));
        QCOMPARE(h->text("lblscript2"), QString("cartpipe -a -d  -l3 -c2 -n1F0 -wzz -tTEST "));
        QVERIFY(!h->enabled("cmdPlay") && !h->enabled("cmdPlay2"));  // no ROM, no destination
        QVERIFY(QApplication::focusWidget() != h->find("txtShortHexx"));
        QVERIFY(h->chooseTab(1));  // a restored text goes in unjudged; typing on is judged
        h->press("txtHexx2", Qt::Key_End);
        h->type("txtHexx2", "1x");
        QApplication::clipboard()->setText("g2");  // and so is a paste
        h->press("txtHexx2", Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(h->text("txtHexx2"), QString("zz1"));
        h->type("txtShortHexx", "2");  // nor typed past the box's length
        QCOMPARE(h->text("txtShortHexx"), QString("1F0"));
    }

#ifndef _WIN32  // a registry key cannot be a pipe; the store's own test covers its refusal
    // Start-up hanging on a settings file that is a pipe, Save replacing it or saying nothing.
    void aSettingsFileThatIsAPipeIsLeftAlone() {
        const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Quillon/Quillon.conf";
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        h->open();
        h->click("cmdSave1");
        QCOMPARE(h->messages.size(), 1);
        QVERIFY2(h->messages[0].contains("is a pipe"), qPrintable(h->messages[0]));
        QVERIFY(QFileInfo(file).exists() && !QFileInfo(file).isFile());
    }

    // (Not on Windows: a folder cannot be deleted while current there, and its names are UTF-16.)
    // A start folder that has gone, or whose name cannot be shown, kept for the lists (or its
    // look-alike opened).
    void anUnlistableStartFolderGivesWayToHome() {
        // What "bad\xff" reads as once its byte is replaced.
        QVERIFY(!h->make("bad\uFFFD").isEmpty());
        for (const QByteArray& name : {QByteArray("gone"), QByteArray("bad\xff")}) {
            const QByteArray path = QFile::encodeName(h->workFolder()) + "/" + name;
            QVERIFY(::mkdir(path, 0700) == 0 && ::chdir(path) == 0);
            QVERIFY(name != "gone" || ::rmdir(path) == 0);
            quillon::app::leaveUnlistableStartFolder();
            QCOMPARE(QDir::currentPath() + "|" + name, QDir::homePath() + "|" + name);
            ::rmdir(path);
        }
    }
#endif

private:
    using Values = std::initializer_list<std::pair<const char*, const char*>>;
    void save(const char* section, Values values) {
#ifdef _WIN32
        for (const auto& [key, value] : values) {
            // As earlier Windows versions of the program left them: REG_SZ values, by reg.exe.
            const QString subkey =
                QString::fromStdString(quillon::ui::registryRoot()) + "\\Quillon\\" + section;
            QProcess reg;
            reg.setStandardOutputFile(QProcess::nullDevice());
            reg.start("reg", {"add", subkey, "/v", key, "/t", "REG_SZ", "/d", value, "/f"});
            QVERIFY(reg.waitForFinished() && reg.exitCode() == 0);
        }
#else
        QCOMPARE(h->store.writeSection(section, {values.begin(), values.end()}), std::string());
#endif
    }

    std::optional<WindowHarness> h;
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
