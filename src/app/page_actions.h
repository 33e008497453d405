#pragma once

#include <QString>
#include <string>

#include "command/transfer_command.h"

class QWidget;

namespace quillon::platform {
class ToolLauncher;
}
namespace quillon::ui {
class DriveList;
class FolderList;
}  // namespace quillon::ui

namespace quillon::app {

// What both pages do alike: start their command, and open a chosen drive.

// Hands a composed command to the launcher; a refusal or a failed start is
// told, in a box over `page`.
void startTool(platform::ToolLauncher& launcher, const command::TransferCommand& command,
               QWidget* page);

// Shows `text` in a box over `page`; nothing when it is empty, which is how
// the rules say that all went well.
void tellIfAny(QWidget* page, const std::string& text);

// Opens the chosen drive in the page's folder list; false when it was not
// opened. A drive that is not ready is reported, and the list is set back to
// `lastGood`, which runs the drive change again and opens that one. By value:
// that nested change rewrites the page's own note of the last good drive.
bool openDrive(ui::DriveList* drive, ui::FolderList* folders, QString lastGood);

}  // namespace quillon::app
