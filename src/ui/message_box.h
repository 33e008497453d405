#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace quillon::ui {

// A modal box with an OK button only and the program's name as its caption.
// Returns when the user has closed it.
void showMessage(QWidget* parent, const QString& text);

// The same box for a text laid out in columns, as a console shows it: in a
// fixed-width font, its lines as they stand.
void showColumns(QWidget* parent, const QString& text);

// A modal box offering a choice between `buttons` (captions with their
// access keys): the first is the default, the last also answers Escape and
// the box's close button. Returns the caption of the button chosen.
QString askChoice(QWidget* parent, const QString& text, const QStringList& buttons);

// Tests see and answer the boxes through these hooks instead of a modal
// loop; an empty function restores the real box. The choice hook gets the
// text and the buttons and returns the caption of the one it chooses.
void setMessageHook(std::function<void(const QString&)> hook);
void setChoiceHook(std::function<QString(const QString&, const QStringList&)> hook);

}  // namespace quillon::ui
