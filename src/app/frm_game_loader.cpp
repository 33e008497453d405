#include "app/frm_game_loader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/settings_binding.h"
#include "settings/page_settings.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/message_box.h"
#include "ui/twips.h"

namespace quillon::app {

namespace {

// The layout's outer size, 5850 x 6165 twips, less a fixed single border
// and a caption bar: what the window system adds around it.
constexpr int kClientWidthTwips = 5730;
constexpr int kClientHeightTwips = 5790;

constexpr int kUploadTab = 0;
constexpr int kDownloadTab = 1;

}  // namespace

frmGameLoader::frmGameLoader(Services services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("frmGameLoader"));
    setWindowTitle(QStringLiteral("Quillon 2.5"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    c_ = buildControls(this, services_.drives);
    // Connected before start-up, which restores the saved options through
    // the controls and relies on their handlers.
    connectHandlers();
    Form_Load();
}

void frmGameLoader::connectHandlers() {
    const UploadControls& up = c_.up;
    const DumpControls& down = c_.down;
    using Self = frmGameLoader;

    connect(c_.tabTrans, &QTabWidget::currentChanged, this, &Self::tabTrans_Click);
    connect(up.cmdExit, &QPushButton::clicked, this, &Self::cmdExit_Click);
    connect(down.cmdExit2, &QPushButton::clicked, this, &Self::cmdExit2_Click);
    connect(up.cmdSave1, &QPushButton::clicked, this, &Self::cmdSave1_Click);
    connect(down.cmdSave2, &QPushButton::clicked, this, &Self::cmdSave2_Click);
    connect(up.cmdPlay, &QPushButton::clicked, this, &Self::cmdPlay_Click);
    connect(down.cmdPlay2, &QPushButton::clicked, this, &Self::cmdPlay2_Click);

    // The option controls do nothing but recompose their page's preview; a
    // combo box reports typing and picking alike.
    for (QComboBox* option : {up.cboType, up.cboLPT, up.cboDouble}) {
        connect(option, &QComboBox::currentTextChanged, this, &Self::LabelChange1);
    }
    connect(up.chkFast, &QCheckBox::stateChanged, this, &Self::LabelChange1);
    for (QComboBox* option : {down.cboType2, down.cboLPT2, down.cboDouble2}) {
        connect(option, &QComboBox::currentTextChanged, this, &Self::LabelChange2);
    }
    connect(down.chkAlternate2, &QCheckBox::stateChanged, this, &Self::LabelChange2);
    connect(down.cboConType, &QComboBox::currentTextChanged, this, &Self::cboConType_Change);

    connect(up.chkHexx, &QCheckBox::stateChanged, this, &Self::chkHexx_Click);
    connect(down.chkHexx2, &QCheckBox::stateChanged, this, &Self::chkHexx2_Click);
    connect(down.chkShortHexx, &QCheckBox::stateChanged, this, &Self::chkShortHexx_Click);
    connect(up.txtHexx, &QLineEdit::textChanged, this, &Self::txtHexx_Change);
    connect(down.txtHexx2, &QLineEdit::textChanged, this, &Self::txtHexx2_Change);
    connect(down.txtShortHexx, &QLineEdit::textChanged, this, &Self::txtShortHexx_Change);
    for (QLineEdit* hexBox : {up.txtHexx, down.txtHexx2, down.txtShortHexx}) {
        hexBox->installEventFilter(this);
    }

    connect(up.Drive2, &ui::DriveList::driveChanged, this, &Self::Drive2_Change);
    connect(up.Dir2, &ui::FolderList::folderChanged, this, &Self::Dir2_Change);
    connect(up.flbOpen, &ui::FileList::fileClicked, this, &Self::flbOpen_Click);
    connect(up.cmdView1, &QPushButton::clicked, this, &Self::cmdView1_Click);
    connect(up.cmdView2, &QPushButton::clicked, this, &Self::cmdView2_Click);

    connect(down.Drive1, &ui::DriveList::driveChanged, this, &Self::Drive1_Change);
    connect(down.Dir1, &ui::FolderList::folderChanged, this, &Self::Dir1_Change);
    connect(down.txtFileInput, &QLineEdit::textChanged, this, &Self::txtFileInput_Change);
}

// None of these steps throws: a step the system cannot carry out (a drive
// not ready, a folder that cannot be read, a missing saved value) leaves its
// control as it was, and start-up goes on with the next.
void frmGameLoader::Form_Load() {
    UploadControls& up = c_.up;
    DumpControls& down = c_.down;

    up.cmdView1->setEnabled(true);
    up.cmdView1->show();
    up.cmdView2->hide();
    up.fraUp->setEnabled(true);
    up.fraUp->show();
    setFixedSize(ui::twipsSize(kClientWidthTwips, kClientHeightTwips));
    down.fraDown->move(up.fraUp->pos());

    up.cmdPlay->setEnabled(false);
    down.cmdPlay2->setEnabled(false);
    strDrive2 = up.Drive2->drive();
    strDrive1 = down.Drive1->drive();
    upFlags_ = rules::PageFlags{.hexx = true, .select = false, .shortHexx = true};
    downFlags_ = rules::PageFlags{.hexx = true, .select = false, .shortHexx = true};

    LabelChange1();
    LabelChange2();
    down.chkAlternate2->setEnabled(false);
    up.flbOpen->setFolder(up.Dir2->path());

    applySettings(this, settings::uploadRestore(services_.store));
    applySettings(this, settings::dumpRestore(services_.store));
    CheckAll1();
}

// Two independent tests, so that the page of whichever tab is selected ends
// on view; nothing is recomposed or re-evaluated.
void frmGameLoader::tabTrans_Click() {
    QGroupBox* upload = c_.up.fraUp;
    QGroupBox* download = c_.down.fraDown;
    if (c_.tabTrans->currentIndex() == kDownloadTab) {
        upload->hide();
        upload->setEnabled(false);
        download->setEnabled(true);
        download->show();
    }
    if (c_.tabTrans->currentIndex() == kUploadTab) {
        download->hide();
        download->setEnabled(false);
        upload->setEnabled(true);
        upload->show();
    }
}

// Nothing is saved on exit; tools already started keep running.
void frmGameLoader::cmdExit_Click() {
    close();
    QCoreApplication::quit();
}

void frmGameLoader::cmdExit2_Click() {
    close();
    QCoreApplication::quit();
}

void frmGameLoader::cmdSave1_Click() {
    if (const std::string refusal = settings::saveUpload(services_.store, uploadOptions(c_.up));
        !refusal.empty()) {
        ui::showMessage(this, QString::fromStdString(refusal));
    }
}

void frmGameLoader::cmdSave2_Click() {
    if (const std::string refusal = settings::saveDump(services_.store, dumpOptions(c_.down));
        !refusal.empty()) {
        ui::showMessage(this, QString::fromStdString(refusal));
    }
}

}  // namespace quillon::app
