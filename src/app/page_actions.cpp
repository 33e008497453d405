#include "app/page_actions.h"

#include <QPushButton>

#include "app/text_conversion.h"
#include "ui/drive_list.h"
#include "ui/folder_list.h"
#include "ui/message_box.h"

namespace quillon::app {

namespace {

// The folder a drive opens in: the folder list's own folder when it lies on
// that drive (the drive's current folder), else the drive's root.
QString folderOnDrive(const ui::DriveList& drive, const ui::FolderList& folders) {
    if (drive.indexForPath(folders.path()) == drive.currentIndex()) {
        return folders.path();
    }
    return drive.currentEntry().root;
}

}  // namespace

QString actionCaption(const QPushButton* button) { return button->text().remove(QLatin1Char('&')); }

void tellIfAny(QWidget* page, const std::string& text) {
    if (!text.empty()) {
        ui::showMessage(page->window(), fromUtf8(text));
    }
}

bool openDrive(ui::DriveList* drive, ui::FolderList* folders, QString lastGood) {
    if (!drive->currentReady()) {
        ui::showMessage(drive->window(), QStringLiteral("Drive not ready"));
        drive->setDrive(lastGood);
        return false;
    }
    return folders->setPath(folderOnDrive(*drive, *folders));
}

bool openFolder(ui::DriveList* drive, ui::FolderList* folders, const QString& folder) {
    const int holder = drive->indexForPath(folder);
    if (holder >= 0 && holder != drive->currentIndex()) {
        drive->setCurrentIndex(holder);
        // A drive that is not ready has been reported and set back.
        if (drive->currentIndex() != holder) {
            return false;
        }
    }
    return folders->setPath(folder);
}

}  // namespace quillon::app
