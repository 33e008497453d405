#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "ui/drive_list.h"
#include "ui_tests.h"

using quillon::ui::DriveEntry;
using quillon::ui::DriveList;
using quillon::ui::DriveSource;

namespace {

// Stand-in drives: a fixed list, with one drive whose medium is missing.
class StandInDrives final : public DriveSource {
public:
    QList<DriveEntry> drives() const override {
        return {{"/", "/"},
                {"/home", "/home"},
                {"/media/usb [MYDISK]", "/media/usb"},
                {"/media/usb2", "/media/usb2"}};
    }
    bool isReady(const DriveEntry& drive) const override { return drive.root != "/media/usb2"; }
};

}  // namespace

class DriveListTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheSourceDrivesInOrder() {
        StandInDrives source;
        DriveList list(source);
        QCOMPARE(list.count(), 4);
        QCOMPARE(list.itemText(2), QString("/media/usb [MYDISK]"));
        QVERIFY(!list.isEditable());
        QCOMPARE(list.accessibleName(), QString("Drive"));
    }

    void setDriveRaisesOneChangePerChange() {
        StandInDrives source;
        DriveList list(source);
        QSignalSpy changes(&list, &DriveList::driveChanged);

        list.setDrive("/media/usb [MYDISK]");
        QCOMPARE(changes.count(), 1);
        QCOMPARE(list.drive(), QString("/media/usb [MYDISK]"));
        QCOMPARE(list.currentEntry(), (DriveEntry{"/media/usb [MYDISK]", "/media/usb"}));

        list.setDrive("/media/usb [MYDISK]");
        QCOMPARE(changes.count(), 1);

        // Texts compare exactly: an unknown or differently written text is no drive.
        list.setDrive("/MEDIA/USB [MYDISK]");
        list.setDrive("/media/usb");
        QCOMPARE(changes.count(), 1);
        QCOMPARE(list.drive(), QString("/media/usb [MYDISK]"));
    }

    void keyboardChoiceRaisesOneChange() {
        StandInDrives source;
        DriveList list(source);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy changes(&list, &DriveList::driveChanged);

        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(list.drive(), QString("/home"));
    }

    void readinessFollowsTheSource() {
        StandInDrives source;
        DriveList list(source);
        list.setDrive("/media/usb2");
        QVERIFY(!list.currentReady());
        list.setDrive("/home");
        QVERIFY(list.currentReady());
    }

    void indexForPathTakesTheLongestRoot_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("index");
        QTest::newRow("root") << "/" << 0;
        QTest::newRow("folder on root") << "/usr/share" << 0;
        QTest::newRow("mount point itself") << "/home" << 1;
        QTest::newRow("inside a mount") << "/media/usb/roms/a" << 2;
        QTest::newRow("longer sibling mount") << "/media/usb2/roms" << 3;
        QTest::newRow("name that only starts like a mount") << "/media/usbstick" << 0;
        QTest::newRow("relative path") << "roms" << -1;
    }
    void indexForPathTakesTheLongestRoot() {
        QFETCH(QString, path);
        QFETCH(int, index);
        StandInDrives source;
        const DriveList list(source);
        QCOMPARE(list.indexForPath(path), index);
    }

    void systemDrivesIncludeTheRoot() {
        const std::unique_ptr<DriveSource> source = quillon::ui::makeSystemDriveSource();
        const QList<DriveEntry> drives = source->drives();
        QVERIFY(!drives.isEmpty());
#ifdef Q_OS_WIN
        const DriveEntry& first = drives.first();
        QVERIFY(first.root.endsWith(":\\"));
#else
        QCOMPARE(drives.first(), (DriveEntry{"/", "/"}));
        QVERIFY(source->isReady(drives.first()));
        QVERIFY(!source->isReady({"/gone", "/no/such/mount"}));
#endif
        QStringList texts;
        for (const DriveEntry& drive : drives) {
            QVERIFY2(!texts.contains(drive.text), qPrintable(drive.text));
            texts.append(drive.text);
        }
    }
};

int runDriveListTests(int argc, char** argv) {
    DriveListTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "drive_list_test.moc"
