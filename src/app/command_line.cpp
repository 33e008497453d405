#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdlib>

#include "settings/identity.h"

namespace quillon::app {

namespace {

constexpr char kLicence[] =
    "Copyright (C) 2026 The Quillon developers. License GPL-3.0-or-later: GNU GPL version 3 "
    "or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it. There is NO WARRANTY, "
    "to the extent permitted by law.";

}  // namespace

QString romArgument(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Composes cartpipe's command line for uploading a ROM image to the "
                       "cartridge transfer device or dumping the cartridge, and starts it."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("ROM"),
        QStringLiteral("A ROM image (.bin or .a78) to select on the upload page."),
        QStringLiteral("[ROM]"));
    // Qt prints the version as "name version" in the way the system shows a
    // console program's text (a message box for a Windows program without a
    // console); the licence rides along for that one print.
    const QString version = QString::fromUtf8(settings::kVersion);
    QCoreApplication::setApplicationVersion(version + QLatin1Char('\n') +
                                            QString::fromUtf8(kLicence));
    parser.process(arguments);
    QCoreApplication::setApplicationVersion(version);

    const QStringList roms = parser.positionalArguments();
    if (roms.size() > 1) {
        parser.showHelp(EXIT_FAILURE);
    }
    return roms.isEmpty() ? QString() : QFileInfo(roms.front()).absoluteFilePath();
}

void leaveUnlistableStartFolder() {
    if (!QFileInfo(QDir::currentPath()).isDir()) {
        QDir::setCurrent(QDir::homePath());
    }
}

}  // namespace quillon::app
