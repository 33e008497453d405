#include "ui/drive_list.h"

#include <QApplication>
#include <QDir>
#include <QStyle>

namespace quillon::ui {

namespace {

// Drive letters are case-blind on Windows; mount points are not elsewhere.
constexpr Qt::CaseSensitivity kPathCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

// Whether `root` (a drive's root folder) holds `path`; both in "/" notation.
bool rootHolds(const QString& root, const QString& path) {
    if (!path.startsWith(root, kPathCase)) {
        return false;
    }
    // "/media/usb" holds "/media/usb/roms" but not "/media/usb2".
    return root.endsWith(QLatin1Char('/')) || path.size() == root.size() ||
           path.at(root.size()) == QLatin1Char('/');
}

}  // namespace

DriveList::DriveList(const DriveSource& source, QWidget* parent)
    : QComboBox(parent), source_(&source), entries_(source.drives()) {
    setEditable(false);
    setAccessibleName(QStringLiteral("Drive"));
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const DriveEntry& entry : entries_) {
        addItem(icon, entry.text);
    }
    // Connected after filling, so that building the list raises nothing; the
    // combo box reports each change of the current index once, whether the
    // user picked the drive or the program set it.
    connect(this, &QComboBox::currentIndexChanged, this, &DriveList::driveChanged);
}

QString DriveList::drive() const { return currentText(); }

void DriveList::setDrive(const QString& text) {
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        setCurrentIndex(index);
    }
}

DriveEntry DriveList::currentEntry() const { return entries_.value(currentIndex()); }

bool DriveList::currentReady() const {
    return currentIndex() >= 0 && source_->isReady(currentEntry());
}

int DriveList::indexForPath(const QString& path) const {
    const QString wanted = QDir::fromNativeSeparators(path);
    int best = -1;
    qsizetype bestLength = -1;
    for (int index = 0; index < entries_.size(); ++index) {
        const QString root = QDir::fromNativeSeparators(entries_.at(index).root);
        if (root.size() > bestLength && rootHolds(root, wanted)) {
            best = index;
            bestLength = root.size();
        }
    }
    return best;
}

}  // namespace quillon::ui
