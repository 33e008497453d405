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
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/label_names.h"
#include "ui/twips.h"

namespace quillon::app {

namespace f = factory;

UploadControls buildUploadPage(QWidget* window, const ui::DriveSource& drives,
                               const ui::FolderEntries& start) {
    UploadControls c{};
    c.fraUp = f::frame(window, "fraUp", QStringLiteral("Comp to Atari"), 180, 480, 5415, 5115);
    QGroupBox* page = c.fraUp;

    // The ROM browser starts where the program was started.
    c.Drive2 = f::driveList(page, "Drive2", drives, 420, 360, 2055, 315);
    c.lblLogo = f::logo(page, "lblLogo", 3000, 360, 2295, 975);
    // It keeps the files it reads: the file list below shows the same folder.
    c.Dir2 = f::folderList(page, "Dir2", start, true, 420, 660, 2055, 1215);

    c.lblName = f::boxedLabel(page, "lblName", 2580, 1500, 1275, 495);
    c.lblSize = f::boxedLabel(page, "lblSize", 3960, 1500, 1275, 495);
    ui::nameWhileEmpty(c.lblName, QStringLiteral("Selected ROM: none"));
    ui::nameWhileEmpty(c.lblSize, QStringLiteral("ROM size: none"));
    c.flbOpen = new ui::FileList(page);
    c.flbOpen->setObjectName(QStringLiteral("flbOpen"));
    c.flbOpen->setGeometry(ui::twipsRect(360, 1860, 2175, 1065));
    c.flbOpen->setPattern(QString::fromLatin1(kRomFilesPattern));

    c.cmdPlay = f::button(page, "cmdPlay", QStringLiteral("&Upload Rom"), 2760, 2220, 1035, 435);
    c.cmdExit = f::button(page, "cmdExit", QStringLiteral("E&xit"), 4140, 2220, 975, 435);
    c.cboDouble = f::comboBox(page, "cboDouble", command::kDoubleModes,
                              QStringLiteral("Double Transfer"), 4080, 2820, 1215, 315);
    c.lblDouble1 =
        f::label(page, "lblDouble1", QStringLiteral("Double Transfer:"), 2760, 2880, 1215, 255);
    c.cmdView1 =
        f::button(page, "cmdView1", QStringLiteral("Click to See All Files"), 420, 2940, 2055, 315);
    c.cmdView2 = f::button(page, "cmdView2", QStringLiteral("Click to see atari Files"), 420, 2940,
                           2055, 315);
    c.chkFast = f::checkBox(page, "chkFast", QStringLiteral("Fast Transfer"), 300, 3300, 1275, 375);
    c.cboLPT = f::comboBox(page, "cboLPT", command::kPorts, QStringLiteral("LPT Port Number"), 4080,
                           3300, 1215, 315);
    c.lblLPT = f::label(page, "lblLPT", QStringLiteral("LPT Port Number:"), 2760, 3360, 1335, 255);
    c.chkHexx = f::checkBox(page, "chkHexx", QStringLiteral("Writeaddress"), 300, 3720, 1275, 435);
    c.txtHexx = f::hexBox(page, "txtHexx", rules::HexFieldId::UploadWrite,
                          QStringLiteral("Write address"), 1740, 3780, 855, 315);
    c.Label1 = f::label(page, "Label1", QStringLiteral("(4-digit Hex)"), 1740, 3780, 915, 315);
    c.cboType = f::comboBox(page, "cboType", command::kCartridgeTypes,
                            QStringLiteral("Cartridge Type"), 4080, 3780, 1215, 315);
    c.lblType = f::label(page, "lblType", QStringLiteral("Cartridge Type:"), 2760, 3840, 1275, 315);
    c.lblscript1 = f::preview(page, "lblscript1", 2040, 4140, 3075, 615);
    c.cmdSave1 =
        f::button(page, "cmdSave1", QStringLiteral("&Save Settings"), 300, 4440, 1155, 435);
    c.lblCopyright = f::label(page, "lblCopyright", QStringLiteral("Front end for cartpipe"), 2460,
                              4800, 2835, 255);

    // Where controls share a place, the first view button lies over the
    // second, and the text box over its hint.
    c.cmdView1->raise();
    c.txtHexx->raise();

    c.lblDouble1->setBuddy(c.cboDouble);
    c.lblLPT->setBuddy(c.cboLPT);
    c.lblType->setBuddy(c.cboType);
    c.Label1->setBuddy(c.txtHexx);

    // The upload page is arranged on view by start-up.
    page->setEnabled(false);
    page->hide();
    return c;
}

}  // namespace quillon::app
