#include "ui/name_pattern.h"

namespace quillon::ui {

namespace {

// The wildcard is case-folded once when the pattern is set; only the name's
// character needs folding here. An ASCII character folds to ASCII, and only
// A to Z change: the Unicode table is left for the few others, since a
// thousand names are matched at every start.
bool sameLetter(QChar wildcardChar, QChar nameChar) {
    if (wildcardChar == nameChar) {
        return true;
    }
    const char16_t name = nameChar.unicode();
    if (name < 0x80) {
        return name >= u'A' && name <= u'Z' && wildcardChar.unicode() == name - u'A' + u'a';
    }
    return wildcardChar == nameChar.toCaseFolded();
}

// Classic greedy wildcard match: on a mismatch, let the last "*" swallow one
// more character and try again from there. Linear in practice, and never
// worse than name length times wildcard length.
bool wildcardMatches(QStringView wildcard, QStringView name) {
    qsizetype w = 0;
    qsizetype n = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        if (w < wildcard.size() && wildcard[w] == QLatin1Char('*')) {
            starAt = w++;
            resumeAt = n;
        } else if (w < wildcard.size() &&
                   (wildcard[w] == QLatin1Char('?') || sameLetter(wildcard[w], name[n]))) {
            ++w;
            ++n;
        } else if (starAt >= 0) {
            w = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (w < wildcard.size() && wildcard[w] == QLatin1Char('*')) {
        ++w;
    }
    return w == wildcard.size();
}

}  // namespace

NamePattern::NamePattern(const QString& patterns) {
    for (const QString& part : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString wildcard = part.trimmed();
        if (wildcard.isEmpty()) {
            continue;
        }
        // "*.*" has always meant "all files", also those without an extension.
        wildcards_.append(wildcard == QLatin1String("*.*") ? QStringLiteral("*")
                                                           : wildcard.toCaseFolded());
    }
}

bool NamePattern::matches(QStringView name) const {
    for (const QString& wildcard : wildcards_) {
        if (wildcardMatches(wildcard, name)) {
            return true;
        }
    }
    return false;
}

}  // namespace quillon::ui
