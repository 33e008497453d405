#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/program_arguments.h"
#include "settings/identity.h"
#include "ui/system_path.h"

namespace quillon::app {

namespace {

constexpr char kLicence[] =
    "Copyright (C) 2026 The Quillon developers. License GPL-3.0-or-later: GNU GPL version 3 "
    "or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it. There is NO WARRANTY, "
    "to the extent permitted by law.";

constexpr std::string_view kEndOfOptions = "--";

// The ROM named, or nothing, from the arguments as text.
std::optional<QString> parsedRom(const QStringList& arguments) {
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
    return roms.isEmpty() ? std::nullopt : std::optional(roms.front());
}

}  // namespace

CommandLine::CommandLine(int argc, char** argv)
    : argv_(argv),
      given_(argv, argv + argc),
      arguments_(platform::programArguments(argc, argv)),
      dashes_(static_cast<int>(
          std::ranges::find_if(given_, [](const char* each) { return each == kEndOfOptions; }) -
          given_.begin())),
      toolkitArgc_(dashes_) {}

std::optional<QString> CommandLine::romArgument() const {
    // What the toolkit left before "--", then "--" and all after it.
    std::vector<const platform::NativeText*> left;
    for (int index = 0; index < toolkitArgc_; ++index) {
        left.push_back(&arguments_[std::ranges::find(given_, argv_[index]) - given_.begin()]);
    }
    for (auto index = static_cast<std::size_t>(dashes_); index < given_.size(); ++index) {
        left.push_back(&arguments_[index]);
    }
    QStringList texts;
    for (const platform::NativeText* argument : left) {
        texts.append(ui::readableText(*argument));
    }
    const std::optional<QString> rom = parsedRom(texts);
    if (!rom) {
        return std::nullopt;
    }
    // The argument it was read from. Another that reads the same would be a
    // second ROM, or an option the parser did not know: either has ended the
    // program.
    const auto named = std::find(texts.begin() + 1, texts.end(), *rom);
    return ui::systemPath(*left[named - texts.begin()]).value_or(QString());
}

void leaveUnlistableStartFolder() {
    const std::optional<QString> folder = ui::currentFolder();
    if (!folder || !QFileInfo(*folder).isDir()) {
        QDir::setCurrent(QDir::homePath());
    }
}

}  // namespace quillon::app
