#include "ui/check_view.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "settings/check_settings.h"
#include "ui/background_task.h"
#include "ui/dat_file.h"
#include "ui/file_chooser.h"
#include "ui/file_compare.h"
#include "ui/message_box.h"

namespace quillon::ui {

namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

const QString kReading = QStringLiteral("Reading…");

}  // namespace

CheckView::CheckView(const QString& path, settings::SettingsStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window), path_(QFileInfo(path).absoluteFilePath()), store_(store) {
    setObjectName(QStringLiteral("frmCheck"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Check File — ") + QFileInfo(path_).fileName());
    buildControls();
    const QString remembered = fromUtf8(settings::loadDatPath(store_));
    if (!remembered.isEmpty()) {
        useDat(remembered);
    }
    auto read = std::make_shared<FileDigests>();
    digestTask_ = new BackgroundTask(
        [read, path = path_](const std::atomic<bool>& stop) { *read = digestFile(path, stop); },
        [this, read] {
            digests_ = std::move(*read);
            showDigests();
            showVerdict();
        },
        this);
}

bool CheckView::busy() const {
    return (digestTask_ && digestTask_->running()) || (compareTask_ && compareTask_->running());
}

void CheckView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CheckView::showDigests() {
    if (!digests_->error.isEmpty()) {
        lblCheckSize_->setText(QStringLiteral("Could not read the file: ") + digests_->error);
        for (QLabel* hash : {lblCrc32_, lblMd5_, lblSha1_, lblHeader_}) {
            hash->clear();
        }
        return;
    }
    const files::Digests& whole = digests_->whole;
    lblCheckSize_->setText(QStringLiteral("%1 bytes").arg(whole.size));
    lblCrc32_->setText(fromUtf8(files::crcText(whole.crc32)));
    lblMd5_->setText(fromUtf8(whole.md5));
    lblSha1_->setText(fromUtf8(whole.sha1));
    if (const auto& rest = digests_->headerless) {
        lblHeader_->setText(QStringLiteral("%1 bytes; after it %2 bytes, CRC32 %3")
                                .arg(files::kRomHeaderBytes)
                                .arg(rest->size)
                                .arg(fromUtf8(files::crcText(rest->crc32))));
    } else {
        lblHeader_->setText(QStringLiteral("None"));
    }
}

bool CheckView::useDat(const QString& path) {
    DatFile read = readDatFile(path);
    if (!read.error.isEmpty()) {
        lblDat_->setText(shownPath(path) + QStringLiteral(" could not be read. ") + read.error);
        dat_.reset();
        datPath_.clear();
        showVerdict();
        return false;
    }
    datPath_ = path;
    const std::size_t roms = read.roms.size();
    lblDat_->setText(QStringLiteral("%1 (%2 %3)")
                         .arg(shownPath(path))
                         .arg(roms)
                         .arg(roms == 1 ? QStringLiteral("ROM") : QStringLiteral("ROMs")));
    dat_ = std::move(read.roms);
    showVerdict();
    return true;
}

void CheckView::showVerdict() {
    lblMatchRom_->clear();
    if (!dat_ || !digests_ || !digests_->error.isEmpty()) {
        lblDatResult_->setText(dat_ && !digests_ ? kReading : QString());
        return;
    }
    if (digestTask_->running()) {
        return;  // the data after the header is being read; its answer comes back here
    }
    const files::MatchVerdict verdict =
        files::chooseMatch(*dat_, digests_->whole, digests_->headerless);
    if (verdict.wantsHeaderlessHashes) {
        readHeaderlessData();
        return;
    }
    lblDatResult_->setText(fromUtf8(files::matchText(verdict)));
    if (verdict.match) {
        lblMatchRom_->setText(
            QStringLiteral("as %1, %2")
                .arg(fromUtf8(verdict.match->rom), verdict.match->withoutHeader
                                                       ? QStringLiteral("the data after the header")
                                                       : QStringLiteral("the whole file")));
    }
}

// Asked for only when a ROM of the DAT fits that data by size and CRC-32, so
// a file is read twice only when it is likely to match without its header.
void CheckView::readHeaderlessData() {
    lblDatResult_->setText(kReading);
    auto rest = std::make_shared<files::Digests>(*digests_->headerless);
    auto read = std::make_shared<bool>(false);
    digestTask_->deleteLater();
    digestTask_ = new BackgroundTask(
        [rest, read, path = path_](const std::atomic<bool>& stop) {
            *read = digestHeaderless(path, *rest, stop);
        },
        [this, rest, read] {
            if (!*read) {
                lblDatResult_->setText(QStringLiteral("Could not read the file again."));
                return;
            }
            digests_->headerless = *rest;
            showVerdict();
        },
        this);
}

// The list is remembered only once it has been read: a file that gives no
// list is not worth offering at the next start.
void CheckView::cmdChooseDat_Click() {
    const QString chosen = chooseFile(this, QStringLiteral("Choose DAT"), folderOf(datPath_),
                                      QStringLiteral("DAT files (*.dat *.xml);;All files (*)"));
    if (chosen.isEmpty() || !useDat(chosen)) {
        return;
    }
    const std::string refusal = settings::saveDatPath(store_, chosen.toStdString());
    if (!refusal.empty()) {
        showMessage(this, fromUtf8(refusal));
    }
}

void CheckView::cmdCompare_Click() {
    const QString other = chooseFile(this, QStringLiteral("Compare With"), folderOf(path_),
                                     QStringLiteral("ROM images (*.a78 *.bin);;All files (*)"));
    if (other.isEmpty()) {
        return;
    }
    lblCompareFile_->setText(shownPath(QFileInfo(other).absoluteFilePath()));
    lblCompare_->setText(kReading);
    cmdCompare_->setEnabled(false);
    auto verdict = std::make_shared<QString>();
    if (compareTask_) {
        compareTask_->deleteLater();
    }
    compareTask_ = new BackgroundTask(
        [verdict, ours = path_, other](const std::atomic<bool>& stop) {
            *verdict = compareFiles(ours, other, stop);
        },
        [this, verdict] {
            lblCompare_->setText(*verdict);
            cmdCompare_->setEnabled(true);
        },
        this);
}

QString CheckView::folderOf(const QString& file) const {
    return QFileInfo(file.isEmpty() ? path_ : file).absolutePath();
}

}  // namespace quillon::ui
