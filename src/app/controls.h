#pragma once

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QWidget;

namespace quillon::ui {
class DriveList;
class DriveSource;
class FileList;
class FolderList;
struct FolderEntries;
}  // namespace quillon::ui

namespace quillon::app {

// The upload file list's two views: ROM images only, or every file.
inline constexpr char kRomFilesPattern[] = "*.bin;*.a78";
inline constexpr char kAllFilesPattern[] = "*.*";

// Every control of the window, named as the handlers and the tests know
// them (each pointer's objectName is its member's name). The window owns them
// all through Qt's parent chain; these are plain views.
struct UploadControls {
    QGroupBox* fraUp;
    ui::DriveList* Drive2;
    QLabel* lblLogo;
    ui::FolderList* Dir2;
    QLabel* lblName;
    QLabel* lblSize;
    ui::FileList* flbOpen;
    QPushButton* cmdPlay;
    QPushButton* cmdExit;
    QComboBox* cboDouble;
    QLabel* lblDouble1;
    QPushButton* cmdView1;
    QPushButton* cmdView2;
    QCheckBox* chkFast;
    QComboBox* cboLPT;
    QLabel* lblLPT;
    QCheckBox* chkHexx;
    QLineEdit* txtHexx;
    QLabel* Label1;
    QComboBox* cboType;
    QLabel* lblType;
    QLabel* lblscript1;
    QPushButton* cmdSave1;
    QLabel* lblCopyright;
};

struct DumpControls {
    QGroupBox* fraDown;
    ui::DriveList* Drive1;
    QLabel* lblLogo2;
    ui::FolderList* Dir1;
    QComboBox* cboConType;
    QLineEdit* txtFileInput;
    QPushButton* cmdPlay2;
    QPushButton* cmdExit2;
    QCheckBox* chkAlternate2;
    QComboBox* cboDouble2;
    QLabel* lblDouble2;
    QCheckBox* chkHexx2;
    QLineEdit* txtHexx2;
    QComboBox* cboLPT2;
    QLabel* lbltemp1;
    QLabel* lblLPT2;
    QLineEdit* txtShortHexx;
    QCheckBox* chkShortHexx;
    QComboBox* cboType2;
    QLabel* lbltemp2;
    QLabel* lblType2;
    QLabel* lblscript2;
    QPushButton* cmdSave2;
    QLabel* lblcopyright2;
};

struct WindowControls {
    QTabBar* tabTrans;  // above the two frames, which share one place
    UploadControls up;
    DumpControls down;
};

// Creates every control of the window as laid out (places from twips, list
// items, captions, fonts, stacking, keyboard order, accessible names), before
// any handler is connected. Both folder lists open at `start`, the folder the
// program started in, read once for both.
WindowControls buildControls(QWidget* window, const ui::DriveSource& drives,
                             const ui::FolderEntries& start);

}  // namespace quillon::app
