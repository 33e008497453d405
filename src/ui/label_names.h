#pragma once

#include <QString>

class QLabel;

namespace quillon::ui {

// A screen reader names a label by its text, so a label that is empty until
// something is chosen (the ROM's name and size) is announced as nothing at
// all. After this call `label` is named `name` while it is empty and by its
// text otherwise, every time it is asked.
void nameWhileEmpty(QLabel* label, const QString& name);

}  // namespace quillon::ui
