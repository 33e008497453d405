#include "ui/file_chooser.h"

#include <QFileDialog>
#include <utility>

namespace quillon::ui {

namespace {

std::function<QString(const QString&)>& chooserHook() {
    static std::function<QString(const QString&)> hook;
    return hook;
}

}  // namespace

QString chooseFile(QWidget* parent, const QString& caption, const QString& folder,
                   const QString& filter) {
    if (const auto& hook = chooserHook()) {
        return hook(caption);
    }
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

void setFileChooserHook(std::function<QString(const QString&)> hook) {
    chooserHook() = std::move(hook);
}

}  // namespace quillon::ui
