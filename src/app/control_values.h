#pragma once

#include <QString>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;

namespace quillon::app {

// Reading and setting single controls the way the handlers and the rules
// see them.

// Only the checked state counts; a greyed box is not checked.
bool isChecked(const QCheckBox* box);

// Sets a combo box's text as the user would: an item's text makes that item
// current, any other text is put into the edit field. Either way the combo
// box reports the change, so its handling runs before this returns.
void setComboText(QComboBox* box, const QString& text);

// Shows a command line in a preview label, and gives it to assistive
// technology and to the tooltip too (the label may cut a long line off).
void showPreview(QLabel* label, const std::string& line);

}  // namespace quillon::app
