#include "app/page_snapshots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "app/control_values.h"
#include "app/text_conversion.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"

namespace quillon::app {

namespace {

std::array<std::string, 3> firstThreeItems(const QComboBox* box) {
    // itemText gives the empty text past the end of a shorter list.
    return {utf8(box->itemText(0)), utf8(box->itemText(1)), utf8(box->itemText(2))};
}

}  // namespace

command::UploadOptions uploadOptions(const UploadControls& page) {
    return {.fast = isChecked(page.chkFast),
            .writeOn = isChecked(page.chkHexx),
            .writeAddress = utf8(page.txtHexx->text()),
            .doubleText = utf8(page.cboDouble->currentText()),
            .port = utf8(page.cboLPT->currentText()),
            .type = utf8(page.cboType->currentText())};
}

command::UploadSnapshot uploadSnapshot(const UploadControls& page) {
    return {.options = uploadOptions(page),
            .doubleItems = firstThreeItems(page.cboDouble),
            .folder = utf8(page.Dir2->path()),
            .fileName = utf8(page.flbOpen->currentFileName())};
}

command::DumpOptions dumpOptions(const DumpControls& page) {
    return {.alternate = isChecked(page.chkAlternate2),
            .writeOn = isChecked(page.chkHexx2),
            .writeAddress = utf8(page.txtHexx2->text()),
            .bankOn = isChecked(page.chkShortHexx),
            .bank = utf8(page.txtShortHexx->text()),
            .doubleText = utf8(page.cboDouble2->currentText()),
            .port = utf8(page.cboLPT2->currentText()),
            .type = utf8(page.cboType2->currentText()),
            .code = utf8(page.cboConType->currentText())};
}

command::DumpSnapshot dumpSnapshot(const DumpControls& page) {
    return {.options = dumpOptions(page),
            .doubleItems = firstThreeItems(page.cboDouble2),
            .destination = utf8(page.txtFileInput->text())};
}

}  // namespace quillon::app
