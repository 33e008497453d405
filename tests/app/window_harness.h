#pragma once

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "app/frm_game_loader.h"
#include "platform/launcher.h"
#include "ui/drive_source.h"
#include "ui/qsettings_store.h"

class QComboBox;

namespace quillon::ui {
class FileList;
class FolderList;
}  // namespace quillon::ui

namespace quillon::testing {

// Two drives: "Work", whose root holds the folder the program starts in, and
// "Spare", whose medium a test can take out.
class TestDrives final : public ui::DriveSource {
public:
    TestDrives(QString workRoot, QString spareRoot);
    QList<ui::DriveEntry> drives() const override;
    bool isReady(const ui::DriveEntry& drive) const override;
    void setSpareReady(bool ready) { spareReady_ = ready; }

private:
    QString workRoot_;
    QString spareRoot_;
    bool spareReady_ = true;
};

// Keeps every command it is asked to start and answers with `outcome`. A path
// has itself as its short form while it exists, as on a system without 8.3
// names.
class RecordingLauncher final : public platform::ToolLauncher {
public:
    std::string shortPath(const std::string& path) const override;
    platform::LaunchOutcome start(const command::TransferCommand& command) override;

    std::vector<command::TransferCommand> started;
    platform::LaunchOutcome outcome{platform::LaunchOutcome::Status::Started, {}};
};

// A world of its own for one test: a temporary folder that is the current
// folder ("work", the root of drive Work; "spare", the root of drive Spare),
// the per-user settings under it, the message boxes answered at once and
// noted, and the window built on all of that.
class WindowHarness {
public:
    WindowHarness();
    ~WindowHarness();
    WindowHarness(const WindowHarness&) = delete;
    WindowHarness& operator=(const WindowHarness&) = delete;

    // Builds a new window on the same store (closing any earlier one) and
    // shows it, active, as main does.
    app::frmGameLoader& open();
    app::frmGameLoader& window() { return *window_; }

    QString workFolder() const { return root_.filePath(QStringLiteral("work")); }
    QString spareFolder() const { return root_.filePath(QStringLiteral("spare")); }
    // A folder under work, and a file of `bytes` bytes in it; absolute paths.
    QString makeFolder(const QString& relative) const;
    QString makeFile(const QString& relative, qint64 bytes) const;

    template <typename Widget>
    Widget* find(const char* name) {
        return window_->findChild<Widget*>(QString::fromLatin1(name));
    }

    ui::QSettingsStore store;
    RecordingLauncher launcher;
    std::unique_ptr<TestDrives> drives;
    QStringList messages;  // every box shown, in order; each answered with OK

private:
    QTemporaryDir root_;
    QString previousFolder_;
    std::unique_ptr<app::frmGameLoader> window_;
};

// Real input, as a user gives it. Each returns false when the control does
// not offer what was asked for.
void click(QWidget* widget);                                 // left button, in the middle
bool clickFile(ui::FileList* list, const QString& name);
bool openFolder(ui::FolderList* list, const QString& name);  // click, then Enter
bool chooseTab(app::frmGameLoader& window, int index);       // click on the tab
void replaceText(QComboBox* box, const QString& text);      // focus, select all, type

}  // namespace quillon::testing
