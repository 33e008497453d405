#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "app/frm_game_loader.h"
#include "platform/launcher.h"
#include "ui/drive_source.h"
#include "ui/qsettings_store.h"

namespace quillon::testing {

// Two drives: "Work", whose root holds the folder the program starts in, and
// "Spare", whose medium a test can take out.
struct TestDrives final : ui::DriveSource {
    QList<ui::DriveEntry> drives() const override { return {work, spare}; }
    bool isReady(const ui::DriveEntry& drive) const override {
        return drive != spare || spareReady;
    }
    ui::DriveEntry work, spare;
    bool spareReady = true;
};

// Keeps every command it is asked to start and answers with `outcome`. A path
// is its own short form, as on a system without 8.3 names.
struct RecordingLauncher final : platform::ToolLauncher {
    std::string shortPath(const std::string& path) const override { return path; }
    platform::LaunchOutcome start(const command::TransferCommand& command) override {
        started.push_back(command);
        return outcome;
    }
    std::vector<command::TransferCommand> started;
    platform::LaunchOutcome outcome{platform::LaunchOutcome::Status::Started, {}};
};

// A world of its own for one test: a temporary folder that is the current
// folder ("work", the root of drive Work; "spare", the root of drive Spare),
// the per-user settings under it, the message boxes answered at once and
// noted, and the window built on all of that, driven by real input.
class WindowHarness {
public:
    WindowHarness();
    ~WindowHarness();

    // Builds a new window on the same store (closing any earlier one) and
    // shows it, active, as main does; on the recording launcher by default.
    app::frmGameLoader& open(platform::ToolLauncher* tool = nullptr);
    app::frmGameLoader& window() { return *window_; }

    QString workFolder() const { return root_.filePath(QStringLiteral("work")); }
    QString spareFolder() const { return drives.spare.root; }
    // A folder under work, and a file of `bytes` bytes in it; absolute paths.
    QString makeFolder(const QString& relative) const;
    QString makeFile(const QString& relative, qint64 bytes) const;

    template <typename Widget = QWidget>
    Widget* find(const char* name) {
        return window_->findChild<Widget*>(QString::fromLatin1(name));
    }
    // What the named control shows: caption, text or current item.
    QString text(const char* name);
    bool enabled(const char* name) { return find(name)->isEnabled(); }
    // One line for the control named by each row's first word: name, 'text',
    // its own switches where they differ from shown, enabled and unchecked
    // (whatever its page's), and a combo box's items. Compared with a list of
    // the expected lines, a failure names the control and all it got wrong.
    QStringList describe(const QStringList& rows);
    // Every option of both pages that Save keeps, and both previews.
    QStringList savedOptions();

    // Real input to the named control. Those that return false found no such
    // entry or tab on view.
    void click(const char* name);                             // left button, in the middle
    void type(const char* name, const QString& keys);         // at the cursor, focus there
    void press(const char* name, Qt::Key key);                // one key, focus there
    void replaceText(const char* name, const QString& text);  // select all, then type
    bool clickEntry(const char* list, const QString& name);
    bool openFolder(const char* list, const QString& name);  // click the entry, then Enter
    bool clickFile(const QString& name) { return clickEntry("flbOpen", name); }
    bool chooseTab(int index);  // click on the tab

    ui::QSettingsStore store;
    RecordingLauncher launcher;
    TestDrives drives;
    QStringList messages;  // every box shown, in order; each answered with OK

private:
    QTemporaryDir root_;
    QString previousFolder_;
    std::unique_ptr<app::frmGameLoader> window_;
};

}  // namespace quillon::testing
