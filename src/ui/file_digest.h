#pragma once

#include <QString>
#include <atomic>
#include <optional>
#include <string>

#include "files/dat_match.h"

namespace quillon::ui {

// What one pass over a file learnt: the size and hashes of the whole file
// and, for a file that begins with the ROM header, the size and CRC-32 of the
// data after it. Its MD5 and SHA-1 cost a second pass, made only when a list
// of known dumps asks for them (digestHeaderless).
struct FileDigests {
    files::Digests whole;
    std::optional<files::Digests> headerless;
    QString error;  // why the file could not be read; empty when it was
};

// Reads the file once; stops early, with an empty result, when `stop` is set.
FileDigests digestFile(const QString& path, const std::atomic<bool>& stop);

// The MD5 and SHA-1 of the data after the header, added to `headerless`;
// false when the file could not be read or the work was stopped.
bool digestHeaderless(const QString& path, files::Digests& headerless,
                      const std::atomic<bool>& stop);

}  // namespace quillon::ui
