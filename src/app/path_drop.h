#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QFileInfo;
class QMimeData;
class QWidget;

namespace quillon::app {

// Lets a page take one file or folder dragged onto it from a file manager.
// `wanted` says whether a dragged path is for this page, `take` applies the
// drop, given the path as the system opens it (ui::systemPath). Every other
// drag that carries links (several of them, a web link, a path the page does
// not want or that has no exact text) is refused while it is still on its
// way, so the drop cursor tells the user before anything changes. Drags of
// plain text keep going to the text boxes.
class PathDrop : public QObject {
public:
    using Wanted = std::function<bool(const QFileInfo&)>;
    using Take = std::function<void(const QString& path)>;

    PathDrop(QWidget* page, Wanted wanted, Take take);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<QString> wantedPath(const QMimeData* data) const;

    Wanted wanted_;
    Take take_;
};

}  // namespace quillon::app
