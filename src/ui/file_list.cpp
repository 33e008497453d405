#include "ui/file_list.h"

#include "ui/folder_entries.h"
#include "ui/listing_order.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QStringListModel>

namespace quillon::ui {

FileList::FileList(QWidget* parent)
    : QListView(parent), model_(new QStringListModel(this)), matcher_(pattern_) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One height for all rows: the view then lays out a hundred thousand
    // entries without asking each for its size.
    setUniformItemSizes(true);
    setAccessibleName(QStringLiteral("Files"));
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!quiet_ && current.isValid()) {
                    emit fileClicked();
                }
            });
}

QString FileList::folder() const { return folder_; }

void FileList::setFolder(const QString& path) { setFolder(readFolder(path, true)); }

void FileList::setFolder(const FolderEntries& entries) {
    folder_ = entries.folder;
    // Hidden files are listed: the pattern already narrows the list to ROM
    // images, and a ROM keeps its name even when that starts with a dot.
    names_ = entries.files;
    showMatches();
}

QString FileList::pattern() const { return pattern_; }

void FileList::setPattern(const QString& pattern) {
    pattern_ = pattern;
    matcher_ = NamePattern(pattern);
    showMatches();
}

QString FileList::currentFileName() const { return currentIndex().data().toString(); }

int FileList::count() const { return model_->rowCount(); }

void FileList::showMatches() {
    QStringList shown;
    for (const QString& name : std::as_const(names_)) {
        if (matcher_.matches(name)) {
            shown.append(name);
        }
    }
    // Only what is shown is sorted: a thousand ROMs among a hundred thousand
    // files cost a thousand names' sorting.
    sortForListing(shown);
    // A new list starts with no entry chosen, and that is no user's choice.
    quiet_ = true;
    model_->setStringList(shown);
    selectionModel()->clear();
    quiet_ = false;
    scrollToTop();
}

void FileList::mousePressEvent(QMouseEvent* event) {
    const QModelIndex before = currentIndex();
    const QModelIndex hit = indexAt(event->position().toPoint());
    QListView::mousePressEvent(event);
    // Clicking the entry that is already current changes nothing in the
    // view, yet it is a choice the user makes again.
    if (event->button() == Qt::LeftButton && hit.isValid() && hit == before &&
        currentIndex() == before) {
        emit fileClicked();
    }
}

void FileList::focusInEvent(QFocusEvent* event) {
    // Qt marks the first entry current when the list gains the focus by the
    // keyboard; here entering the list chooses nothing, and the first arrow
    // key then takes the first entry.
    const bool noneCurrent = !currentIndex().isValid();
    quiet_ = true;
    QListView::focusInEvent(event);
    if (noneCurrent) {
        selectionModel()->clear();
    }
    quiet_ = false;
}

}  // namespace quillon::ui
