#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/controls.h"
#include "command/page_commands.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace quillon::app {

// The rules work on UTF-8 texts, the controls on QString.
std::string utf8(const QString& text);
QString fromUtf8(std::string_view text);

// Only the checked state counts; a greyed box is not checked.
bool isChecked(const QCheckBox* box);

// Characters as a person counts them: code points, not UTF-16 units.
std::size_t characterCount(const QString& text);

// Sets a combo box's text as the user would: an item's text makes that item
// current, any other text is put into the edit field. Either way the combo
// box reports the change, so its handling runs before this returns.
void setComboText(QComboBox* box, const QString& text);

// What each page's command is composed from, read from its controls now.
// `folder` is the folder list's path, `fileName` the file list's current entry.
command::UploadSnapshot uploadSnapshot(const UploadControls& page);
command::DumpSnapshot dumpSnapshot(const DumpControls& page);

// Shows a command line in a preview label, and gives it to assistive
// technology and to the tooltip too (the label may cut a long line off).
void showPreview(QLabel* label, const std::string& line);

// The folder a drive opens in: the folder list's own folder when it lies on
// that drive (the drive's current folder), else the drive's root.
QString folderOnDrive(const ui::DriveList& drive, const ui::FolderList& folders);

}  // namespace quillon::app
