// A Save replaces the settings file whole, which other programs may share
// with us: on a file that another program filled, one Save must cost little
// more than reading that file and writing it back once.
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdlib>
#include <memory>

#include "figures.h"
#include "settings/page_settings.h"
#include "ui/ini_settings_file.h"

namespace quillon::bench {
namespace {

constexpr qint64 kForeignBytes = 50 * 1024 * 1024;

// The settings file on its own, as the user's store keeps it.
class FileStore final : public settings::SettingsStore {
public:
    explicit FileStore(const QString& path) : file_(path) {}
    settings::SectionTexts readSection(std::string_view section) const override {
        return file_.readSection(section);
    }
    std::string writeSection(std::string_view section,
                             const settings::SectionTexts& texts) override {
        return file_.writeSection(section, texts);
    }

private:
    ui::IniSettingsFile file_;
};

// Another program's section of 50 MB, with comments and spacing of its own,
// then the pages' sections as a Save leaves them.
QString makeSettingsFile(const std::filesystem::path& root) {
    const QString path = QString::fromStdString((root / "settings-figure.conf").string());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) std::abort();
    QByteArray block = "; written by another program\n[Foreign]\n";
    for (int line = 0; block.size() < 1024 * 1024; ++line) {
        block += "entry" + QByteArray::number(line) + " = \"some value, " +
                 QByteArray::number(line * 7) + "\"   ; a note\n";
    }
    for (qint64 written = 0; written < kForeignBytes; written += block.size()) file.write(block);
    file.write("\n[Upload]\nchkFast=False\n");
    return path;
}

}  // namespace

Figure settingsSaveFigure(const Workspace& workspace) {
    const QString path = makeSettingsFile(workspace.root);
    auto store = std::make_shared<FileStore>(path);
    auto saves = std::make_shared<int>(0);

    Figure figure;
    figure.name = "Save on a 50 MB shared settings file";
    figure.target = 3.0;
    figure.measured = [store, saves] {
        settings::UploadOptions options;
        options.fast = ++*saves % 2 == 0;  // each Save changes the file
        options.port = "Port 2";
        return timed([&] {
            if (!settings::saveUpload(*store, options).empty()) std::abort();
        });
    };
    figure.baseline = [path] {
        return timed([&] {
            QFile in(path);
            if (!in.open(QIODevice::ReadOnly)) std::abort();
            const QByteArray text = in.readAll();
            QSaveFile out(path);
            if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
                out.write(text) != text.size() || !out.commit()) {
                std::abort();
            }
        });
    };
    return figure;
}

}  // namespace quillon::bench
