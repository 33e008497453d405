#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/console.h"
#include "platform/program_arguments.h"
#include "settings/identity.h"
#include "ui/message_box.h"
#include "ui/system_path.h"

namespace quillon::app {

namespace {

constexpr char kLicence[] =
    "Copyright (C) 2026 The Quillon developers. License GPL-3.0-or-later: GNU GPL version 3 "
    "or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it. There is NO WARRANTY, "
    "to the extent permitted by law.";

constexpr std::string_view kEndOfOptions = "--";

// Quillon's own usage and options only: the toolkit's options work but are
// not ours to explain, and the program is named as the user types it, not
// by the folder it happens to be in.
QString helpText() {
    const auto row = [](const char* name, const char* meaning) {
        return QStringLiteral("  %1  %2\n")
            .arg(QLatin1String(name), -14)
            .arg(QLatin1String(meaning));
    };
    return QStringLiteral("Usage: %1 [options] [ROM]\n")
               .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName()) +
           QStringLiteral(
               "Composes cartpipe's command line for uploading a ROM image to the cartridge\n"
               "transfer device or dumping the cartridge, and starts it.\n"
               "\nOptions:\n") +
           row("-h, --help, /?", "Shows this help.") +
           row("-v, --version", "Shows the version and the licence.") +
           QStringLiteral("\nArguments:\n") +
           row("ROM", "A ROM image (.bin or .a78) to select on the upload page.");
}

// Answers where the user who started the program reads it, else in a box
// that keeps the columns, and ends the program before any window is built.
[[noreturn]] void answerAndEnd(const QString& text, int status) {
    const platform::ConsoleStream stream =
        status == EXIT_SUCCESS ? platform::ConsoleStream::Output : platform::ConsoleStream::Error;
    if (!platform::writeToConsole(stream, text.toStdString())) {
        ui::showColumns(nullptr, text.trimmed());
    }
    std::exit(status);
}

// The ROM named, or nothing, from the arguments as text.
std::optional<QString> parsedRom(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help(
        QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    if (!parser.parse(arguments)) {
        answerAndEnd(parser.errorText() + QStringLiteral("\n\n") + helpText(), EXIT_FAILURE);
    }
    // "/?" asks Windows programs for their help; a ROM so named would be the
    // file "?" in a root folder. After "--" it is a name like any other.
    const QStringList options =
        arguments.mid(0, arguments.indexOf(QString::fromLatin1(kEndOfOptions)));
    if (parser.isSet(help) || options.indexOf(QStringLiteral("/?")) > 0) {
        answerAndEnd(helpText(), EXIT_SUCCESS);
    }
    if (parser.isSet(version)) {
        answerAndEnd(QStringLiteral("%1 %2\n%3\n")
                         .arg(QString::fromUtf8(settings::kProgramName),
                              QString::fromUtf8(settings::kVersion), QString::fromUtf8(kLicence)),
                     EXIT_SUCCESS);
    }
    const QStringList roms = parser.positionalArguments();
    if (roms.size() > 1) {
        answerAndEnd(helpText(), EXIT_FAILURE);
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
