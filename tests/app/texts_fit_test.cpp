// The window's texts shown whole in their fixed places, at the scale this run is given
// (QT_SCALE_FACTOR: CMake runs it at 100, 150 and 200 %).
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QStyleOptionComboBox>
#include <QTest>
#include <optional>

#include "window_harness.h"

class TextsFitTest : public QObject {
    Q_OBJECT
private slots:
    void init() { h.emplace().open(); }
    void cleanup() { h.reset(); }

    // An item cut short in its closed box ("Bankswitch…"): too wide a font or drop-down button.
    void everyItemOfAClosedOptionBoxShowsWhole() {
        const QList<QComboBox*> boxes = h->window().findChildren<QComboBox*>();
        int checked = 0;
        for (QComboBox* box : boxes) {
            if (!box->objectName().startsWith("cbo")) {
                continue;  // the drive lists show what the system names
            }
            QVERIFY(h->chooseTab(h->find("fraDown")->isAncestorOf(box) ? 1 : 0));
            QStyleOptionComboBox option;
            option.initFrom(box);
            option.editable = true;
            option.frame = box->hasFrame();
            const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, box);
            QCOMPARE(box->lineEdit()->geometry(), field);
            // A line edit keeps 2 pixels free at either end of its text.
            const int room = field.width() - 4 - box->lineEdit()->textMargins().left() -
                             box->lineEdit()->textMargins().right();
            for (int index = 0; index < box->count(); ++index, ++checked) {
                const QString shown = box->lineEdit()->text();
                QCOMPARE(shown, box->itemText(index));
                const int width = box->lineEdit()->fontMetrics().horizontalAdvance(shown);
                QVERIFY2(width <= room, qPrintable(QString("%1 '%2': %3 pixels in %4")
                                                       .arg(box->objectName(), shown)
                                                       .arg(width)
                                                       .arg(room)));
                h->press(box->objectName().toLatin1().constData(), Qt::Key_Down);
            }
        }
        QVERIFY(checked > 24);
    }

    void aFolderEightLevelsDownKeepsItsName_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("tab");
        QTest::newRow("upload page") << "Dir2" << 0;
        QTest::newRow("download page") << "Dir1" << 1;
    }
    // The open folder's name cut ("Quillon…") or pushed out of view by the indentation of its
    // ancestors, deep in a user's folders.
    void aFolderEightLevelsDownKeepsItsName() {
        QFETCH(QString, list);
        QFETCH(int, tab);
        const QByteArray name = list.toLatin1();
        // The branch's rows stand above the open folder: its row is its depth.
        QStringList branch;
        for (int depth = h->find<QListView>(name.constData())->currentIndex().row(); depth < 7;
             ++depth) {
            branch << QString("level %1").arg(depth + 1);
        }
        branch << "Quillon-2.5.0";
        QVERIFY(!h->make(branch.join('/')).isEmpty());
        h->open();
        QVERIFY(h->chooseTab(tab));
        auto* view = h->find<QListView>(name.constData());
        for (const QString& folder : branch) {
            QVERIFY(h->openFolder(name.constData(), folder));
        }
        QCOMPARE(view->currentIndex().data().toString(), branch.last());
        const int needed = view->sizeHintForIndex(view->currentIndex()).width();
        QVERIFY2(needed <= view->viewport()->width(),
                 qPrintable(QString("%1 of %2 pixels").arg(needed).arg(view->viewport()->width())));
    }

private:
    std::optional<quillon::testing::WindowHarness> h;
};

QTEST_MAIN(TextsFitTest)
#include "texts_fit_test.moc"
