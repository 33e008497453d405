#pragma once

#include <QString>
#include <span>
#include <string_view>

#include "rules/hex_field.h"
#include "ui/folder_entries.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quillon::ui {
class DriveList;
class DriveSource;
class FolderList;
}  // namespace quillon::ui

namespace quillon::app::factory {

// Each maker creates one control inside `parent`, names it (objectName) and
// places it at its layout rectangle, given in twips. Captions are used as
// they stand; "&" marks the access key where the caption has one.

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height);

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top,
              int width, int height);

// "Quillon" in the logo font, centred.
QLabel* logo(QWidget* parent, const char* name, int left, int top, int width, int height);

// An empty caption with a single-line border, centred: the chosen ROM's name
// or size.
QLabel* boxedLabel(QWidget* parent, const char* name, int left, int top, int width, int height);

// The command preview: muted background, up to two lines, selectable so that
// the line can be copied.
QLabel* preview(QWidget* parent, const char* name, int left, int top, int width, int height);

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height);

// A drive list showing the drive of the folder the program was started in,
// and a folder list open at that folder, `start`: where each page's browsing
// starts. A folder list that keeps files feeds a file list (ui::FolderList).
ui::DriveList* driveList(QWidget* parent, const char* name, const ui::DriveSource& drives, int left,
                         int top, int width, int height);
ui::FolderList* folderList(QWidget* parent, const char* name, const ui::FolderEntries& start,
                           bool keepsFiles, int left, int top, int width, int height);

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height);

// An editable combo box with its list in order and the first item as its
// text. Typed text stays exactly as typed: it is never added to the list,
// completed, or matched to an item by a different letter case.
QComboBox* comboBox(QWidget* parent, const char* name, std::span<const std::string_view> items,
                    const QString& accessibleName, int left, int top, int width, int height);

// A text box without a length limit.
QLineEdit* textBox(QWidget* parent, const char* name, const QString& accessibleName, int left,
                   int top, int width, int height);

// The box of a hex option: typing and pasting fill it with as many
// characters as the field takes, hidden and disabled while its option is off
// (as it is at first). Every character reaches it as a key press, so that
// the key filter sees it.
QLineEdit* hexBox(QWidget* parent, const char* name, rules::HexFieldId field,
                  const QString& accessibleName, int left, int top, int width, int height);

}  // namespace quillon::app::factory
