#pragma once

#include "app/controls.h"

namespace quillon::app {

// The two pages as laid out, each in its own frame inside `window`. The
// drive and folder lists show the drive and folder the program started in.
UploadControls buildUploadPage(QWidget* window, const ui::DriveSource& drives);
DumpControls buildDumpPage(QWidget* window, const ui::DriveSource& drives);

// The keyboard order over every control that can take the focus.
void setKeyboardOrder(const WindowControls& controls);

}  // namespace quillon::app
