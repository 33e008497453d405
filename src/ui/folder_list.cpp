#include "ui/folder_list.h"

#include "ui/folder_entries.h"
#include "ui/listing_order.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

namespace quillon::ui {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndentPerLevel = 10;  // device-independent pixels, at most
// The deepest entry is indented by at most a fifth of the list's width.
constexpr int kIndentShare = 5;

// Indents each entry by its depth below the root, so the list reads as the
// branch of the tree that leads to the open folder. Deep down, the steps
// narrow: a folder eight levels down keeps the room to show its name.
class IndentingDelegate final : public QStyledItemDelegate {
public:
    explicit IndentingDelegate(QListView* view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(indented.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    int indent(const QModelIndex& index) const {
        // The rows go down the branch, then list the open folder's
        // subfolders: the last row is the deepest.
        const QAbstractItemModel& rows = *index.model();
        const int deepest = rows.index(rows.rowCount() - 1, 0).data(kDepthRole).toInt();
        if (deepest == 0) {
            return 0;
        }
        const int step =
            std::min(kIndentPerLevel, view_->contentsRect().width() / kIndentShare / deepest);
        return index.data(kDepthRole).toInt() * step;
    }

    const QListView* view_;
};

// The open folder and every folder above it, from the root down.
QStringList folderChain(const QString& folder) {
    QStringList chain;
    QDir dir(folder);
    chain.prepend(dir.absolutePath());
    while (!dir.isRoot() && dir.cdUp()) {
        chain.prepend(dir.absolutePath());
    }
    return chain;
}

QString entryName(const QString& folder) {
    const QDir dir(folder);
    return dir.isRoot() ? QDir::toNativeSeparators(folder) : dir.dirName();
}

// Hidden folders stay hidden, as in the system's file manager: they hold
// settings and caches, not ROM images.
QStringList shownSubfolders(QStringList names) {
    names.removeIf([](const QString& name) { return name.startsWith(QLatin1Char('.')); });
    sortForListing(names);
    return names;
}

}  // namespace

FolderList::FolderList(QWidget* parent)
    : FolderList(readFolder(QDir::currentPath(), false), false, parent) {}

FolderList::FolderList(const FolderEntries& start, bool keepsFiles, QWidget* parent)
    : QListView(parent), model_(new QStandardItemModel(this)), keepsFiles_(keepsFiles) {
    setModel(model_);
    setItemDelegate(new IndentingDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setAccessibleName(QStringLiteral("Folder"));
    path_ = QDir::cleanPath(start.folder);
    showFolder(start);
}

QString FolderList::path() const { return QDir::toNativeSeparators(path_); }

bool FolderList::setPath(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir()) {
        return false;
    }
    const QString folder = QDir::cleanPath(info.absoluteFilePath());
    const bool changed = folder != path_;
    path_ = folder;
    showFolder(readFolder(folder, keepsFiles_));
    if (changed) {
        emit folderChanged();
    }
    return true;
}

void FolderList::showFolder(FolderEntries entries) {
    if (!keepsFiles_) {
        entries.files.clear();
    }
    entries_ = std::move(entries);
    // Named as path() names it, so a file list given these entries joins
    // its names to the folder in the system's own notation.
    entries_.folder = path();
    model_->clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    const QStringList chain = folderChain(path_);
    for (qsizetype depth = 0; depth < chain.size(); ++depth) {
        auto* item = new QStandardItem(openIcon, entryName(chain.at(depth)));
        item->setData(chain.at(depth), kPathRole);
        item->setData(static_cast<int>(depth), kDepthRole);
        model_->appendRow(item);
    }
    const int openRow = model_->rowCount() - 1;

    const QDir open(path_);
    for (const QString& name : shownSubfolders(entries_.folders)) {
        auto* item = new QStandardItem(closedIcon, name);
        item->setData(open.absoluteFilePath(name), kPathRole);
        item->setData(static_cast<int>(chain.size()), kDepthRole);
        model_->appendRow(item);
    }

    const QModelIndex openIndex = model_->index(openRow, 0);
    setCurrentIndex(openIndex);
    scrollTo(openIndex);
}

void FolderList::openEntry(const QModelIndex& index) { setPath(index.data(kPathRole).toString()); }

void FolderList::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        openEntry(index);
        event->accept();
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}

void FolderList::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentIndex().isValid()) {
        openEntry(currentIndex());
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

}  // namespace quillon::ui
