#pragma once

#include <QDir>
#include <QMenu>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <vector>

#include "app/dump_page.h"
#include "app/frm_game_loader.h"
#include "app/upload_page.h"
#include "platform/launcher.h"
#include "support/test_registry_key.h"
#include "ui/drive_source.h"
#include "ui/user_settings_store.h"

namespace quillon::testing {

// "Work" holds the folder the program starts in; "Spare"'s medium can be taken out.
struct TestDrives final : ui::DriveSource {
    QList<ui::DriveEntry> drives() const override { return {work, spare}; }
    bool isReady(const ui::DriveEntry& drive) const override {
        return drive != spare || spareReady;
    }
    ui::DriveEntry work, spare;
    bool spareReady = true;
};

// Keeps every command it is asked to start and answers `outcome` when polled, or nothing while
// `holding` (a start still being watched); paths are their short forms.
struct RecordingLauncher final : platform::ToolLauncher {
    struct Launch final : platform::PendingLaunch {
        explicit Launch(const RecordingLauncher& from) : from(from) {}
        std::optional<platform::LaunchOutcome> poll() override {
            return from.holding ? std::nullopt : std::optional(from.outcome);
        }
        const RecordingLauncher& from;
    };
    std::string shortPath(const std::string& path) const override { return path; }
    std::unique_ptr<platform::PendingLaunch> start(
        const command::TransferCommand& command) override {
        started.push_back(command);
        return std::make_unique<Launch>(*this);
    }
    std::vector<command::TransferCommand> started;
    platform::LaunchOutcome outcome{platform::LaunchOutcome::Status::Started, {}};
    bool holding = false;
};

// One test's world: a temporary current folder (root of Work), the settings beside it,
// message boxes answered and noted, and the window on that, driven by real input.
class WindowHarness {
public:
    WindowHarness();
    ~WindowHarness();

    // A new, shown, active window on the same store; on the recording launcher by default.
    app::frmGameLoader& open(platform::ToolLauncher* tool = nullptr);
    app::frmGameLoader& window() { return *window_; }

    QString workFolder() const { return drives.work.root; }
    // A folder, or a file of `bytes` bytes, under the current folder; its path, or nothing.
    QString make(const QString& relative, qint64 bytes = -1);
    // A path, or a preview holding paths, as the window writes it: "\\" on Windows.
    static QString native(const QString& text) { return QDir::toNativeSeparators(text); }
    template <typename Widget = QWidget>
    Widget* find(const char* name) {
        return window_->findChild<Widget*>(QString::fromLatin1(name));
    }
    QString text(const char* name);  // caption, text or current item
    bool enabled(const char* name) { return find(name)->isEnabled(); }
    // "name 'text'" plus hidden, disabled, checked and combo items per row's first word.
    QStringList describe(const QStringList& rows);
    QStringList savedOptions();  // every option Save keeps, and both previews

    // Real input to the named control; false: no such entry or tab on view.
    void click(const char* name);
    void type(const char* name, const QString& keys);
    void press(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    void replaceText(const char* name, const QString& text);  // one change, not two
    bool clickEntry(const char* list, const QString& name, bool thenEnter = false);
    bool clickFile(const QString& name) { return clickEntry("flbOpen", name); }
    bool openFolder(const char* list, const QString& name) { return clickEntry(list, name, true); }
    bool chooseTab(int index);
    // The named preview's context menu, opened as a right click opens it; nothing when none opened.
    QMenu* openMenu(const char* preview);
    // Opens the menu and clicks the item with that caption; false when it has no such item.
    bool chooseFromMenu(const char* preview, const QString& item);

    ui::UserSettingsStore store;
    RecordingLauncher launcher;
    TestDrives drives;
    std::string portSource;  // where the window reads the parallel ports: none there
    QStringList messages;    // every box shown, in order; a choice as "text [button|button]"
    QStringList answers;     // the buttons to choose, in order; the last button when none is left

private:
#ifdef _WIN32
    TestRegistryKey registry_;
#endif
    QTemporaryDir root_;
    QString previousFolder_;
    std::unique_ptr<app::frmGameLoader> window_;
};

}  // namespace quillon::testing
