#pragma once

#include <QComboBox>

#include "ui/drive_source.h"

namespace quillon::ui {

// A drop-down list of drives. The window opens the chosen drive in a folder
// list and sets the list back to the last good drive when it is not ready.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(const DriveSource& source, QWidget* parent = nullptr);

    // The current drive's text, as shown.
    QString drive() const;
    // Makes the drive with this text current; raises driveChanged when the
    // current drive changes, exactly as a user's choice does.
    void setDrive(const QString& text);
    // The current drive as the source gave it.
    DriveEntry currentEntry() const;
    bool currentReady() const;
    // The drive that holds `path` (the longest matching root), for showing
    // the drive of the folder a list starts in.
    int indexForPath(const QString& path) const;

signals:
    void driveChanged();

private:
    const DriveSource* source_;
    // Read once: the texts stay stable for the whole run, so a stored drive
    // text always finds its entry again.
    QList<DriveEntry> entries_;
};

}  // namespace quillon::ui
