#pragma once

#include <QListView>

#include "ui/folder_entries.h"

class QStandardItemModel;

namespace quillon::ui {

// The open folder with its ancestors above it and its subfolders below,
// indented by depth. Opening an entry (double click or Enter) makes it the
// current folder and raises folderChanged.
class FolderList : public QListView {
    Q_OBJECT
public:
    // Open at the system's current folder.
    explicit FolderList(QWidget* parent = nullptr);
    // Open at `start`, an absolute folder already read. A list that keeps
    // files reads each folder's files along with its subfolders, for the file
    // list that shows the same folder.
    FolderList(const FolderEntries& start, bool keepsFiles, QWidget* parent = nullptr);

    // The current folder in the system's own notation ("C:\ROMS", "/home/a").
    QString path() const;
    // Opens `path`; false (and nothing changes) when it is no folder. A folder
    // whose subfolders cannot be read opens with none listed. Raises
    // folderChanged when the current folder changes.
    bool setPath(const QString& path);
    // The current folder as it was read when it was opened.
    const FolderEntries& entries() const { return entries_; }

signals:
    void folderChanged();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showFolder(FolderEntries entries);
    void openEntry(const QModelIndex& index);

    QStandardItemModel* model_;
    bool keepsFiles_;
    QString path_;  // absolute, "/"-separated
    FolderEntries entries_;
};

}  // namespace quillon::ui
