#pragma once

#include <QString>
#include <functional>
#include <string>

#include "command/transfer_command.h"

class QPushButton;
class QWidget;

namespace quillon::ui {
class DriveList;
class FolderList;
}  // namespace quillon::ui

namespace quillon::app {

// What both pages do alike: the command their action button would start, a
// message when there is one, and opening a chosen drive or a folder given by
// its path.

// What runs the tool inside the window, in the previews' menus and in the
// offer made when no terminal can be started.
inline constexpr char kRunHereCaption[] = "&Run Here";

// A page's command as its action button would start it, or why it would not
// be started.
struct RunnableCommand {
    command::TransferCommand command;
    std::string blocked;  // empty when it may run
};

// A page's action as its button names it, without the access key: what an
// output window's title says it runs.
QString actionCaption(const QPushButton* button);

// Shows `text` in a box over `page`; nothing when it is empty, which is how
// the rules say that all went well.
void tellIfAny(QWidget* page, const std::string& text);

// Opens the chosen drive in the page's folder list; false when it was not
// opened. A drive that is not ready is reported, and the list is set back to
// `lastGood`, which runs the drive change again and opens that one. By value:
// that nested change rewrites the page's own note of the last good drive.
bool openDrive(ui::DriveList* drive, ui::FolderList* folders, QString lastGood);

// Opens `folder`, a path as the system opens it (ui::systemPath), as a user
// would reach it: its drive chosen in the drive list first (which runs the
// drive change), then the folder in the folder list (which runs the folder
// change). False when either would not open.
bool openFolder(ui::DriveList* drive, ui::FolderList* folders, const QString& folder);

}  // namespace quillon::app
