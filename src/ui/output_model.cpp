#include "ui/output_model.h"

#include <QBrush>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "output/tool_output.h"

namespace quillon::ui {

namespace {

// Dark enough to read on a light background, light enough on a dark one.
const QColor kErrorColour(0xD0, 0x30, 0x30);

// What a screen reader says before a line of standard error.
const QString kErrorPrefix = QStringLiteral("Error output: ");

}  // namespace

QString outputText(std::string_view bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) {
        return text;
    }
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

OutputModel::OutputModel(const output::ToolOutput& output, QFont font, QObject* parent)
    : QAbstractListModel(parent), output_(output), font_(std::move(font)) {
    lineHeight_ = QFontMetrics(font_).height();
}

int OutputModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(end_ - first_) + open_;
}

QVariant OutputModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const std::optional<output::Line> shown = lineAt(static_cast<std::size_t>(index.row()));
    if (!shown) {
        return {};
    }
    const output::Line& line = *shown;
    const bool error = line.stream == output::Stream::Error;
    switch (role) {
        case Qt::DisplayRole:
            return outputText(line.text);
        case Qt::AccessibleTextRole:
            return error ? kErrorPrefix + outputText(line.text) : outputText(line.text);
        case Qt::ForegroundRole:
            return error ? QVariant(QBrush(kErrorColour)) : QVariant();
        case Qt::FontRole:
            return font_;
        case Qt::SizeHintRole:
            // The same for every row: the view lays out all rows alike, and
            // the longest line decides how far it scrolls sideways.
            return QSize(lineWidth_, lineHeight_);
        default:
            return {};
    }
}

// The rows are what the view was last told of; the output itself moves on
// between two catch-ups as the tool writes. A view may ask in between (a
// paint, a screen reader), and a line the store has let go of since, or an
// unfinished line finished since, then reads as nothing until the next
// catch-up tells the view.
std::optional<output::Line> OutputModel::lineAt(std::size_t row) const {
    const std::size_t finished = end_ - first_;
    if (row < finished) {
        const output::LineStore& lines = output_.lines();
        const std::size_t at = first_ + row;
        return at >= lines.firstKept() ? std::optional(lines.line(at)) : std::nullopt;
    }
    const std::vector<output::Line> open = output_.openLines();
    return row - finished < open.size() ? std::optional(open[row - finished]) : std::nullopt;
}

int OutputModel::catchUp() {
    const output::LineStore& lines = output_.lines();
    const std::vector<output::Line> open = output_.openLines();
    // The unfinished lines come after every finished one: they go, and come
    // back below the new finished lines.
    if (open_ > 0 && (end_ != lines.count() || openVersion_ != output_.openVersion())) {
        const int finished = static_cast<int>(end_ - first_);
        beginRemoveRows({}, finished, finished + open_ - 1);
        open_ = 0;
        endRemoveRows();
    }
    const std::size_t keptFrom = lines.firstKept();
    int dropped = 0;
    if (keptFrom > first_) {
        if (const std::size_t gone = std::min(keptFrom, end_); gone > first_) {
            dropped = static_cast<int>(gone - first_);
            beginRemoveRows({}, 0, dropped - 1);
            first_ = gone;
            endRemoveRows();
        }
        // Lines that came and went between two catch-ups were never shown.
        first_ = keptFrom;
        end_ = std::max(end_, keptFrom);
    }
    // Monospaced, so the longest line in bytes is at least as wide as any.
    std::size_t longest = lines.longest();
    for (const output::Line& line : open) {
        longest = std::max(longest, line.text.size());
    }
    lineWidth_ = std::max(lineWidth_, QFontMetrics(font_).horizontalAdvance(QLatin1Char('M')) *
                                          static_cast<int>(longest + 1));
    if (lines.count() > end_) {
        const int at = static_cast<int>(end_ - first_);
        beginInsertRows({}, at, at + static_cast<int>(lines.count() - end_) - 1);
        end_ = lines.count();
        endInsertRows();
    }
    if (open_ == 0 && !open.empty()) {
        const int at = static_cast<int>(end_ - first_);
        beginInsertRows({}, at, at + static_cast<int>(open.size()) - 1);
        open_ = static_cast<int>(open.size());
        endInsertRows();
    }
    openVersion_ = output_.openVersion();
    return dropped;
}

}  // namespace quillon::ui
