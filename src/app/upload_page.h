#pragma once

#include <QObject>
#include <QString>

#include "app/controls.h"
#include "app/page_actions.h"
#include "rules/enabling.h"

class QPushButton;

namespace quillon::settings {
class SettingsStore;
}
namespace quillon::platform {
class ToolLauncher;
}

namespace quillon::app {

class HexFieldControl;
class PreviewMenu;
class RunHere;
class ToolStart;
struct PageRun;

// The upload page: pick a ROM in the drive, folder and file lists, set the
// options, and send the ROM with "Upload Rom". It owns the page's controls,
// its flags (blnHexx, blnSelect, blnShortHexx) and its handlers, which read
// its controls, ask a rule and write the answer back.
class UploadPage : public QObject {
    Q_OBJECT
public:
    UploadPage(const UploadControls& controls, settings::SettingsStore& store,
               platform::ToolLauncher& launcher, RunHere& runHere, QObject* parent);

    const UploadControls& controls() const { return c_; }
    const rules::PageFlags& flags() const { return flags_; }

    // The page's steps of start-up, called in the window's order.
    void showAtariFilesView();
    void showPage();
    void disableAction();
    void noteDrive();
    void resetFlags();
    void showStartFolderFiles();
    // Puts the options last saved into the controls as a user would, so that
    // each control's handler runs; a page never saved keeps its layout values.
    void restore();

    void LabelChange1();
    void CheckAll1();

    // Chooses the ROM at `path`, a path as the system opens it
    // (ui::systemPath), as a user would: its folder opened through the drive
    // and folder lists, then the file clicked in the file list. A path that
    // is no ROM file (the empty one included) is answered as a click on a
    // non-ROM is, and nothing changes.
    void openRom(const QString& path);

private:
    // What a click on a file that is no ROM says.
    static inline const QString kNotARom = QStringLiteral("Please select an atari file only!");

    void takeDroppedRoms();
    void offerRomCheck(PreviewMenu& menu);
    // The upload as "Upload Rom" would start it now.
    RunnableCommand uploadToRun() const;
    PageRun pageRun() const;
    void cmdPlay_Click();
    void cmdSave1_Click();

    void Drive2_Change();
    void Dir2_Change();
    void flbOpen_Click();
    void cmdView1_Click();
    void cmdView2_Click();
    void switchFileView(const char* pattern, QPushButton* pressed, QPushButton* twin);
    // The list has no entry selected, so no ROM is chosen any more and the
    // upload waits for the next selection.
    void forgetRom();

    UploadControls c_;
    settings::SettingsStore& store_;
    platform::ToolLauncher& launcher_;
    RunHere& runHere_;
    ToolStart* toolStart_;
    rules::PageFlags flags_;
    QString strDrive2;
    HexFieldControl* writeAddress_;
};

}  // namespace quillon::app
