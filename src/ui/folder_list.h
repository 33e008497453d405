#pragma once

#include <QListView>

class QStandardItemModel;

namespace quillon::ui {

// The open folder with its ancestors above it and its subfolders below,
// indented by depth. Opening an entry (double click or Enter) makes it the
// current folder and raises folderChanged.
class FolderList : public QListView {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    // The current folder in the system's own notation ("C:\ROMS", "/home/a").
    QString path() const;
    // Opens `path`; false (and nothing changes) when it is no folder. A folder
    // whose subfolders cannot be read opens with none listed. Raises
    // folderChanged when the current folder changes.
    bool setPath(const QString& path);

signals:
    void folderChanged();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showFolder();
    void openEntry(const QModelIndex& index);

    QStandardItemModel* model_;
    QString path_;  // absolute, "/"-separated
};

}  // namespace quillon::ui
