#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ui/file_list.h"
#include "ui_tests.h"

using quillon::ui::FileList;

namespace {

QStringList entries(const FileList& list) {
    QStringList names;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        names.append(list.model()->index(row, 0).data().toString());
    }
    return names;
}

// A folder of ROMs and other files in mixed case, with a folder whose name
// matches the pattern.
struct RomFolder {
    QTemporaryDir temp;

    RomFolder() {
        for (const char* name : {"pacman.a78", "GAME.BIN", "Zork.A78", "ms.pac.A78", ".bin",
                                 "notes.txt", "readme", "game.bin.txt", "game.a7"}) {
            add(name);
        }
        QDir(temp.path()).mkdir("folder.bin");
    }
    void add(const QString& name) const {
        QFile file(temp.filePath(name));
        file.open(QIODevice::WriteOnly);
    }
};

void click(FileList& list, int row) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(row, 0)).center());
}

}  // namespace

class FileListTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheMatchingFilesSorted_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Atari files")
            << "*.bin;*.a78" << QStringList{".bin", "GAME.BIN", "ms.pac.A78", "pacman.a78", "Zork.A78"};
        QTest::newRow("all files")
            << "*.*" << QStringList{".bin", "game.a7", "GAME.BIN", "game.bin.txt", "ms.pac.A78",
                                    "notes.txt", "pacman.a78", "readme", "Zork.A78"};
        QTest::newRow("upper-case wildcard") << "*.TXT" << QStringList{"game.bin.txt", "notes.txt"};
        QTest::newRow("question mark") << "game.a?" << QStringList{"game.a7"};
        QTest::newRow("blank around the separator") << "*.a7; readme" << QStringList{"game.a7", "readme"};
        QTest::newRow("nothing matches") << "*.rom" << QStringList{};
    }
    void listsTheMatchingFilesSorted() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, names);
        RomFolder folder;
        FileList list;
        list.setPattern(pattern);
        list.setFolder(folder.temp.path());
        QCOMPARE(entries(list), names);
        QCOMPARE(list.count(), names.size());
        QCOMPARE(list.pattern(), pattern);
        QCOMPARE(list.folder(), folder.temp.path());
    }

    void patternToggleFiltersWhatWasRead() {
        RomFolder folder;
        FileList list;
        list.setPattern("*.bin;*.a78");
        list.setFolder(folder.temp.path());
        // Changes on disk after the folder was read show only when it is set again.
        QFile::remove(folder.temp.filePath("readme"));
        folder.add("late.bin");
        list.setPattern("*.*");
        QVERIFY(entries(list).contains("readme"));
        QVERIFY(!entries(list).contains("late.bin"));
        list.setFolder(folder.temp.path());
        QVERIFY(!entries(list).contains("readme"));
        QVERIFY(entries(list).contains("late.bin"));
    }

    void folderThatCannotBeReadListsNothing() {
        RomFolder folder;
        FileList list;
        list.setFolder(folder.temp.path());
        list.setFolder(folder.temp.filePath("gone"));
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.currentFileName(), QString());
    }

    void clicksRaiseOneSignalEach() {
        RomFolder folder;
        FileList list;
        list.setPattern("*.bin;*.a78");
        list.setFolder(folder.temp.path());
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicks(&list, &FileList::fileClicked);

        click(list, 1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(list.currentFileName(), QString("GAME.BIN"));
        click(list, 1);  // the current entry again
        QCOMPARE(clicks.count(), 2);
        click(list, 3);
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(list.currentFileName(), QString("pacman.a78"));
    }

    void newFolderOrPatternLeavesNoEntryCurrent() {
        RomFolder folder;
        FileList list;
        list.setPattern("*.bin;*.a78");
        list.setFolder(folder.temp.path());
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        click(list, 0);
        QSignalSpy clicks(&list, &FileList::fileClicked);

        list.setPattern("*.*");
        QCOMPARE(list.currentFileName(), QString());
        click(list, 0);
        list.setFolder(folder.temp.path());
        QCOMPARE(list.currentFileName(), QString());
        QCOMPARE(clicks.count(), 1);  // the click only
    }

    void keyboardChoosesOneEntryPerKey() {
        RomFolder folder;
        FileList list;
        list.setPattern("*.bin;*.a78");
        list.setFolder(folder.temp.path());
        list.show();
        QVERIFY(QTest::qWaitForWindowActive(&list));
        QSignalSpy clicks(&list, &FileList::fileClicked);

        // Entering the list by Tab chooses nothing yet.
        list.clearFocus();
        list.setFocus(Qt::TabFocusReason);
        QVERIFY(list.hasFocus());
        QCOMPARE(list.currentFileName(), QString());
        QCOMPARE(clicks.count(), 0);

        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.currentFileName(), QString(".bin"));
        QTest::keyClick(&list, Qt::Key_Down);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.currentFileName(), QString("ms.pac.A78"));
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.currentFileName(), QString("GAME.BIN"));
        QCOMPARE(clicks.count(), 4);
        QTest::keyClick(&list, Qt::Key_Home);
        QTest::keyClick(&list, Qt::Key_Up);  // already at the top: no change
        QCOMPARE(clicks.count(), 5);
    }
};

int runFileListTests(int argc, char** argv) {
    FileListTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "file_list_test.moc"
