#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "ui/drive_source.h"

namespace quillon::ui {

namespace {

// Shown as classic drive lists do: the lower-case letter and colon, with the
// volume's label in brackets when the medium has one ("c: [SYSTEM]").
QString entryText(const QString& root) {
    QString text = root.left(2).toLower();
    const QStorageInfo volume(root);
    if (volume.isValid() && volume.isReady() && !volume.name().isEmpty()) {
        text += QStringLiteral(" [") + volume.name() + QLatin1Char(']');
    }
    return text;
}

class DriveLetters final : public DriveSource {
public:
    QList<DriveEntry> drives() const override {
        if (!read_) {
            entries_ = letters();
            read_ = true;
        }
        return entries_;
    }

    bool isReady(const DriveEntry& drive) const override {
        // An empty card reader or optical drive is valid but not ready.
        const QStorageInfo volume(drive.root);
        return volume.isValid() && volume.isReady();
    }

private:
    static QList<DriveEntry> letters() {
        QList<DriveEntry> entries;
        for (const QFileInfo& drive : QDir::drives()) {
            // "C:/" becomes the root "C:\" that the folder list opens.
            const QString root = QDir::toNativeSeparators(drive.absoluteFilePath());
            entries.append({entryText(root), root});
        }
        return entries;
    }

    mutable bool read_ = false;
    mutable QList<DriveEntry> entries_;
};

}  // namespace

std::unique_ptr<DriveSource> makeSystemDriveSource() { return std::make_unique<DriveLetters>(); }

}  // namespace quillon::ui
