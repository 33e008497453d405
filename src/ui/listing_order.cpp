#include "ui/listing_order.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quillon::ui {

void sortForListing(QStringList& names) {
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(static_cast<std::size_t>(names.size()));
    for (QString& name : names) {
        QString folded = name.toCaseFolded();
        keyed.emplace_back(std::move(folded), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto& [folded, name] : keyed) {
        names.append(std::move(name));
    }
}

}  // namespace quillon::ui
