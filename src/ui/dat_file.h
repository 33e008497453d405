#pragma once

#include <QString>
#include <vector>

#include "files/dat_match.h"

namespace quillon::ui {

// A list of known-good dumps in the XML form that ROM preservation groups
// publish: <datafile>, a <game> (or <machine>) per title with its name, and
// a <rom> per file with name, size, crc, md5 and sha1. Other elements and
// attributes are passed over.
struct DatFile {
    std::vector<files::DatRom> roms;
    QString error;  // why it gave no list; empty when it did
};

DatFile readDatFile(const QString& path);

}  // namespace quillon::ui
