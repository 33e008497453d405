#ifndef _WIN32  // names there are UTF-16, so every one can be shown
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
    const QModelIndex entry =
        list.model()->match(list.model()->index(0, 0), Qt::DisplayRole, text).value(0);
    const QPoint centre = list.visualRect(entry).center();
    twice ? QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre)
          : QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
}

// Mount points that share a beginning among them.
struct StandInDrives final : DriveSource {
    QList<DriveEntry> drives() const override {
        return {{"/", "/"},
                {"/home", "/home"},
                {"/media/usb [MYDISK]", "/media/usb"},
                {"/media/usb2", "/media/usb2"}};
    }
    bool isReady(const DriveEntry&) const override { return true; }
};

}  // namespace

class ListWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    // Files in mixed case, one hidden, and subfolders, one named like a ROM; a file and a folder
    // whose names are not UTF-8 are never listed.
    void init() {
        temp_ = std::make_unique<QTemporaryDir>();
        for (const char* folder : {"beta", "Alpha", "gamma/deep", ".cache", "folder.bin"}) {
            QDir(roms()).mkpath(folder);
        }
        for (const char* name : {"pacman.a78", "GAME.BIN", "Zork.A78", ".bin", "notes.txt",
                                 "readme", "game.bin.txt", "game.a7"}) {
            addFile(name);
        }
#ifndef _WIN32
        QVERIFY(::mkdir(badName(), 0700) == 0 && ::close(::creat(badName() + ".bin", 0600)) == 0);
#endif
        files_ = std::make_unique<FileList>();
        files_->setPattern("*.bin;*.a78");
        files_->setFolder(roms());
    }

#ifndef _WIN32
    void cleanup() { QVERIFY(::unlink(badName() + ".bin") == 0 && ::rmdir(badName()) == 0); }
#endif

    // A case-sensitive match, "*.*" missing dotless names, a folder listed, an
    // unsorted list, a blank after ";" kept, a pattern change that rereads, or
    // an unreadable folder that keeps the old names.
    void fileListShowsTheMatchingFilesSorted() {
        const QStringList all = {".bin",      "game.a7",    "GAME.BIN", "game.bin.txt",
                                 "notes.txt", "pacman.a78", "readme",   "Zork.A78"};
        for (const auto& [pattern, names] :
             {std::pair<QString, QStringList>{"*.bin;*.a78",
                                              {".bin", "GAME.BIN", "pacman.a78", "Zork.A78"}},
              {"*.*", all},
              {"*.TXT", {"game.bin.txt", "notes.txt"}},
              {"game.a?; readme", {"game.a7", "readme"}}}) {
            files_->setPattern(pattern);
            QCOMPARE(entries(*files_), names);
        }
        QFile::remove(QDir(roms()).filePath("readme"));
        addFile("late.bin");
        files_->setPattern("readme;late.bin");
        QCOMPARE(entries(*files_), QStringList{"readme"});
        files_->setFolder(roms());
        QCOMPARE(entries(*files_), QStringList{"late.bin"});
        files_->setFolder(roms() + "/gone");
        QCOMPARE(entries(*files_), QStringList());
    }

    // fileClicked once per click (the current entry too) or moving key; none
    // for Tab, a key that moves nothing, a new folder or pattern, which also
    // leave no entry current.
    void fileListRaisesOneFileClickedPerChoice() {
        files_->show();
        QVERIFY(QTest::qWaitForWindowActive(files_.get()));
        QSignalSpy clicks(files_.get(), &FileList::fileClicked);
        files_->clearFocus();
        files_->setFocus(Qt::TabFocusReason);
        QCOMPARE(files_->currentFileName(), QString());
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}) {
            QTest::keyClick(files_.get(), key);  // the last moves nothing
        }
        QCOMPARE(clicks.count(), 3);
        clickOn(*files_, "Zork.A78");
        clickOn(*files_, "Zork.A78");
        QCOMPARE(files_->currentFileName() + QString::number(clicks.count()), "Zork.A785");
        files_->setPattern("*.*");
        QCOMPARE(files_->currentFileName(), QString());
        clickOn(*files_, "readme");
        files_->setFolder(roms());
        QCOMPARE(files_->currentFileName() + QString::number(clicks.count()), "6");
    }

    // The branch from the root down to the open folder (current), then its
    // subfolders; a double click or Enter opens once, a click or arrow key
    // only moves; a file, a missing path or the same folder is no change.
    void folderListOpensAnEntryOncePerDoubleClickOrEnter() {
        FolderList list;
        for (const QString& refused : {QString(), roms() + "/GAME.BIN", roms() + "/none"}) {
            QVERIFY2(!list.setPath(refused), qPrintable(refused));
        }
        QVERIFY(list.setPath(roms()));
        QStringList branch = QDir::cleanPath(roms()).split('/', Qt::SkipEmptyParts);
        // The root as the system writes it: "/", or "C:\\" whose drive starts the path.
        QDir::rootPath() == "/" ? branch.prepend("/") : void(branch.first() += '\\');
        QCOMPARE(entries(list), branch + QStringList({"Alpha", "beta", "folder.bin", "gamma"}));
        QCOMPARE(list.currentIndex().row(), branch.size() - 1);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy changes(&list, &FolderList::folderChanged);
        QVERIFY(list.setPath(roms() + "/"));
        clickOn(list, "beta");
        QCOMPARE(changes.count(), 0);
        clickOn(list, "gamma", true);
        QCOMPARE(entries(list).last() + QString::number(changes.count()), "deep1");
        clickOn(list, "roms", true);
        QTest::keyClick(&list, Qt::Key_Down);  // from the open folder to "Alpha"
        QTest::keyClick(&list, Qt::Key_Down);  // "beta"
        QCOMPARE(changes.count(), 2);
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(changes.count(), 3);
        QCOMPARE(list.path(), QDir::toNativeSeparators(roms() + "/beta"));
    }

    // driveChanged once per change by program or key; none for the same
    // text, another drive's in other case, or the beginning of one's.
    void driveListRaisesOneChangePerChange() {
        StandInDrives source;
        DriveList list(source);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy changes(&list, &DriveList::driveChanged);
        for (const char* text : {"/media/usb2", "/media/usb2", "/HOME", "/media/usb"}) {
            list.setDrive(text);
        }
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(list.currentEntry(), (DriveEntry{"/media/usb [MYDISK]", "/media/usb"}));
        // A path's drive is the longest root holding it as whole folder names.
        for (const auto& [path, index] : {std::pair{"/", 0},
                                          {"/home", 1},
                                          {"/media/usb/roms", 2},
                                          {"/media/usb2/a", 3},
                                          {"/media/usbstick", 0},
                                          {"roms", -1}}) {
            QVERIFY2(list.indexForPath(path) == index, path);
        }
    }

    // Every folder needs a drive: the system's root is listed, ready ("/" first; on Windows the
    // system drive's letter as "c:"), each drive once (a bind mount must not double one), and a
    // gone mount or drive is not ready.
    void systemDrivesStartWithTheRoot() {
        const std::unique_ptr<DriveSource> source = makeSystemDriveSource();
        QStringList texts, roots;
        for (const DriveEntry& drive : source->drives()) {
            texts.append(drive.text);
            roots.append(drive.root);
        }
        const QString root = QDir::toNativeSeparators(QDir::rootPath());
        const int at = int(roots.indexOf(root));
        QVERIFY2(root == "/" ? at == 0 && texts.value(0) == "/"
                             : texts.value(at).startsWith(root.left(2).toLower()),
                 qPrintable(texts.join('|')));
        const DriveEntry gone = root == "/" ? DriveEntry{"/gone", "/no/such/mount"}
                                            : DriveEntry{"q:", "Q:\\no\\such\\drive"};
        QVERIFY(source->isReady(source->drives().value(at)) && !source->isReady(gone));
        QCOMPARE(texts.removeDuplicates(), 0);
    }

private:
    QString roms() const { return temp_->filePath("roms"); }
    // Qt cannot name it to remove it: cleanup() does.
    QByteArray badName() const { return QFile::encodeName(roms()) + "/bad\xff"; }
    void addFile(const QString& name) const {
        QFile file(QDir(roms()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    std::unique_ptr<QTemporaryDir> temp_;
    std::unique_ptr<FileList> files_;
};

QTEST_MAIN(ListWidgetsTest)
#include "list_widgets_test.moc"
