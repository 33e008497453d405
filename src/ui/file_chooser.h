#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quillon::ui {

// The system's dialog for opening one existing file, starting in `folder`
// and showing the files that `filter` names; the chosen path, or empty when
// the user cancelled.
QString chooseFile(QWidget* parent, const QString& caption, const QString& folder,
                   const QString& filter);

// Tests answer the dialog through this hook, given its caption, instead of
// a modal loop; an empty function restores the real dialog.
void setFileChooserHook(std::function<QString(const QString& caption)> hook);

}  // namespace quillon::ui
