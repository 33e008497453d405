#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"

using namespace quillon::ui;

namespace {

QStringList entries(const QAbstractItemView& list) {
    QStringList texts;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        texts.append(list.model()->index(row, 0).data().toString());
    }
    return texts;
}

// Clicks, or double-clicks, the entry that shows `text`.
void clickOn(QAbstractItemView& list, const QString& text, bool twice = false) {
    const QAbstractItemModel& model = *list.model();
    const QModelIndex entry = model.match(model.index(0, 0), Qt::DisplayRole, text).value(0);
    const QPoint centre = list.visualRect(entry).center();
    twice ? QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre)
          : QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
}

// Stand-in drives: a fixed list, mount points that share a beginning among them.
class StandInDrives final : public DriveSource {
public:
    QList<DriveEntry> drives() const override {
        return {{"/", "/"}, {"/home", "/home"}, {"/media/usb [MYDISK]", "/media/usb"},
                {"/media/usb2", "/media/usb2"}};
    }
    bool isReady(const DriveEntry&) const override { return true; }
};

}  // namespace

class ListWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    // A fresh folder "roms" per test: files in mixed case, one hidden, and
    // subfolders, one hidden, one named like a ROM, one with a subfolder.
    void init() {
        temp_ = std::make_unique<QTemporaryDir>();
        for (const char* folder : {"beta", "Alpha", "gamma/deep", ".cache", "folder.bin"}) {
            QDir(roms()).mkpath(folder);
        }
        for (const char* name : {"pacman.a78", "GAME.BIN", "Zork.A78", "ms.pac.A78", ".bin",
                                 "notes.txt", "readme", "game.bin.txt", "game.a7"}) {
            addFile(name);
        }
        files_ = std::make_unique<FileList>();
        files_->setPattern("*.bin;*.a78");
        files_->setFolder(roms());
    }

    // Wildcards match whatever the letter case, "*.*" takes names without a
    // dot too, folders never show, and the names are sorted case-blind.
    void fileListShowsTheMatchingFilesSorted_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("names");
        QTest::addRow("ROMs") << "*.bin;*.a78"
                              << QStringList{".bin", "GAME.BIN", "ms.pac.A78", "pacman.a78",
                                             "Zork.A78"};
        QTest::addRow("all files")
            << "*.*"
            << QStringList{".bin",      "game.a7",    "GAME.BIN", "game.bin.txt", "ms.pac.A78",
                           "notes.txt", "pacman.a78", "readme",   "Zork.A78"};
        QTest::addRow("upper-case wildcard") << "*.TXT" << QStringList{"game.bin.txt", "notes.txt"};
        QTest::addRow("question mark") << "game.a?" << QStringList{"game.a7"};
        QTest::addRow("blank after ;") << "*.a7; readme" << QStringList{"game.a7", "readme"};
        QTest::addRow("nothing matches") << "*.rom" << QStringList{};
    }
    void fileListShowsTheMatchingFilesSorted() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, names);
        files_->setPattern(pattern);
        QCOMPARE(entries(*files_), names);
    }

    // A new pattern filters the names read before; only setting the folder
    // reads it again, and a folder that cannot be read lists nothing.
    void fileListRereadsOnlyWhenTheFolderIsSet() {
        QFile::remove(QDir(roms()).filePath("readme"));
        addFile("late.bin");
        files_->setPattern("readme;late.bin");
        QCOMPARE(entries(*files_), QStringList{"readme"});
        files_->setFolder(roms());
        QCOMPARE(entries(*files_), QStringList{"late.bin"});
        files_->setFolder(roms() + "/gone");
        QCOMPARE(entries(*files_), QStringList());
    }

    // Every choice of the user raises fileClicked once: a click, a click on
    // the current entry again, an arrow key that moves; entering the list by
    // Tab, a key that moves nothing, a new folder or pattern raise none, and
    // a new folder or pattern leave no entry current.
    void fileListRaisesOneFileClickedPerChoice() {
        files_->show();
        QVERIFY(QTest::qWaitForWindowActive(files_.get()));
        QSignalSpy clicks(files_.get(), &FileList::fileClicked);
        files_->clearFocus();
        files_->setFocus(Qt::TabFocusReason);
        QCOMPARE(files_->currentFileName(), QString());
        QTest::keyClick(files_.get(), Qt::Key_Down);
        QCOMPARE(files_->currentFileName(), QString(".bin"));
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
            QTest::keyClick(files_.get(), key);
        }
        QCOMPARE(files_->currentFileName(), QString("GAME.BIN"));
        QTest::keyClick(files_.get(), Qt::Key_Home);
        QTest::keyClick(files_.get(), Qt::Key_Up);  // already at the top: no choice
        QCOMPARE(clicks.count(), 5);
        clickOn(*files_, "Zork.A78");
        clickOn(*files_, "Zork.A78");
        QCOMPARE(clicks.count(), 7);
        QCOMPARE(files_->currentFileName(), QString("Zork.A78"));
        files_->setPattern("*.*");
        QCOMPARE(files_->currentFileName(), QString());
        clickOn(*files_, "readme");
        files_->setFolder(roms());
        QCOMPARE(files_->currentFileName(), QString());
        QCOMPARE(clicks.count(), 8);
    }

    // Only another folder is opened and announced: what is no folder is
    // refused, the same folder written otherwise is no change.
    void folderListOpensOnlyAnotherFolder_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("accepted");
        QTest::addRow("file") << "/GAME.BIN" << false;
        QTest::addRow("missing") << "/none" << false;
        QTest::addRow("empty") << QString() << false;
        QTest::addRow("same folder, trailing slash") << "/" << true;
    }
    void folderListOpensOnlyAnotherFolder() {
        QFETCH(QString, target);
        QFETCH(bool, accepted);
        FolderList list;
        list.setPath(roms());
        QSignalSpy changes(&list, &FolderList::folderChanged);
        QCOMPARE(list.setPath(target.isNull() ? target : roms() + target), accepted);
        QCOMPARE(list.path(), QDir::toNativeSeparators(roms()));
        QCOMPARE(changes.count(), 0);
    }

    // The list shows the branch from the root down to the open folder (the
    // current entry), then its visible subfolders sorted. A double click or
    // Enter opens an entry, a subfolder or an ancestor, once; a single click
    // and the arrow keys only move the highlight.
    void folderListOpensAnEntryOncePerDoubleClickOrEnter() {
        FolderList list;
        QVERIFY(list.setPath(roms()));
        QStringList branch = QDir::cleanPath(roms()).split('/', Qt::SkipEmptyParts);
        branch.prepend("/");
        QCOMPARE(entries(list), branch + QStringList({"Alpha", "beta", "folder.bin", "gamma"}));
        QCOMPARE(list.currentIndex().row(), branch.size() - 1);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy changes(&list, &FolderList::folderChanged);
        clickOn(list, "beta");
        QCOMPARE(changes.count(), 0);
        clickOn(list, "gamma", true);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(entries(list).last(), QString("deep"));
        clickOn(list, "roms", true);
        QCOMPARE(changes.count(), 2);
        QTest::keyClick(&list, Qt::Key_Down);  // from the open folder to "Alpha"
        QTest::keyClick(&list, Qt::Key_Down);  // "beta"
        QCOMPARE(changes.count(), 2);
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(changes.count(), 3);
        QCOMPARE(list.path(), QDir::toNativeSeparators(roms() + "/beta"));
    }

    // A folder whose subfolders cannot be read still opens, with none listed.
    void folderListOpensAnUnreadableFolderWithNoSubfolders() {
        if (geteuid() == 0) {
            QSKIP("root reads every folder whatever its permissions");
        }
        const QString locked = roms() + "/gamma";
        QFile::setPermissions(locked, QFile::ExeOwner);
        FolderList list;
        const bool opened = list.setPath(locked);
        // Readable again before a check can end the test, so that it can be removed.
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(opened);
        QCOMPARE(entries(list).last(), QString("gamma"));
    }

    // One driveChanged per change of the drive, by the program or the user;
    // none for the same text again or a text that names no drive exactly
    // (another drive's in other letter case, or the beginning of one's).
    void driveListRaisesOneChangePerChange() {
        StandInDrives source;
        DriveList list(source);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy changes(&list, &DriveList::driveChanged);
        list.setDrive("/media/usb2");
        for (const char* noChange : {"/media/usb2", "/HOME", "/media/usb"}) {
            list.setDrive(noChange);
        }
        QCOMPARE(changes.count(), 1);
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(list.currentEntry(), (DriveEntry{"/media/usb [MYDISK]", "/media/usb"}));
    }

    // The drive of a path is the one with the longest root that holds it
    // as a whole folder name.
    void driveListFindsTheDriveOfAPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("index");
        QTest::addRow("root") << "/" << 0;
        QTest::addRow("folder on root") << "/usr/share" << 0;
        QTest::addRow("mount point itself") << "/home" << 1;
        QTest::addRow("inside a mount") << "/media/usb/roms/a" << 2;
        QTest::addRow("longer sibling mount") << "/media/usb2/roms" << 3;
        QTest::addRow("name that only starts like a mount") << "/media/usbstick" << 0;
        QTest::addRow("relative path") << "roms" << -1;
    }
    void driveListFindsTheDriveOfAPath() {
        QFETCH(QString, path);
        QFETCH(int, index);
        StandInDrives source;
        QCOMPARE(DriveList(source).indexForPath(path), index);
    }

    // Every folder has a drive: the system's list starts with "/", ready,
    // and names each drive once.
    void systemDrivesStartWithTheRoot() {
        const std::unique_ptr<DriveSource> source = makeSystemDriveSource();
        const QList<DriveEntry> drives = source->drives();
        QCOMPARE(drives.value(0), (DriveEntry{"/", "/"}));
        QVERIFY(source->isReady(drives.value(0)));
        QVERIFY(!source->isReady({"/gone", "/no/such/mount"}));
        QStringList texts;
        for (const DriveEntry& drive : drives) {
            texts.append(drive.text);
        }
        QCOMPARE(texts.removeDuplicates(), 0);
    }

private:
    QString roms() const { return temp_->filePath("roms"); }
    void addFile(const QString& name) const {
        QFile file(QDir(roms()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    std::unique_ptr<QTemporaryDir> temp_;
    std::unique_ptr<FileList> files_;
};

QTEST_MAIN(ListWidgetsTest)
#include "list_widgets_test.moc"
