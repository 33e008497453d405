#include "app/dump_page.h"

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
#include "app/file_check.h"
#include "app/hex_field_control.h"
#include "app/page_actions.h"
#include "app/page_snapshots.h"
#include "app/path_drop.h"
#include "app/preview_menu.h"
#include "app/run_here.h"
#include "app/text_conversion.h"
#include "app/tool_start.h"
#include "command/page_commands.h"
#include "files/destination.h"
#include "settings/page_settings.h"
#include "ui/drive_list.h"
#include "ui/folder_list.h"

namespace quillon::app {

DumpPage::DumpPage(const DumpControls& controls, settings::SettingsStore& store,
                   platform::ToolLauncher& launcher, RunHere& runHere, QObject* parent)
    : QObject(parent),
      c_(controls),
      store_(store),
      runHere_(runHere),
      toolStart_(new ToolStart(launcher, controls.fraDown, this)) {
    using Self = DumpPage;
    connect(c_.cmdPlay2, &QPushButton::clicked, this, &Self::cmdPlay2_Click);
    connect(c_.cmdSave2, &QPushButton::clicked, this, &Self::cmdSave2_Click);
    // The option controls do nothing but recompose the preview; a combo box
    // reports typing and picking alike.
    for (QComboBox* option : {c_.cboType2, c_.cboLPT2, c_.cboDouble2}) {
        connect(option, &QComboBox::currentTextChanged, this, &Self::LabelChange2);
    }
    connect(c_.chkAlternate2, &QCheckBox::stateChanged, this, &Self::LabelChange2);
    connect(c_.cboConType, &QComboBox::currentTextChanged, this, &Self::cboConType_Change);

    const auto evaluate = [this] { CheckAll2(); };
    const auto preview = [this] { LabelChange2(); };
    writeAddress_ =
        new HexFieldControl(rules::HexFieldId::DumpWrite, {c_.chkHexx2, c_.txtHexx2, c_.lbltemp1},
                            flags_.hexx, evaluate, preview, this);
    bankNumber_ = new HexFieldControl(rules::HexFieldId::DumpBank,
                                      {c_.chkShortHexx, c_.txtShortHexx, c_.lbltemp2},
                                      flags_.shortHexx, evaluate, preview, this);

    connect(c_.Drive1, &ui::DriveList::driveChanged, this, &Self::Drive1_Change);
    connect(c_.Dir1, &ui::FolderList::folderChanged, this, &Self::Dir1_Change);
    connect(c_.txtFileInput, &QLineEdit::textChanged, this, &Self::txtFileInput_Change);

    auto* menu = new PreviewMenu(c_.lblscript2, c_.cmdPlay2);
    new CommandCopier(*menu, c_.lblscript2, [this] { return dumpToRun(); });
    runHere_.addTo(*menu, [this] { return pageRun(); });
    new FileCheckItem(*menu, c_.lblscript2, store_, [this] { return c_.txtFileInput->text(); });
    // A folder dropped here is the destination folder, as if opened in the
    // folder list.
    new PathDrop(
        c_.fraDown, [](const QFileInfo& folder) { return folder.isDir(); },
        [this](const QString& path) { openFolder(c_.Drive1, c_.Dir1, path); });
}

// The two frames share one place, so that the tab strip seems to change the
// contents of one area.
void DumpPage::placeOver(const QWidget* uploadFrame) { c_.fraDown->move(uploadFrame->pos()); }

// Until a destination is typed there is nothing to dump to.
void DumpPage::disableAction() { c_.cmdPlay2->setEnabled(false); }

void DumpPage::noteDrive() { strDrive1 = c_.Drive1->drive(); }

void DumpPage::resetFlags() { flags_ = rules::PageFlags{}; }

// Offered again only by a cartridge code that has the mode.
void DumpPage::disableAlternateMode() { c_.chkAlternate2->setEnabled(false); }

// The cartridge code comes last, so that it decides whether the restored
// alternate mode is offered (the box keeps its state either way).
void DumpPage::restore() {
    const std::optional<settings::DumpOptions> saved = settings::loadDump(store_);
    if (!saved) {
        return;
    }
    c_.chkAlternate2->setChecked(saved->alternate);
    writeAddress_->restore(saved->writeOn, fromUtf8(saved->writeAddress));
    bankNumber_->restore(saved->bankOn, fromUtf8(saved->bank));
    setComboText(c_.cboDouble2, fromUtf8(saved->doubleText));
    setComboText(c_.cboLPT2, fromUtf8(saved->port));
    setComboText(c_.cboType2, fromUtf8(saved->type));
    setComboText(c_.cboConType, fromUtf8(saved->code));
}

void DumpPage::LabelChange2() {
    showPreview(c_.lblscript2, command::dumpPreviewLine(dumpSnapshot(c_)));
}

void DumpPage::CheckAll2() { c_.cmdPlay2->setEnabled(rules::actionEnabled(flags_)); }

RunnableCommand DumpPage::dumpToRun() const { return {command::composeDump(dumpSnapshot(c_)), {}}; }

PageRun DumpPage::pageRun() const {
    const RunnableCommand run = dumpToRun();
    return {run, actionCaption(c_.cmdPlay2), fromUtf8(run.command.file)};
}

void DumpPage::cmdPlay2_Click() { runHere_.startFromButton(pageRun(), *toolStart_, c_.fraDown); }

void DumpPage::cmdSave2_Click() {
    tellIfAny(c_.fraDown, settings::saveDump(store_, dumpOptions(c_)));
}

// The preview first; the alternate mode's enabled state does not enter it,
// and its check state is left alone.
void DumpPage::cboConType_Change() {
    LabelChange2();
    c_.chkAlternate2->setEnabled(rules::alternateModeAllowed(utf8(c_.cboConType->currentText())));
}

// No preview of its own: the destination text that the folder change
// rewrites brings it.
void DumpPage::Drive1_Change() {
    if (openDrive(c_.Drive1, c_.Dir1, strDrive1)) {
        strDrive1 = c_.Drive1->drive();
    }
}

// The folder replaces the whole destination, a typed name included, and
// ends it in a separator so the user only has to type the name.
void DumpPage::Dir1_Change() {
    QLineEdit* destination = c_.txtFileInput;
    destination->setText(c_.Dir1->path());
    const QString separator = fromUtf8(platform::pathSeparator());
    if (!destination->text().endsWith(separator)) {
        destination->setText(destination->text() + separator);
    }
}

void DumpPage::txtFileInput_Change() {
    flags_.select = files::destinationAccepted(utf8(c_.txtFileInput->text()));
    LabelChange2();
    CheckAll2();
}

}  // namespace quillon::app
