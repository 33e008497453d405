#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace quillon::ui {

// A file list's pattern: wildcards separated by ";" ("*.bin;*.a78"), where
// "*" stands for any run of characters and "?" for one. Letter case is
// ignored, as the system's own file dialogs do, and "*.*" takes every name,
// those without a dot included. Matching allocates nothing, so that a folder
// of a hundred thousand names filters at once.
class NamePattern {
public:
    explicit NamePattern(const QString& patterns = QString());

    bool matches(QStringView name) const;

private:
    QList<QString> wildcards_;  // case-folded
};

}  // namespace quillon::ui
