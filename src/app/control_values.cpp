#include "app/control_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"

namespace quillon::app {

namespace {

std::array<std::string, 3> firstThreeItems(const QComboBox* box) {
    // itemText gives the empty text past the end of a shorter list.
    return {utf8(box->itemText(0)), utf8(box->itemText(1)), utf8(box->itemText(2))};
}

}  // namespace

std::string utf8(const QString& text) { return text.toStdString(); }

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool isChecked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

std::size_t characterCount(const QString& text) {
    return static_cast<std::size_t>(text.toUcs4().size());
}

void setComboText(QComboBox* box, const QString& text) {
    const int item = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0 && item != box->currentIndex()) {
        box->setCurrentIndex(item);
    }
    if (box->currentText() != text) {
        box->setEditText(text);
    }
    // A text wider than the edit field shows from its start, unless the user
    // is at work in it.
    if (!box->hasFocus()) {
        box->lineEdit()->setCursorPosition(0);
    }
}

command::UploadSnapshot uploadSnapshot(const UploadControls& page) {
    command::UploadSnapshot snapshot;
    snapshot.doubleItems = firstThreeItems(page.cboDouble);
    snapshot.doubleText = utf8(page.cboDouble->currentText());
    snapshot.fast = isChecked(page.chkFast);
    snapshot.port = utf8(page.cboLPT->currentText());
    snapshot.type = utf8(page.cboType->currentText());
    snapshot.writeOn = isChecked(page.chkHexx);
    snapshot.writeAddress = utf8(page.txtHexx->text());
    snapshot.folder = utf8(page.Dir2->path());
    snapshot.fileName = utf8(page.flbOpen->currentFileName());
    return snapshot;
}

command::DumpSnapshot dumpSnapshot(const DumpControls& page) {
    command::DumpSnapshot snapshot;
    snapshot.alternate = isChecked(page.chkAlternate2);
    snapshot.doubleItems = firstThreeItems(page.cboDouble2);
    snapshot.doubleText = utf8(page.cboDouble2->currentText());
    snapshot.port = utf8(page.cboLPT2->currentText());
    snapshot.type = utf8(page.cboType2->currentText());
    snapshot.bankOn = isChecked(page.chkShortHexx);
    snapshot.bank = utf8(page.txtShortHexx->text());
    snapshot.writeOn = isChecked(page.chkHexx2);
    snapshot.writeAddress = utf8(page.txtHexx2->text());
    snapshot.code = utf8(page.cboConType->currentText());
    snapshot.destination = utf8(page.txtFileInput->text());
    return snapshot;
}

void showPreview(QLabel* label, const std::string& line) {
    const QString text = fromUtf8(line);
    label->setText(text);
    label->setToolTip(text);
    label->setAccessibleDescription(text);
}

QString folderOnDrive(const ui::DriveList& drive, const ui::FolderList& folders) {
    if (drive.indexForPath(folders.path()) == drive.currentIndex()) {
        return folders.path();
    }
    return drive.currentEntry().root;
}

}  // namespace quillon::app
