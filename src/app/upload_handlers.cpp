#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/control_values.h"
#include "app/frm_game_loader.h"
#include "command/page_commands.h"
#include "files/rom_choice.h"
#include "platform/launcher.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/message_box.h"

namespace quillon::app {

namespace {

const QString kAtariFiles = QStringLiteral("*.bin;*.a78");
const QString kAllFiles = QStringLiteral("*.*");

}  // namespace

void frmGameLoader::LabelChange1() {
    const command::TransferCommand upload =
        command::composeUpload(uploadSnapshot(c_.up), platform::pathSeparator());
    showPreview(c_.up.lblscript1, command::renderPreviewLine(upload));
}

void frmGameLoader::CheckAll1() { c_.up.cmdPlay->setEnabled(rules::actionEnabled(upFlags_)); }

// Composed afresh: the preview may be older than the controls. The ROM is
// looked at again: it may have gone since it was chosen.
void frmGameLoader::cmdPlay_Click() {
    const command::PathShortener shortPath = [this](const std::string& path) {
        return services_.launcher.shortPath(path);
    };
    const command::UploadSnapshot page = uploadSnapshot(c_.up);
    const command::TransferCommand run =
        command::uploadForRun(page, platform::pathSeparator(), shortPath);
    const std::string romPath = command::composeUpload(page, platform::pathSeparator()).file;
    const std::string blocked = files::uploadBlocked(
        romPath, !page.fileName.empty() && QFileInfo(fromUtf8(romPath)).isFile(), run.file);
    if (!blocked.empty()) {
        ui::showMessage(this, fromUtf8(blocked));
        return;
    }
    startTool(run);
}

void frmGameLoader::startTool(const command::TransferCommand& command) {
    const platform::LaunchOutcome outcome = services_.launcher.start(command);
    if (outcome.status != platform::LaunchOutcome::Status::Started) {
        ui::showMessage(this, fromUtf8(outcome.reason));
    }
}

// Opening the folder runs Dir2_Change before the drive is noted.
void frmGameLoader::Drive2_Change() {
    if (!openDrive(c_.up.Drive2, c_.up.Dir2, strDrive2)) {
        return;
    }
    strDrive2 = c_.up.Drive2->drive();
    LabelChange1();
}

// A new folder lists its files with none of them chosen, so no ROM is
// chosen any more and the upload waits for the next selection.
void frmGameLoader::Dir2_Change() {
    UploadControls& up = c_.up;
    up.flbOpen->setFolder(up.Dir2->path());
    upFlags_.select = false;
    up.cmdPlay->setEnabled(false);
    up.lblName->clear();
    up.lblSize->clear();
    LabelChange1();
}

void frmGameLoader::flbOpen_Click() {
    UploadControls& up = c_.up;
    const QString name = up.flbOpen->currentFileName();
    const QString fullPath = up.flbOpen->folder() + fromUtf8(platform::pathSeparator()) + name;
    const QFileInfo file(fullPath);
    if (name.isEmpty()) {
        return;
    }
    if (!file.isFile()) {
        // Gone since it was listed: the list is read again without it, and
        // no ROM counts as chosen, an earlier one neither: what an upload
        // sends is the list's selection, and there is none now.
        up.flbOpen->setFolder(up.flbOpen->folder());
        up.lblName->clear();
        up.lblSize->clear();
        upFlags_.select = false;
        CheckAll1();
        LabelChange1();
        return;
    }
    if (!files::isRomPath(utf8(fullPath))) {
        ui::showMessage(this, QStringLiteral("Please select an atari file only!"));
        // The rejected entry stays current and is what an upload would send,
        // so no ROM counts as chosen until another is accepted.
        upFlags_.select = false;
        CheckAll1();
        return;
    }
    const files::RomDescription rom =
        files::describeRom(utf8(name), static_cast<std::uintmax_t>(file.size()));
    up.lblSize->setText(fromUtf8(rom.sizeCaption));
    up.lblName->setText(fromUtf8(rom.nameCaption));
    // Through the combo box, so its own handling recomposes the preview.
    setComboText(up.cboDouble, up.cboDouble->itemText(rom.preset.item));
    up.cboDouble->setEnabled(rom.preset.enabled);
    upFlags_.select = true;
    CheckAll1();
    LabelChange1();
    CheckAll1();
}

void frmGameLoader::cmdView1_Click() {
    switchFileView(kAllFiles, c_.up.cmdView1, c_.up.cmdView2);
}

void frmGameLoader::cmdView2_Click() {
    switchFileView(kAtariFiles, c_.up.cmdView2, c_.up.cmdView1);
}

// The two view buttons share one place: the one pressed gives way to its
// twin, and the list's new view leaves no ROM chosen.
void frmGameLoader::switchFileView(const QString& pattern, QPushButton* pressed,
                                   QPushButton* twin) {
    UploadControls& up = c_.up;
    const bool keyboardHere = pressed->hasFocus();
    up.flbOpen->setPattern(pattern);
    pressed->setEnabled(false);
    pressed->hide();
    twin->setEnabled(true);
    twin->show();
    if (keyboardHere) {
        twin->setFocus();
    }
    // The new view has no entry selected, so no ROM is chosen any more.
    upFlags_.select = false;
    up.cmdPlay->setEnabled(false);
    up.lblName->clear();
    up.lblSize->clear();
    LabelChange1();
}

}  // namespace quillon::app
