#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "window_harness.h"

using quillon::testing::WindowHarness;
using quillon::testing::click;

namespace {


// Every saved option of both pages, as the controls show it, to compare one
// window with the next.
QStringList savedOptions(quillon::app::frmGameLoader& window) {
    QStringList values;
    for (const char* box : {"chkFast", "chkHexx", "chkAlternate2", "chkHexx2", "chkShortHexx"}) {
        values << QString("%1=%2").arg(box).arg(window.findChild<QCheckBox*>(box)->isChecked());
    }
    for (const char* edit : {"txtHexx", "txtHexx2", "txtShortHexx"}) {
        auto* field = window.findChild<QLineEdit*>(edit);
        values << QString("%1=%2 shown %3").arg(edit, field->text()).arg(!field->isHidden());
    }
    for (const char* combo :
         {"cboDouble", "cboLPT", "cboType", "cboDouble2", "cboLPT2", "cboType2", "cboConType"}) {
        values << QString("%1=%2").arg(combo, window.findChild<QComboBox*>(combo)->currentText());
    }
    return values;
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { harness_ = std::make_unique<WindowHarness>(); }
    void cleanup() { harness_.reset(); }

    void bothSavedPagesComeBackInStep() {
        writeUpload({{"chkFast", "True"}, {"chkHexx", "True"}, {"txtHexx", "8000"},
                     {"cboDouble", "Reverse"}, {"cboLPT", "Port 2"}, {"cboType", "Linear"},
                     {"Load", "Yes"}});
        writeDump({{"chkAlternate2", "True"}, {"chkHexx2", "True"}, {"txtHexx2", "C0"},
                   {"chkShortHexx", "True"}, {"txtShortHexx", "1F"}, {"cboDouble2", "Double "},
                   {"cboLPT2", "Port 3"}, {"cboType2", "Highscore"}, {"cboConType", "TEST"},
                   {"Load2", "Yes"}});
        auto& window = harness_->open();

        auto* write = find<QLineEdit>("txtHexx");
        QVERIFY(!write->isHidden() && write->isEnabled());
        QCOMPARE(write->text(), QString("8000"));
        QVERIFY(window.uploadFlags().hexx);
        QCOMPARE(find<QLabel>("lblscript1")->text(),
                 "cartpipe  -r -f -l2 -c1 -w8000 " + harness_->workFolder() + "/");
        QVERIFY(!find<QPushButton>("cmdPlay")->isEnabled());  // no ROM chosen yet

        QCOMPARE(find<QLineEdit>("txtHexx2")->text(), QString("C0"));
        QVERIFY(!window.dumpFlags().hexx);
        QCOMPARE(find<QLineEdit>("txtShortHexx")->text(), QString("1F"));
        QVERIFY(window.dumpFlags().shortHexx);
        auto* alternate = find<QCheckBox>("chkAlternate2");
        QVERIFY(alternate->isChecked() && !alternate->isEnabled());
        QCOMPARE(find<QLabel>("lblscript2")->text(),
                 QString("cartpipe -a -d  -l3 -c2 -n1F -wC0 -tTEST "));
        QVERIFY(!find<QPushButton>("cmdPlay2")->isEnabled());
        // The restore ran before the window was shown: no focus was moved.
        QVERIFY(QApplication::focusWidget() != find<QWidget>("txtShortHexx"));
    }

    void oneSavedPageLeavesTheOtherAsLaidOut() {
        writeDump({{"chkHexx2", "False"}, {"txtHexx2", "C000"}, {"cboConType", "26F8"},
                   {"cboLPT2", "port 2"}, {"Load2", "Yes"}});
        auto& window = harness_->open();
        QVERIFY(find<QLineEdit>("txtHexx2")->isHidden());
        QVERIFY(find<QLineEdit>("txtHexx2")->text().isEmpty());
        QVERIFY(find<QCheckBox>("chkAlternate2")->isEnabled());
        // Missing keys read as the empty text, kept as it stands.
        QCOMPARE(find<QComboBox>("cboDouble2")->currentText(), QString());
        QCOMPARE(find<QComboBox>("cboLPT2")->currentText(), QString("port 2"));
        QCOMPARE(find<QLabel>("lblscript2")->text(), QString("cartpipe        -t26F8 "));

        QCOMPARE(savedOptions(window).mid(0, 3),
                 (QStringList{"chkFast=0", "chkHexx=0", "chkAlternate2=0"}));
        QCOMPARE(find<QComboBox>("cboDouble")->currentText(), QString("No Double"));
        QCOMPARE(find<QLabel>("lblscript1")->text(),
                 "cartpipe       " + harness_->workFolder() + "/");
    }

    void onlyTheExactMarkerCounts() {
        writeUpload({{"chkFast", "True"}, {"Load", "yes"}});
        writeDump({{"chkAlternate2", "true"}, {"Load2", "Yes"}});
        harness_->open();
        QVERIFY(!find<QCheckBox>("chkFast")->isChecked());
        QVERIFY(!find<QCheckBox>("chkAlternate2")->isChecked());
    }

    void savedOptionsAreThereAtTheNextStart() {
        auto& first = harness_->open();
        click(find<QCheckBox>("chkFast"));
        click(find<QCheckBox>("chkHexx"));
        QTest::keyClicks(find<QLineEdit>("txtHexx"), "80");
        quillon::testing::replaceText(find<QComboBox>("cboType"), "linear");
        click(find<QPushButton>("cmdSave1"));

        QVERIFY(quillon::testing::chooseTab(first, 1));
        quillon::testing::replaceText(find<QComboBox>("cboConType"), "26FA");
        click(find<QCheckBox>("chkAlternate2"));
        click(find<QCheckBox>("chkShortHexx"));
        QTest::keyClicks(find<QLineEdit>("txtShortHexx"), "0A");
        click(find<QPushButton>("cmdSave2"));
        const QStringList saved = savedOptions(first);
        const QString uploadPreview = find<QLabel>("lblscript1")->text();
        const QString dumpPreview = find<QLabel>("lblscript2")->text();

        auto& second = harness_->open();
        QCOMPARE(savedOptions(second), saved);
        QCOMPARE(find<QLabel>("lblscript1")->text(), uploadPreview);
        QCOMPARE(find<QLabel>("lblscript2")->text(), dumpPreview);
        QVERIFY(!second.uploadFlags().hexx);  // two of four characters
        QVERIFY(second.dumpFlags().shortHexx);
        QVERIFY(find<QCheckBox>("chkAlternate2")->isEnabled());
    }

    void aFieldSavedOffKeepsItsOldTextInTheStoreOnly() {
        harness_->open();
        click(find<QCheckBox>("chkHexx"));
        QTest::keyClicks(find<QLineEdit>("txtHexx"), "8000");
        click(find<QPushButton>("cmdSave1"));
        click(find<QCheckBox>("chkHexx"));
        click(find<QPushButton>("cmdSave1"));

        QCOMPARE(harness_->store.read("Quillon", "Upload", "chkHexx"), std::string("False"));
        QCOMPARE(harness_->store.read("Quillon", "Upload", "txtHexx"), std::string("8000"));
        QCOMPARE(harness_->store.read("Quillon", "Dump", "Load2"), std::string());
        harness_->open();
        QVERIFY(!find<QCheckBox>("chkHexx")->isChecked());
        QVERIFY(find<QLineEdit>("txtHexx")->text().isEmpty());
    }

private:
    template <typename Widget>
    Widget* find(const char* name) {
        return harness_->find<Widget>(name);
    }

    using Values = std::initializer_list<std::pair<const char*, const char*>>;

    void write(const char* section, Values values) {
        for (const auto& [key, value] : values) {
            QVERIFY(harness_->store.write("Quillon", section, key, value));
        }
    }
    void writeUpload(Values values) {
        write("Upload", values);
    }
    void writeDump(Values values) {
        write("Dump", values);
    }

    std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
