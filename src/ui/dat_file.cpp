#include "ui/dat_file.h"

#include <QFile>
#include <QXmlStreamReader>

namespace quillon::ui {

namespace {

std::string attribute(const QXmlStreamAttributes& attributes, QLatin1String name) {
    return attributes.value(name).trimmed().toString().toStdString();
}

files::DatRom romOf(const QXmlStreamAttributes& attributes, const std::string& game) {
    files::DatRom rom{game,
                      attribute(attributes, QLatin1String("name")),
                      std::nullopt,
                      attribute(attributes, QLatin1String("crc")),
                      attribute(attributes, QLatin1String("md5")),
                      attribute(attributes, QLatin1String("sha1"))};
    bool number = false;
    const qulonglong size = attributes.value(QLatin1String("size")).toULongLong(&number);
    if (number) {
        rom.size = size;
    }
    return rom;
}

bool isTitle(QStringView element) {
    return element == QLatin1String("game") || element == QLatin1String("machine");
}

}  // namespace

// A <rom> counts only inside a title: its game's name is what a match shows.
// The outer element is not insisted on: lists of machines name it otherwise.
DatFile readDatFile(const QString& path) {
    DatFile dat;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        dat.error = file.errorString();
        return dat;
    }
    QXmlStreamReader xml(&file);
    std::string game;
    int titleDepth = 0;
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (titleDepth == 0 && isTitle(xml.name())) {
                titleDepth = depth;
                game = attribute(xml.attributes(), QLatin1String("name"));
            } else if (titleDepth != 0 && xml.name() == QLatin1String("rom")) {
                dat.roms.push_back(romOf(xml.attributes(), game));
            }
        } else if (xml.isEndElement()) {
            titleDepth = depth == titleDepth ? 0 : titleDepth;
            --depth;
        }
    }
    if (xml.hasError()) {
        dat.roms.clear();
        dat.error = QStringLiteral("Line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    } else if (dat.roms.empty()) {
        dat.error = QStringLiteral("It lists no ROM.");
    }
    return dat;
}

}  // namespace quillon::ui
