#pragma once

#include <QListView>
#include <QStringList>

#include "ui/folder_entries.h"
#include "ui/name_pattern.h"

class QStringListModel;

namespace quillon::ui {

// The files (no folders) of one folder whose names match a ";"-separated
// list of wildcards, letter case ignored. One model row per entry: folders of
// a hundred thousand files list without a widget per entry. The folder is
// read once per setFolder, or not at all when its entries are given; a new
// pattern filters what was read.
class FileList : public QListView {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString folder() const;
    void setFolder(const QString& path);
    // Shows the files of a folder already read (a folder list that keeps
    // files has them).
    void setFolder(const FolderEntries& entries);
    QString pattern() const;
    void setPattern(const QString& pattern);
    // The current entry's name without folder; empty when none is current.
    // Setting the folder or the pattern leaves no entry current.
    QString currentFileName() const;
    int count() const;

signals:
    // An entry became the current one: the user chose it (mouse, keyboard,
    // also clicking the current entry again) or the program set it with
    // setCurrentIndex. Setting the folder or the pattern raises nothing.
    void fileClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void showMatches();

    QStringListModel* model_;
    QString folder_;
    QString pattern_ = QStringLiteral("*.*");
    NamePattern matcher_;
    QStringList names_;   // every file of the folder, in the order the system gave
    bool quiet_ = false;  // set while the program, not the user, moves the current entry
};

}  // namespace quillon::ui
