#pragma once

#include <QString>
#include <atomic>

namespace quillon::ui {

// What comparing the file at `ours` with the one at `theirs` byte for byte
// says (files::comparisonText), or why one of them could not be read. Stops
// early, saying so, when `stop` is set.
QString compareFiles(const QString& ours, const QString& theirs, const std::atomic<bool>& stop);

}  // namespace quillon::ui
