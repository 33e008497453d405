#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "files/dat_match.h"
#include "ui/file_digest.h"

class QLabel;
class QPushButton;

namespace quillon::settings {
class SettingsStore;
}

namespace quillon::ui {

class BackgroundTask;

// A window of its own that tells whether a file is a good dump: its size and
// hashes, whether a list of known-good dumps (a DAT) knows it, and how it
// compares with another file (a second dump of the same cartridge, say).
// The file is read on another thread, so a big one keeps nothing waiting;
// the DAT last chosen is remembered per user and used again.
class CheckView : public QWidget {
    Q_OBJECT
public:
    CheckView(const QString& path, settings::SettingsStore& store, QWidget* parent);

    // Whether the file is still being read for its hashes or a comparison.
    bool busy() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void showDigests();
    // Reads the DAT at `path` into the view; false when it gave no list.
    bool useDat(const QString& path);
    // The DAT's answer once both it and the hashes are there; the data after
    // the header is read again first when the answer needs its strong hashes.
    void showVerdict();
    void readHeaderlessData();
    void cmdChooseDat_Click();
    void cmdCompare_Click();
    // Where a file dialog opens: the folder of `file`, else of the one checked.
    QString folderOf(const QString& file) const;

    QString path_;
    settings::SettingsStore& store_;
    std::optional<FileDigests> digests_;
    std::optional<std::vector<files::DatRom>> dat_;
    QString datPath_;
    // Children of the view: each stops and waits for its thread as the view
    // goes. Their work writes only to what it shares with them, never to the
    // view, and their answers are not delivered once it is going.
    BackgroundTask* digestTask_ = nullptr;
    BackgroundTask* compareTask_ = nullptr;

    QLabel* lblCheckSize_ = nullptr;
    QLabel* lblCrc32_ = nullptr;
    QLabel* lblMd5_ = nullptr;
    QLabel* lblSha1_ = nullptr;
    QLabel* lblHeader_ = nullptr;
    QLabel* lblDat_ = nullptr;
    QLabel* lblDatResult_ = nullptr;
    QLabel* lblMatchRom_ = nullptr;
    QLabel* lblCompareFile_ = nullptr;
    QLabel* lblCompare_ = nullptr;
    QPushButton* cmdCompare_ = nullptr;
};

}  // namespace quillon::ui
