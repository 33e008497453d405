#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/twips.h"
#include "window_harness.h"

using quillon::testing::WindowHarness;

namespace {

// What a control shows as its text, whatever its kind.
QString shownText(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        return combo->currentText();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text();
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        return frame->title();
    }
    return {};
}

QStringList items(QComboBox* box) {
    QStringList all;
    for (int index = 0; index < box->count(); ++index) {
        all.append(box->itemText(index));
    }
    return all;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { harness_ = std::make_unique<WindowHarness>(); }
    void cleanup() { harness_.reset(); }

    void firstStartShowsEveryControlAsLaidOut_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("enabled");
        const auto row = [](const char* name, const char* text, bool shown, bool enabled) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text) << shown
                                << enabled;
        };
        row("fraUp", "Comp to Atari", true, true);
        row("lblLogo", "Quillon", true, true);
        row("lblName", "", true, true);
        row("lblSize", "", true, true);
        row("cmdPlay", "&Upload Rom", true, false);
        row("cmdExit", "E&xit", true, true);
        row("cboDouble", "No Double", true, true);
        row("lblDouble1", "Double Transfer:", true, true);
        row("cmdView1", "Click to See All Files", true, true);
        row("cmdView2", "Click to see atari Files", false, true);
        row("chkFast", "Fast Transfer", true, true);
        row("cboLPT", "Port 1", true, true);
        row("lblLPT", "LPT Port Number:", true, true);
        row("chkHexx", "Writeaddress", true, true);
        row("txtHexx", "", false, false);
        row("Label1", "(4-digit Hex)", true, true);
        row("cboType", "Bankswitched", true, true);
        row("lblType", "Cartridge Type:", true, true);
        row("cmdSave1", "&Save Settings", true, true);
        row("fraDown", "Atari to Comp", false, true);
        row("lblLogo2", "Quillon", true, true);
        row("cboConType", "TEST", true, true);
        row("txtFileInput", "", true, true);
        row("cmdPlay2", "&Dump Rom", true, false);
        row("cmdExit2", "E&xit", true, true);
        row("chkAlternate2", "Alternate Mode", true, false);
        row("cboDouble2", "No Double", true, true);
        row("lblDouble2", "Double Transfer:", true, true);
        row("chkHexx2", "Writeaddress", true, true);
        row("txtHexx2", "", false, false);
        row("cboLPT2", "Port 1", true, true);
        row("lbltemp1", "(4-digit Hex)", true, true);
        row("lblLPT2", "LPT Port Number:", true, true);
        row("txtShortHexx", "", false, false);
        row("chkShortHexx", "Banknumber", true, true);
        row("cboType2", "Bankswitched", true, true);
        row("lbltemp2", "(2-digit Hex)", true, true);
        row("lblType2", "Cartridge Type:", true, true);
        row("cmdSave2", "&Save Settings", true, true);
    }

    void firstStartShowsEveryControlAsLaidOut() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(bool, shown);
        QFETCH(bool, enabled);
        harness_->open();
        auto* widget = harness_->window().findChild<QWidget*>(control);
        QVERIFY(widget);
        QCOMPARE(shownText(widget), text);
        // The control's own switches; the download page as a whole is hidden.
        QCOMPARE(!widget->isHidden(), shown);
        QCOMPARE(widget->isEnabled(), enabled);
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            QCOMPARE(box->checkState(), Qt::Unchecked);
        }
    }

    void listsHoldTheirItemsInOrder_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("expected");
        const QStringList types = {"Bankswitched", "Linear", "Highscore"};
        const QStringList ports = {"Port 1", "Port 2", "Port 3"};
        const QStringList doubles = {"No Double", "Double ", "Reverse"};
        QTest::newRow("cboType") << "cboType" << types;
        QTest::newRow("cboType2") << "cboType2" << types;
        QTest::newRow("cboLPT") << "cboLPT" << ports;
        QTest::newRow("cboLPT2") << "cboLPT2" << ports;
        QTest::newRow("cboDouble") << "cboDouble" << doubles;
        QTest::newRow("cboDouble2") << "cboDouble2" << doubles;
        QTest::newRow("cboConType")
            << "cboConType"
            << QStringList{"TEST", "7816", "7832", "7848", "78AB", "78AC", "78S4", "78SG",
                           "78S9", "262K", "264K", "26F8", "26E0", "26P2", "26FA", "26F6",
                           "26E7", "26F4", "26F0", "26FE", "26S8", "26S6", "26S4", "263F"};
    }

    void listsHoldTheirItemsInOrder() {
        QFETCH(QString, control);
        QFETCH(QStringList, expected);
        auto* box = harness_->open().findChild<QComboBox*>(control);
        QVERIFY(box);
        QCOMPARE(items(box), expected);
        QVERIFY(box->isEditable());
    }

    void firstStartComposesBothPreviewsAndFlags() {
        auto& window = harness_->open();
        const QString work = harness_->workFolder();
        QCOMPARE(harness_->find<QLabel>("lblscript1")->text(),
                 QStringLiteral("cartpipe       %1/").arg(work));
        QCOMPARE(harness_->find<QLabel>("lblscript2")->text(),
                 QStringLiteral("cartpipe        -tTEST "));
        QVERIFY(window.uploadFlags().hexx && !window.uploadFlags().select &&
                window.uploadFlags().shortHexx);
        QVERIFY(window.dumpFlags().hexx && !window.dumpFlags().select &&
                window.dumpFlags().shortHexx);
        QVERIFY(harness_->messages.isEmpty());
        QVERIFY(harness_->launcher.started.empty());
    }

    void listsStartInTheCurrentFolder() {
        harness_->open();
        for (const char* drive : {"Drive1", "Drive2"}) {
            QCOMPARE(harness_->find<quillon::ui::DriveList>(drive)->drive(), QString("Work"));
        }
        for (const char* folder : {"Dir1", "Dir2"}) {
            QCOMPARE(harness_->find<quillon::ui::FolderList>(folder)->path(),
                     harness_->workFolder());
        }
        auto* files = harness_->find<quillon::ui::FileList>("flbOpen");
        QCOMPARE(files->folder(), harness_->workFolder());
        QCOMPARE(files->pattern(), QString("*.bin;*.a78"));
        QVERIFY(files->currentFileName().isEmpty());
    }

    void windowShowsTheUploadPageInOneFixedArea() {
        auto& window = harness_->open();
        QCOMPARE(window.windowTitle(), QString("Quillon 2.5"));
        QCOMPARE(window.objectName(), QString("frmGameLoader"));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.size(), quillon::ui::twipsSize(5730, 5790));

        QTabWidget* tabs = window.controls().tabTrans;
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QString("Upload to  Atari"));
        QCOMPARE(tabs->tabText(1), QString("Download from Atari"));
        QCOMPARE(tabs->currentIndex(), 0);

        auto* upload = harness_->find<QGroupBox>("fraUp");
        auto* download = harness_->find<QGroupBox>("fraDown");
        QVERIFY(upload->isVisible());
        QVERIFY(!download->isVisible());
        QCOMPARE(download->geometry(), upload->geometry());
        // Both frames lie inside the tab strip, below its row of tabs.
        QVERIFY(tabs->geometry().contains(upload->geometry()));
        QVERIFY(upload->y() >= tabs->y() + tabs->tabBar()->height());
    }

    void controlsStandAtTheirPlaces_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("twipsRect");
        const auto row = [](const char* name, int left, int top, int width, int height) {
            QTest::newRow(name) << QString::fromLatin1(name) << QRect(left, top, width, height);
        };
        row("tabTrans", 60, 60, 5655, 5655);
        row("Drive2", 420, 360, 2055, 315);
        row("Dir2", 420, 660, 2055, 1215);
        row("flbOpen", 360, 1860, 2175, 1065);
        row("lblName", 2580, 1500, 1275, 495);
        row("cmdPlay", 2760, 2220, 1035, 435);
        row("cboDouble", 4080, 2820, 1215, 315);
        row("cmdView1", 420, 2940, 2055, 315);
        row("cmdView2", 420, 2940, 2055, 315);
        row("txtHexx", 1740, 3780, 855, 315);
        row("Label1", 1740, 3780, 915, 315);
        row("lblscript1", 2040, 4140, 3075, 615);
        row("cmdSave1", 300, 4440, 1155, 435);
        row("Drive1", 180, 360, 2415, 315);
        row("Dir1", 180, 660, 2415, 1440);
        row("cboConType", 3420, 1620, 975, 315);
        row("txtFileInput", 120, 2160, 2535, 615);
        row("chkAlternate2", 300, 2820, 1515, 375);
        row("txtHexx2", 1740, 3300, 855, 315);
        row("txtShortHexx", 1740, 3720, 855, 315);
        row("chkShortHexx", 300, 3780, 1275, 255);
        row("lblscript2", 2040, 4140, 3075, 615);
        row("cmdSave2", 300, 4440, 1155, 435);
    }

    void controlsStandAtTheirPlaces() {
        QFETCH(QString, control);
        QFETCH(QRect, twipsRect);
        auto* widget = harness_->open().findChild<QWidget*>(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), quillon::ui::twipsRect(twipsRect.x(), twipsRect.y(),
                                                            twipsRect.width(),
                                                            twipsRect.height()));
    }

    void hintShowsUntilItsBoxIsSwitchedOn() {
        harness_->open();
        auto* page = harness_->find<QGroupBox>("fraUp");
        auto* box = harness_->find<QLineEdit>("txtHexx");
        const QPoint middle = box->geometry().center();
        QCOMPARE(page->childAt(middle), harness_->find<QLabel>("Label1"));

        auto* option = harness_->find<QCheckBox>("chkHexx");
        QTest::mouseClick(option, Qt::LeftButton, {}, option->rect().center());
        QWidget* top = page->childAt(middle);
        QVERIFY(top == box || box->isAncestorOf(top));
    }

    void logoAndLabelsLookAsLaidOut() {
        harness_->open();
        for (const char* name : {"lblLogo", "lblLogo2"}) {
            auto* logo = harness_->find<QLabel>(name);
            QVERIFY(logo->font().italic());
            QCOMPARE(logo->font().weight(), QFont::Normal);
            QVERIFY(logo->font().families().contains("Georgia") ||
                    logo->font().family() == "Georgia");
            QCOMPARE(logo->alignment(), Qt::AlignCenter);
        }
        for (const char* name : {"lblName", "lblSize"}) {
            auto* label = harness_->find<QLabel>(name);
            QCOMPARE(label->frameShape(), QFrame::Box);
            QCOMPARE(label->alignment(), Qt::AlignCenter);
        }
        for (const char* name : {"lblscript1", "lblscript2"}) {
            auto* preview = harness_->find<QLabel>(name);
            QVERIFY(preview->autoFillBackground());
            QCOMPARE(preview->palette().color(QPalette::Active, QPalette::Window),
                     preview->palette().color(QPalette::Inactive, QPalette::Mid));
        }
    }

private:
    std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
