#pragma once

#include <QList>
#include <QString>
#include <memory>

namespace quillon::ui {

// One drive as the drive list offers it: the text the list shows (and that
// the window stores to set the list back) and the folder it opens.
struct DriveEntry {
    QString text;
    QString root;

    friend bool operator==(const DriveEntry&, const DriveEntry&) = default;
};

// Where the drive list gets its drives from: drive letters on Windows, the
// mounted file systems elsewhere. Tests substitute their own, to make a drive
// not ready.
class DriveSource {
public:
    virtual ~DriveSource() = default;
    virtual QList<DriveEntry> drives() const = 0;
    // False when the drive's device is unavailable (no medium, gone).
    virtual bool isReady(const DriveEntry& drive) const = 0;
};

// The system's drives, read at the first call and kept: every drive list of
// a run shows the same drives, and the mount table is read once for all.
std::unique_ptr<DriveSource> makeSystemDriveSource();

}  // namespace quillon::ui
