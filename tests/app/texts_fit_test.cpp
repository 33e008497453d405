// The window's texts shown whole in their fixed places, at the scale this run is given
// (QT_SCALE_FACTOR: CMake runs it at 100, 150 and 200 %).
#include <QComboBox>
#include <QLineEdit>
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

private:
    std::optional<quillon::testing::WindowHarness> h;
};

QTEST_MAIN(TextsFitTest)
#include "texts_fit_test.moc"
