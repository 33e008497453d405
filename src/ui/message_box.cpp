#include "ui/message_box.h"

#include <QMessageBox>
#include <utility>

#include "settings/identity.h"

namespace quillon::ui {

namespace {

// One hook for the whole program: the boxes are modal, so at most one is
// ever open, and tests replace all of them at once.
std::function<void(const QString&)>& messageHook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

}  // namespace

void showMessage(QWidget* parent, const QString& text) {
    if (const auto& hook = messageHook()) {
        hook(text);
        return;
    }
    // No icon: the texts are plain notices, and a box with an OK button only
    // leaves the user nothing to decide.
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(settings::kProgramName), text,
                    QMessageBox::Ok, parent);
    // A message may quote the user's own text (a path, a field), which the
    // box would read as markup if it looked like some.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void showColumns(QWidget* parent, const QString& text) {
    if (const auto& hook = messageHook()) {
        hook(text);
        return;
    }
    // Preformatted text is set in a fixed-width font and never wrapped.
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(settings::kProgramName),
                    QStringLiteral("<pre>%1</pre>").arg(text.toHtmlEscaped()), QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void setMessageHook(std::function<void(const QString&)> hook) { messageHook() = std::move(hook); }

}  // namespace quillon::ui
