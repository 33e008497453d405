#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

#include "ui/folder_list.h"
#include "ui_tests.h"

using quillon::ui::FolderList;

namespace {

QStringList entries(const FolderList& list) {
    QStringList texts;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        texts.append(list.model()->index(row, 0).data().toString());
    }
    return texts;
}

QModelIndex entryNamed(const FolderList& list, const QString& text) {
    const QModelIndexList found =
        list.model()->match(list.model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    return found.value(0);
}

// <temp>/roms with subfolders in mixed case, a hidden one and a file.
struct RomTree {
    QTemporaryDir temp;
    QString roms = temp.filePath("roms");

    RomTree() {
        for (const char* name : {"roms/beta", "roms/Alpha", "roms/gamma/deep", "roms/.cache"}) {
            QDir(temp.path()).mkpath(name);
        }
        QFile file(temp.filePath("roms/game.bin"));
        file.open(QIODevice::WriteOnly);
    }
};

}  // namespace

class FolderListTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheBranchToTheFolderAndItsSubfolders() {
        RomTree tree;
        FolderList list;
        QVERIFY(list.setPath(tree.roms));

        QStringList branch = QDir::cleanPath(tree.roms).split('/', Qt::SkipEmptyParts);
        branch.prepend("/");
        QCOMPARE(entries(list), branch + QStringList({"Alpha", "beta", "gamma"}));
        QCOMPARE(list.currentIndex().row(), branch.size() - 1);
        QCOMPARE(list.path(), QDir::toNativeSeparators(tree.roms));
        QCOMPARE(list.accessibleName(), QString("Folder"));
    }

    void rootIsItsOwnFirstEntry() {
        FolderList list;
        QVERIFY(list.setPath(QDir::rootPath()));
        QCOMPARE(list.path(), QDir::toNativeSeparators(QDir::rootPath()));
        QCOMPARE(entries(list).first(), list.path());
        QCOMPARE(list.currentIndex().row(), 0);
    }

    void refusesWhatIsNoFolder_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("file") << "roms/game.bin";
        QTest::newRow("missing") << "roms/none";
        QTest::newRow("empty") << "";
    }
    void refusesWhatIsNoFolder() {
        QFETCH(QString, target);
        RomTree tree;
        FolderList list;
        list.setPath(tree.roms);
        QSignalSpy changes(&list, &FolderList::folderChanged);

        QVERIFY(!list.setPath(target.isEmpty() ? target : tree.temp.filePath(target)));
        QCOMPARE(list.path(), QDir::toNativeSeparators(tree.roms));
        QCOMPARE(changes.count(), 0);
    }

    void sameFolderAgainRaisesNothing() {
        RomTree tree;
        FolderList list;
        list.setPath(tree.roms);
        QSignalSpy changes(&list, &FolderList::folderChanged);
        QVERIFY(list.setPath(tree.roms + "/"));
        QCOMPARE(changes.count(), 0);
    }

    void doubleClickOpensAnEntryOnce() {
        RomTree tree;
        FolderList list;
        list.setPath(tree.roms);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy changes(&list, &FolderList::folderChanged);

        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                           list.visualRect(entryNamed(list, "gamma")).center());
        QCOMPARE(changes.count(), 1);
        QCOMPARE(list.path(), QDir::toNativeSeparators(tree.temp.filePath("roms/gamma")));
        QCOMPARE(entries(list).last(), QString("deep"));

        // Up the branch again: the ancestor entry opens the parent.
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                           list.visualRect(entryNamed(list, "roms")).center());
        QCOMPARE(changes.count(), 2);
        QCOMPARE(list.path(), QDir::toNativeSeparators(tree.roms));
    }

    void singleClickOnlyMovesTheHighlight() {
        RomTree tree;
        FolderList list;
        list.setPath(tree.roms);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy changes(&list, &FolderList::folderChanged);

        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualRect(entryNamed(list, "beta")).center());
        QCOMPARE(changes.count(), 0);
        QCOMPARE(list.path(), QDir::toNativeSeparators(tree.roms));
    }

    void arrowsMoveAndEnterOpens() {
        RomTree tree;
        FolderList list;
        list.setPath(tree.roms);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy changes(&list, &FolderList::folderChanged);

        QTest::keyClick(&list, Qt::Key_Down);  // from the open folder to "Alpha"
        QTest::keyClick(&list, Qt::Key_Down);  // "beta"
        QCOMPARE(changes.count(), 0);
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(list.path(), QDir::toNativeSeparators(tree.temp.filePath("roms/beta")));
    }

    void unreadableFolderOpensWithNoSubfolders() {
        if (geteuid() == 0) {
            QSKIP("runs as root, who reads every folder whatever its permissions; "
                  "the refusal of non-folders is tested above");
        }
        RomTree tree;
        const QString locked = tree.temp.filePath("roms/gamma");
        QFile::setPermissions(locked, QFileDevice::ExeOwner);
        FolderList list;
        const bool opened = list.setPath(locked);
        const QStringList shown = entries(list);
        // Readable again before any check can end the test, so the folder can be removed.
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QVERIFY(opened);
        QCOMPARE(shown.last(), QString("gamma"));  // "deep" stays unseen
    }
};

int runFolderListTests(int argc, char** argv) {
    FolderListTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "folder_list_test.moc"
