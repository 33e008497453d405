#pragma once

#include <QListView>

namespace quillon::ui {

// The files (no folders) of one folder whose names match a ";"-separated
// list of wildcards, letter case ignored. One model row per entry: folders of
// a hundred thousand files list without a widget per entry. The folder is
// read once per setFolder; a new pattern filters what was read.
class FileList : public QListView {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString folder() const;
    void setFolder(const QString& path);
    QString pattern() const;
    void setPattern(const QString& pattern);
    // The current entry's name without folder; empty when none is current.
    // Setting the folder or the pattern leaves no entry current.
    QString currentFileName() const;
    int count() const;

signals:
    // The user made an entry the current one (mouse or keyboard).
    void fileClicked();
};

}  // namespace quillon::ui
