#pragma once

#include <QStringList>

namespace quillon::ui {

// Sorts names as the lists show them: letter case ignored, ties broken by the
// exact text so the order is total. Each name is folded once, not on every
// comparison, so a folder of a hundred thousand names sorts quickly.
void sortForListing(QStringList& names);

}  // namespace quillon::ui
