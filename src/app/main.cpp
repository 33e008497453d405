#include <QApplication>
#include <QIcon>

#include "app/command_line.h"
#include "app/frm_game_loader.h"
#include "platform/launcher.h"
#include "settings/identity.h"
#include "ui/drive_source.h"
#include "ui/user_settings_store.h"

int main(int argc, char* argv[]) {
    quillon::app::CommandLine commandLine(argc, argv);
    QApplication application(commandLine.toolkitArgc(), argv);
    // No display name: Qt would add it to the window's caption.
    QApplication::setApplicationName(QString::fromUtf8(quillon::settings::kProgramName));
    QApplication::setOrganizationName(QString::fromUtf8(quillon::settings::kOrganization));
    QApplication::setApplicationVersion(QString::fromUtf8(quillon::settings::kVersion));
    // The drawing, and its bitmaps for a Qt that cannot render SVG (the Qt
    // shipped with the Windows build has no SVG support).
    QIcon icon(QStringLiteral(":/quillon.svg"));
    for (const int size : {16, 20, 24, 32, 40, 48, 64, 256}) {
        icon.addFile(QStringLiteral(":/icons/quillon-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    // Lets Wayland compositors and task bars match the window to its menu
    // entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillon.Quillon"));
    // Before anything is built: --help and --version end the program here.
    const std::optional<QString> rom = commandLine.romArgument();
    quillon::app::leaveUnlistableStartFolder();

    quillon::ui::UserSettingsStore store;
    const std::unique_ptr<quillon::platform::ToolLauncher> launcher =
        quillon::platform::makeSystemLauncher();
    const std::unique_ptr<quillon::ui::DriveSource> drives = quillon::ui::makeSystemDriveSource();

    quillon::app::frmGameLoader window({store, *launcher, *drives});
    window.show();
    if (rom) {
        window.openRom(*rom);
    }
    // Closing the only window ends the program.
    return QApplication::exec();
}
