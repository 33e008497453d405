#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/control_factory.h"
#include "app/page_layout.h"
#include "command/option_lists.h"
#include "ui/drive_list.h"
#include "ui/folder_list.h"
#include "ui/twips.h"

namespace quillon::app {

namespace f = factory;

DumpControls buildDumpPage(QWidget* window, const ui::DriveSource& drives,
                           const ui::FolderEntries& start) {
    DumpControls c{};
    // Beside the upload page; start-up moves it into the upload page's place.
    c.fraDown = f::frame(window, "fraDown", QStringLiteral("Atari to Comp"), 5760, 480, 5415, 5115);
    QGroupBox* page = c.fraDown;

    c.Drive1 = f::driveList(page, "Drive1", drives, 180, 360, 2415, 315);
    c.lblLogo2 = f::logo(page, "lblLogo2", 3000, 360, 2295, 975);
    c.Dir1 = f::folderList(page, "Dir1", start, false, 180, 660, 2415, 1440);

    c.cboConType = f::comboBox(page, "cboConType", command::kCartridgeCodes,
                               QStringLiteral("Cartridge code"), 3420, 1620, 975, 315);
    c.txtFileInput =
        f::textBox(page, "txtFileInput", QStringLiteral("Destination file"), 120, 2160, 2535, 615);
    c.cmdPlay2 = f::button(page, "cmdPlay2", QStringLiteral("&Dump Rom"), 2760, 2220, 1035, 435);
    c.cmdExit2 = f::button(page, "cmdExit2", QStringLiteral("E&xit"), 4140, 2220, 975, 435);
    c.chkAlternate2 =
        f::checkBox(page, "chkAlternate2", QStringLiteral("Alternate Mode"), 300, 2820, 1515, 375);
    c.cboDouble2 = f::comboBox(page, "cboDouble2", command::kDoubleModes,
                               QStringLiteral("Double Transfer"), 4080, 2820, 1215, 315);
    c.lblDouble2 =
        f::label(page, "lblDouble2", QStringLiteral("Double Transfer:"), 2760, 2880, 1215, 315);
    c.chkHexx2 =
        f::checkBox(page, "chkHexx2", QStringLiteral("Writeaddress"), 300, 3240, 1275, 435);
    c.txtHexx2 = f::hexBox(page, "txtHexx2", rules::HexFieldId::DumpWrite,
                           QStringLiteral("Write address"), 1740, 3300, 855, 315);
    c.cboLPT2 = f::comboBox(page, "cboLPT2", command::kPorts, QStringLiteral("LPT Port Number"),
                            4080, 3300, 1215, 315);
    c.lbltemp1 = f::label(page, "lbltemp1", QStringLiteral("(4-digit Hex)"), 1740, 3350, 915, 315);
    // As wide as its twin on the upload page: 60 twips narrower, it cuts the
    // caption's colon off.
    c.lblLPT2 =
        f::label(page, "lblLPT2", QStringLiteral("LPT Port Number:"), 2760, 3360, 1335, 315);
    c.txtShortHexx = f::hexBox(page, "txtShortHexx", rules::HexFieldId::DumpBank,
                               QStringLiteral("Bank number"), 1740, 3720, 855, 315);
    c.chkShortHexx =
        f::checkBox(page, "chkShortHexx", QStringLiteral("Banknumber"), 300, 3780, 1275, 255);
    c.cboType2 = f::comboBox(page, "cboType2", command::kCartridgeTypes,
                             QStringLiteral("Cartridge Type"), 4080, 3780, 1215, 315);
    c.lbltemp2 = f::label(page, "lbltemp2", QStringLiteral("(2-digit Hex)"), 1740, 3790, 915, 315);
    c.lblType2 =
        f::label(page, "lblType2", QStringLiteral("Cartridge Type:"), 2760, 3840, 1215, 315);
    c.lblscript2 = f::preview(page, "lblscript2", 2040, 4140, 3075, 615);
    c.cmdSave2 =
        f::button(page, "cmdSave2", QStringLiteral("&Save Settings"), 300, 4440, 1155, 435);
    c.lblcopyright2 = f::label(page, "lblcopyright2", QStringLiteral("Front end for cartpipe"),
                               2460, 4800, 2835, 255);

    // Each hex text box lies over its hint.
    c.txtHexx2->raise();
    c.txtShortHexx->raise();

    c.lblDouble2->setBuddy(c.cboDouble2);
    c.lblLPT2->setBuddy(c.cboLPT2);
    c.lblType2->setBuddy(c.cboType2);
    c.lbltemp1->setBuddy(c.txtHexx2);
    c.lbltemp2->setBuddy(c.txtShortHexx);

    // The download page waits, hidden but enabled, until its tab is chosen.
    page->hide();
    return c;
}

}  // namespace quillon::app
