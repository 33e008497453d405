// The upload page's ROM reached by its path instead of through the lists:
// named on the command line, or dropped on the page from a file manager; and
// the chosen ROM's path handed to a check view.
#include <QFileInfo>
#include <QGroupBox>

#include "app/file_check.h"
#include "app/page_actions.h"
#include "app/page_snapshots.h"
#include "app/path_drop.h"
#include "app/text_conversion.h"
#include "app/upload_page.h"
#include "command/page_commands.h"
#include "files/rom_choice.h"
#include "platform/launcher.h"
#include "ui/file_list.h"
#include "ui/message_box.h"

namespace quillon::app {

namespace {

bool isRomFile(const QFileInfo& file) {
    return file.isFile() && files::isRomPath(utf8(file.fileName()));
}

}  // namespace

void UploadPage::openRom(const QString& path) {
    const QFileInfo file(path);
    if (!isRomFile(file)) {
        ui::showMessage(c_.fraUp->window(), kNotARom);
        return;
    }
    if (!openFolder(c_.Drive2, c_.Dir2, file.absolutePath())) {
        return;
    }
    ui::FileList* list = c_.flbOpen;
    const QModelIndexList hits = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                      file.fileName(), 1, Qt::MatchExactly);
    if (hits.isEmpty()) {
        return;
    }
    list->scrollTo(hits.front());
    // Choosing the current entry again is no change to the list, yet it is
    // a choice made again, as a click on it is.
    if (list->currentIndex() == hits.front()) {
        flbOpen_Click();
    } else {
        list->setCurrentIndex(hits.front());
    }
}

// The drop is judged as it is dragged, so that nothing opens for a file the
// click would refuse.
void UploadPage::takeDroppedRoms() {
    new PathDrop(c_.fraUp, isRomFile, [this](const QString& path) { openRom(path); });
}

// The ROM an upload would send, while one is chosen: the file list's
// selection once it has been accepted.
void UploadPage::offerRomCheck(PreviewMenu& menu) {
    new FileCheckItem(menu, c_.lblscript1, store_, [this] {
        return flags_.select
                   ? fromUtf8(
                         command::composeUpload(uploadSnapshot(c_), platform::pathSeparator()).file)
                   : QString();
    });
}

}  // namespace quillon::app
