#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <algorithm>

#include "ui/drive_source.h"

namespace quillon::ui {

namespace {

// Kernel, runtime and memory-backed file systems: mounted, but holding
// nothing a user keeps ROM images in.
bool isPseudoFileSystem(const QByteArray& type) {
    static const QSet<QByteArray> pseudo = {
        "proc",        "sysfs",    "cgroup",    "cgroup2",         "devpts",
        "devtmpfs",    "mqueue",   "debugfs",   "tracefs",         "securityfs",
        "pstore",      "configfs", "fusectl",   "hugetlbfs",       "bpf",
        "binfmt_misc", "autofs",   "efivarfs",  "rpc_pipefs",      "nsfs",
        "ramfs",       "tmpfs",    "selinuxfs", "fuse.gvfsd-fuse", "fuse.portal"};
    return pseudo.contains(type);
}

bool isUnder(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// The system's own places. Removable media that udisks mounts under
// /run/media/<user> are the exception a user does look for.
bool isSystemPlace(const QString& root) {
    if (isUnder(root, QStringLiteral("/run/media"))) {
        return false;
    }
    return isUnder(root, QStringLiteral("/proc")) || isUnder(root, QStringLiteral("/sys")) ||
           isUnder(root, QStringLiteral("/dev")) || isUnder(root, QStringLiteral("/run")) ||
           isUnder(root, QStringLiteral("/snap"));
}

bool isUserVolume(const QStorageInfo& volume) {
    const QString root = volume.rootPath();
    if (root == QLatin1String("/")) {
        return true;
    }
    // Containers bind single files (/etc/hosts) as mounts; only folders open.
    if (!volume.isValid() || !QFileInfo(root).isDir()) {
        return false;
    }
    return !isPseudoFileSystem(volume.fileSystemType()) && !isSystemPlace(root);
}

QString entryText(const QStorageInfo& volume) {
    const QString root = volume.rootPath();
    const QString name = volume.name();
    if (name.isEmpty() || name == root) {
        return root;
    }
    return root + QStringLiteral(" [") + name + QLatin1Char(']');
}

// The mounted file systems a user would open, one per mount point; "/" is
// always among them so that every folder has a drive.
class MountedVolumes final : public DriveSource {
public:
    QList<DriveEntry> drives() const override {
        if (!read_) {
            entries_ = mounted();
            read_ = true;
        }
        return entries_;
    }

    bool isReady(const DriveEntry& drive) const override {
        const QFileInfo root(drive.root);
        return root.isDir() && root.isReadable();
    }

private:
    static QList<DriveEntry> mounted() {
        QList<DriveEntry> entries{{QStringLiteral("/"), QStringLiteral("/")}};
        QSet<QString> roots{QStringLiteral("/")};
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
            const QString root = volume.rootPath();
            // A path mounted over twice (overlays, stacked mounts) is one place.
            if (roots.contains(root) || !isUserVolume(volume)) {
                continue;
            }
            roots.insert(root);
            entries.append({entryText(volume), root});
        }
        std::sort(entries.begin(), entries.end(),
                  [](const DriveEntry& a, const DriveEntry& b) { return a.root < b.root; });
        return entries;
    }

    mutable bool read_ = false;
    mutable QList<DriveEntry> entries_;
};

}  // namespace

std::unique_ptr<DriveSource> makeSystemDriveSource() { return std::make_unique<MountedVolumes>(); }

}  // namespace quillon::ui
