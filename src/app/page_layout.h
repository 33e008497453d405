#pragma once

#include "app/controls.h"
#include "ui/folder_entries.h"

namespace quillon::app {

// The two pages as laid out, each in its own frame inside `window`. The
// drive and folder lists show the drive and folder the program started in,
// `start`, read once for both pages and the upload page's file list.
UploadControls buildUploadPage(QWidget* window, const ui::DriveSource& drives,
                               const ui::FolderEntries& start);
DumpControls buildDumpPage(QWidget* window, const ui::DriveSource& drives,
                           const ui::FolderEntries& start);

// The keyboard order over every control that can take the focus.
void setKeyboardOrder(const WindowControls& controls);

}  // namespace quillon::app
