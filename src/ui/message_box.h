#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quillon::ui {

// A modal box with an OK button only and the program's name as its caption.
// Returns when the user has closed it.
void showMessage(QWidget* parent, const QString& text);

// The same box for a text laid out in columns, as a console shows it: in a
// fixed-width font, its lines as they stand.
void showColumns(QWidget* parent, const QString& text);

// Tests see and answer the boxes through this hook instead of a modal loop;
// an empty function restores the real box.
void setMessageHook(std::function<void(const QString&)> hook);

}  // namespace quillon::ui
