#pragma once

#include <QString>
#include <QWidget>

#include "app/controls.h"
#include "command/transfer_command.h"
#include "rules/enabling.h"
#include "rules/hex_field.h"

class QCheckBox;
class QLineEdit;

class QPushButton;

namespace quillon::settings {
class SettingsStore;
}
namespace quillon::platform {
class ToolLauncher;
}

namespace quillon::app {

// What the window uses of the world outside it; main passes the system's,
// tests pass their own (a store on a temporary path, stand-in drives).
struct Services {
    settings::SettingsStore& store;
    platform::ToolLauncher& launcher;
    const ui::DriveSource& drives;
};

// The one window. Its constructor runs the start-up sequence; when it
// returns, the window is ready to be shown with the upload page on view.
//
// Handlers are named control_event and do little but read the controls, ask
// a rule and write the answer back. Every change of a control, the
// program's included, raises its handler at once, so handlers nest: setting
// a check box runs its click handling before the setter returns.
class frmGameLoader : public QWidget {
    Q_OBJECT
public:
    explicit frmGameLoader(Services services, QWidget* parent = nullptr);

    const WindowControls& controls() const { return c_; }
    // The page flags: upload blnHexx, blnSelect, blnShortHexx; download
    // blnHexx2, blnSelect2, blnShortHexx2.
    const rules::PageFlags& uploadFlags() const { return upFlags_; }
    const rules::PageFlags& dumpFlags() const { return downFlags_; }

protected:
    // The hex text boxes' key filter sees each key before the box does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();

    // Start-up, page switching, exit, saving.
    void Form_Load();
    void tabTrans_Click();
    void cmdExit_Click();
    void cmdExit2_Click();
    void cmdSave1_Click();
    void cmdSave2_Click();

    // Composing, enabling and starting.
    void LabelChange1();
    void LabelChange2();
    void CheckAll1();
    void CheckAll2();
    void cmdPlay_Click();
    void cmdPlay2_Click();
    void cboConType_Change();
    // Hands a composed command to the launcher; a refusal or a failed start
    // is told.
    void startTool(const command::TransferCommand& command);

    // The hex fields: key filter, change rule, click rule.
    void txtHexx_KeyPress(int& keyAscii);
    void txtHexx2_KeyPress(int& keyAscii);
    void txtShortHexx_KeyPress(int& keyAscii);
    void txtHexx_Change();
    void txtHexx2_Change();
    void txtShortHexx_Change();
    void chkHexx_Click();
    void chkHexx2_Click();
    void chkShortHexx_Click();

    // The ROM browser of the upload page.
    void Drive2_Change();
    void Dir2_Change();
    void flbOpen_Click();
    void cmdView1_Click();
    void cmdView2_Click();
    void switchFileView(const QString& pattern, QPushButton* pressed, QPushButton* twin);

    // The destination of the download page.
    void Drive1_Change();
    void Dir1_Change();
    void txtFileInput_Change();

    // Both pages' drive lists: opens the chosen drive in the page's folder
    // list; false when it was not opened.
    bool openDrive(ui::DriveList* drive, ui::FolderList* folders, QString lastGood);

    // What the three hex fields share; each handler above names its field.
    struct HexFieldControls {
        QCheckBox* check;
        QLineEdit* box;
        bool* flag;
    };
    HexFieldControls hexField(rules::HexFieldId id);
    void hexKeyPress(rules::HexFieldId id, int& keyAscii);
    void hexChange(rules::HexFieldId id);
    void hexClick(rules::HexFieldId id);
    void checkPage(rules::Page page);
    void previewPage(rules::Page page);

    Services services_;
    WindowControls c_;
    rules::PageFlags upFlags_;
    rules::PageFlags downFlags_;
    QString strDrive1;
    QString strDrive2;
};

}  // namespace quillon::app
