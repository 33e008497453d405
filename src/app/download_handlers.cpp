#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/control_values.h"
#include "app/frm_game_loader.h"
#include "command/page_commands.h"
#include "files/destination.h"
#include "platform/launcher.h"
#include "ui/drive_list.h"
#include "ui/folder_list.h"
#include "ui/message_box.h"

namespace quillon::app {

void frmGameLoader::LabelChange2() {
    const command::TransferCommand dump = command::composeDump(dumpSnapshot(c_.down));
    showPreview(c_.down.lblscript2, command::renderPreviewLine(dump));
}

void frmGameLoader::CheckAll2() { c_.down.cmdPlay2->setEnabled(rules::actionEnabled(downFlags_)); }

void frmGameLoader::cmdPlay2_Click() { startTool(command::composeDump(dumpSnapshot(c_.down))); }

// The preview first; the alternate mode's enabled state does not enter it,
// and its check state is left alone.
void frmGameLoader::cboConType_Change() {
    LabelChange2();
    c_.down.chkAlternate2->setEnabled(
        rules::alternateModeAllowed(utf8(c_.down.cboConType->currentText())));
}

// No preview of its own: the destination text that the folder change
// rewrites brings it.
void frmGameLoader::Drive1_Change() {
    if (openDrive(c_.down.Drive1, c_.down.Dir1, strDrive1)) {
        strDrive1 = c_.down.Drive1->drive();
    }
}

// A drive that is not ready is reported, and the list is set back to the
// last good drive, which runs the drive change again and opens that one.
bool frmGameLoader::openDrive(ui::DriveList* drive, ui::FolderList* folders, QString lastGood) {
    if (!drive->currentReady()) {
        ui::showMessage(this, QStringLiteral("Drive not ready"));
        drive->setDrive(lastGood);
        return false;
    }
    return folders->setPath(folderOnDrive(*drive, *folders));
}

// The folder replaces the whole destination, a typed name included, and
// ends it in a separator so the user only has to type the name.
void frmGameLoader::Dir1_Change() {
    QLineEdit* destination = c_.down.txtFileInput;
    destination->setText(c_.down.Dir1->path());
    const QString separator = fromUtf8(platform::pathSeparator());
    if (!destination->text().endsWith(separator)) {
        destination->setText(destination->text() + separator);
    }
}

void frmGameLoader::txtFileInput_Change() {
    downFlags_.select = files::destinationAccepted(utf8(c_.down.txtFileInput->text()));
    LabelChange2();
    CheckAll2();
}

}  // namespace quillon::app
