#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QLabel;
class QWidget;

namespace quillon::settings {
class SettingsStore;
}
namespace quillon::ui {
class CheckView;
}

namespace quillon::app {

class PreviewMenu;

// Opens a check view of the file at `path` beside the window `over`; the
// view remembers its DAT in `store`. Also what follows a dump that ended
// well, so that the user sees at once whether it is a known good one.
ui::CheckView* openFileCheck(QWidget* over, settings::SettingsStore& store, const QString& path);

// "Chec&k File…" in a preview's menu, after the preview's other items: a
// check view of the file that `file` names now (the chosen ROM, the dump
// destination). It is offered only while that is an existing file, looked at
// as the menu opens, since a dump creates its file behind the window's back.
class FileCheckItem : public QObject {
public:
    using File = std::function<QString()>;

    FileCheckItem(PreviewMenu& menu, QLabel* preview, settings::SettingsStore& store, File file);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void check();

    QLabel* preview_;
    settings::SettingsStore& store_;
    File file_;
    QAction* checkAction_;
};

}  // namespace quillon::app
