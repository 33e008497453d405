#include "app/upload_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "app/control_values.h"
#include "app/copy_command.h"
#include "app/hex_field_control.h"
#include "app/page_actions.h"
#include "app/page_snapshots.h"
#include "app/preview_menu.h"
#include "app/run_here.h"
#include "app/text_conversion.h"
#include "app/tool_start.h"
#include "command/page_commands.h"
#include "files/rom_choice.h"
#include "platform/launcher.h"
#include "settings/page_settings.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/message_box.h"

namespace quillon::app {

UploadPage::UploadPage(const UploadControls& controls, settings::SettingsStore& store,
                       platform::ToolLauncher& launcher, RunHere& runHere, QObject* parent)
    : QObject(parent),
      c_(controls),
      store_(store),
      launcher_(launcher),
      runHere_(runHere),
      toolStart_(new ToolStart(launcher, controls.fraUp, this)) {
    using Self = UploadPage;
    connect(c_.cmdPlay, &QPushButton::clicked, this, &Self::cmdPlay_Click);
    connect(c_.cmdSave1, &QPushButton::clicked, this, &Self::cmdSave1_Click);
    // The option controls do nothing but recompose the preview; a combo box
    // reports typing and picking alike.
    for (QComboBox* option : {c_.cboType, c_.cboLPT, c_.cboDouble}) {
        connect(option, &QComboBox::currentTextChanged, this, &Self::LabelChange1);
    }
    connect(c_.chkFast, &QCheckBox::stateChanged, this, &Self::LabelChange1);

    writeAddress_ = new HexFieldControl(
        rules::HexFieldId::UploadWrite, {c_.chkHexx, c_.txtHexx, c_.Label1}, flags_.hexx,
        [this] { CheckAll1(); }, [this] { LabelChange1(); }, this);

    connect(c_.Drive2, &ui::DriveList::driveChanged, this, &Self::Drive2_Change);
    connect(c_.Dir2, &ui::FolderList::folderChanged, this, &Self::Dir2_Change);
    connect(c_.flbOpen, &ui::FileList::fileClicked, this, &Self::flbOpen_Click);
    connect(c_.cmdView1, &QPushButton::clicked, this, &Self::cmdView1_Click);
    connect(c_.cmdView2, &QPushButton::clicked, this, &Self::cmdView2_Click);

    auto* menu = new PreviewMenu(c_.lblscript1, c_.cmdPlay);
    new CommandCopier(*menu, c_.lblscript1, [this] { return uploadToRun(); });
    runHere_.addTo(*menu, [this] { return pageRun(); });
    offerRomCheck(*menu);
    takeDroppedRoms();
}

// One of the two view buttons is on view at a time; the file list starts on
// ROM images.
void UploadPage::showAtariFilesView() {
    c_.cmdView1->setEnabled(true);
    c_.cmdView1->show();
    c_.cmdView2->hide();
}

void UploadPage::showPage() {
    c_.fraUp->setEnabled(true);
    c_.fraUp->show();
}

// Until a ROM is chosen there is nothing to upload.
void UploadPage::disableAction() { c_.cmdPlay->setEnabled(false); }

void UploadPage::noteDrive() { strDrive2 = c_.Drive2->drive(); }

void UploadPage::resetFlags() { flags_ = rules::PageFlags{}; }

// The folder list read the files when it opened the folder.
void UploadPage::showStartFolderFiles() { c_.flbOpen->setFolder(c_.Dir2->entries()); }

void UploadPage::restore() {
    const std::optional<settings::UploadOptions> saved = settings::loadUpload(store_);
    if (!saved) {
        return;
    }
    c_.chkFast->setChecked(saved->fast);
    writeAddress_->restore(saved->writeOn, fromUtf8(saved->writeAddress));
    setComboText(c_.cboDouble, fromUtf8(saved->doubleText));
    setComboText(c_.cboLPT, fromUtf8(saved->port));
    setComboText(c_.cboType, fromUtf8(saved->type));
}

void UploadPage::LabelChange1() {
    showPreview(c_.lblscript1,
                command::uploadPreviewLine(uploadSnapshot(c_), platform::pathSeparator()));
}

void UploadPage::CheckAll1() { c_.cmdPlay->setEnabled(rules::actionEnabled(flags_)); }

// Composed afresh: the preview may be older than the controls. The ROM is
// looked at again: it may have gone since it was chosen.
RunnableCommand UploadPage::uploadToRun() const {
    const command::PathShortener shortPath = [this](const std::string& path) {
        return launcher_.shortPath(path);
    };
    const command::UploadSnapshot page = uploadSnapshot(c_);
    command::TransferCommand run =
        command::uploadForRun(page, platform::pathSeparator(), shortPath);
    const std::string romPath = command::composeUpload(page, platform::pathSeparator()).file;
    std::string blocked = files::uploadBlocked(
        romPath, !page.fileName.empty() && QFileInfo(fromUtf8(romPath)).isFile(), run.file);
    return {std::move(run), std::move(blocked)};
}

PageRun UploadPage::pageRun() const { return {uploadToRun(), actionCaption(c_.cmdPlay), {}}; }

void UploadPage::cmdPlay_Click() { runHere_.startFromButton(pageRun(), *toolStart_, c_.fraUp); }

void UploadPage::cmdSave1_Click() {
    tellIfAny(c_.fraUp, settings::saveUpload(store_, uploadOptions(c_)));
}

// Opening the folder runs Dir2_Change before the drive is noted.
void UploadPage::Drive2_Change() {
    if (!openDrive(c_.Drive2, c_.Dir2, strDrive2)) {
        return;
    }
    strDrive2 = c_.Drive2->drive();
    LabelChange1();
}

// A new folder lists its files with none of them chosen.
void UploadPage::Dir2_Change() {
    c_.flbOpen->setFolder(c_.Dir2->entries());
    forgetRom();
}

void UploadPage::flbOpen_Click() {
    const QString name = c_.flbOpen->currentFileName();
    const QString fullPath = c_.flbOpen->folder() + fromUtf8(platform::pathSeparator()) + name;
    const QFileInfo file(fullPath);
    if (name.isEmpty()) {
        return;
    }
    if (!file.isFile()) {
        // Gone since it was listed: the list is read again without it, and
        // no ROM counts as chosen, an earlier one neither: what an upload
        // sends is the list's selection, and there is none now.
        c_.flbOpen->setFolder(c_.flbOpen->folder());
        forgetRom();
        return;
    }
    if (!files::isRomPath(utf8(fullPath))) {
        ui::showMessage(c_.fraUp->window(), kNotARom);
        // The rejected entry stays current and is what an upload would send,
        // so no ROM counts as chosen until another is accepted.
        flags_.select = false;
        CheckAll1();
        return;
    }
    const files::RomDescription rom =
        files::describeRom(utf8(name.toUpper()), static_cast<std::uintmax_t>(file.size()));
    c_.lblSize->setText(fromUtf8(rom.sizeCaption));
    c_.lblName->setText(fromUtf8(rom.nameCaption));
    // Through the combo box, so its own handling recomposes the preview.
    setComboText(c_.cboDouble, c_.cboDouble->itemText(rom.preset.item));
    c_.cboDouble->setEnabled(rom.preset.enabled);
    flags_.select = true;
    CheckAll1();
    LabelChange1();
    CheckAll1();
}

void UploadPage::cmdView1_Click() { switchFileView(kAllFilesPattern, c_.cmdView1, c_.cmdView2); }

void UploadPage::cmdView2_Click() { switchFileView(kRomFilesPattern, c_.cmdView2, c_.cmdView1); }

// The two view buttons share one place: the one pressed gives way to its
// twin, and the list's new view leaves no ROM chosen.
void UploadPage::switchFileView(const char* pattern, QPushButton* pressed, QPushButton* twin) {
    const bool keyboardHere = pressed->hasFocus();
    c_.flbOpen->setPattern(QString::fromLatin1(pattern));
    pressed->setEnabled(false);
    pressed->hide();
    twin->setEnabled(true);
    twin->show();
    if (keyboardHere) {
        twin->setFocus();
    }
    forgetRom();
}

void UploadPage::forgetRom() {
    flags_.select = false;
    c_.cmdPlay->setEnabled(false);
    c_.lblName->clear();
    c_.lblSize->clear();
    LabelChange1();
}

}  // namespace quillon::app
