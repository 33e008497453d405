#pragma once

#include <QObject>
#include <QString>

#include "app/controls.h"
#include "app/page_actions.h"
#include "rules/enabling.h"

namespace quillon::settings {
class SettingsStore;
}
namespace quillon::platform {
class ToolLauncher;
}

namespace quillon::app {

class HexFieldControl;
class RunHere;
class ToolStart;
struct PageRun;

// The download page: choose a destination folder, type the file name, set
// the options, and dump the cartridge with "Dump Rom". It owns the page's
// controls, its flags (blnHexx2, blnSelect2, blnShortHexx2) and its handlers.
class DumpPage : public QObject {
    Q_OBJECT
public:
    DumpPage(const DumpControls& controls, settings::SettingsStore& store,
             platform::ToolLauncher& launcher, RunHere& runHere, QObject* parent);

    const DumpControls& controls() const { return c_; }
    const rules::PageFlags& flags() const { return flags_; }

    // The page's steps of start-up, called in the window's order.
    void placeOver(const QWidget* uploadFrame);
    void disableAction();
    void noteDrive();
    void resetFlags();
    void disableAlternateMode();
    // Puts the options last saved into the controls as a user would, so that
    // each control's handler runs; a page never saved keeps its layout values.
    void restore();

    void LabelChange2();
    void CheckAll2();

private:
    // The dump as "Dump Rom" would start it now, and the file it writes.
    RunnableCommand dumpToRun() const;
    PageRun pageRun() const;
    void cmdPlay2_Click();
    void cmdSave2_Click();
    void cboConType_Change();

    void Drive1_Change();
    void Dir1_Change();
    void txtFileInput_Change();

    DumpControls c_;
    settings::SettingsStore& store_;
    RunHere& runHere_;
    ToolStart* toolStart_;
    rules::PageFlags flags_;
    QString strDrive1;
    HexFieldControl* writeAddress_;
    HexFieldControl* bankNumber_;
};

}  // namespace quillon::app
