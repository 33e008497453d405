#include "ui/message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>

#include "settings/identity.h"

namespace quillon::ui {

namespace {

// One hook of each kind for the whole program: the boxes are modal, so at
// most one is ever open, and tests replace all of them at once.
std::function<void(const QString&)>& messageHook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

std::function<QString(const QString&, const QStringList&)>& choiceHook() {
    static std::function<QString(const QString&, const QStringList&)> hook;
    return hook;
}

QString caption() { return QString::fromUtf8(settings::kProgramName); }

}  // namespace

void showMessage(QWidget* parent, const QString& text) {
    if (const auto& hook = messageHook()) {
        hook(text);
        return;
    }
    // No icon: the texts are plain notices, and a box with an OK button only
    // leaves the user nothing to decide.
    QMessageBox box(QMessageBox::NoIcon, caption(), text, QMessageBox::Ok, parent);
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
    QMessageBox box(QMessageBox::NoIcon, caption(),
                    QStringLiteral("<pre>%1</pre>").arg(text.toHtmlEscaped()), QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

QString askChoice(QWidget* parent, const QString& text, const QStringList& buttons) {
    if (const auto& hook = choiceHook()) {
        return hook(text, buttons);
    }
    QMessageBox box(QMessageBox::Question, caption(), text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton*> offered;
    for (const QString& button : buttons) {
        offered << box.addButton(button, QMessageBox::ActionRole);
    }
    box.setDefaultButton(offered.front());
    box.setEscapeButton(offered.back());
    box.exec();
    const qsizetype chosen = offered.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return buttons.at(chosen < 0 ? buttons.size() - 1 : chosen);
}

void setMessageHook(std::function<void(const QString&)> hook) { messageHook() = std::move(hook); }

void setChoiceHook(std::function<QString(const QString&, const QStringList&)> hook) {
    choiceHook() = std::move(hook);
}

}  // namespace quillon::ui
