#include "ui/file_compare.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <string_view>

#include "files/byte_comparison.h"

namespace quillon::ui {

namespace {

constexpr qint64 kSliceBytes = qint64{1} << 20;

std::string_view view(const QByteArray& bytes, qint64 length) {
    return {bytes.constData(), static_cast<std::size_t>(length)};
}

QString cannotRead(const QFile& file) {
    return QStringLiteral("Could not read %1: %2")
        .arg(QFileInfo(file).fileName(), file.errorString());
}

}  // namespace

// Only the common start is read: past the shorter file's end there is
// nothing to compare, and the sizes already tell that they differ.
QString compareFiles(const QString& ours, const QString& theirs, const std::atomic<bool>& stop) {
    QFile a(ours);
    QFile b(theirs);
    for (QFile* file : {&a, &b}) {
        if (!file->open(QIODevice::ReadOnly)) {
            return cannotRead(*file);
        }
    }
    const qint64 common = std::min(a.size(), b.size());
    QByteArray ourSlice(kSliceBytes, Qt::Uninitialized);
    QByteArray theirSlice(kSliceBytes, Qt::Uninitialized);
    files::ByteComparison bytes;
    for (qint64 at = 0; at < common; at += kSliceBytes) {
        if (stop) {
            return QStringLiteral("Stopped");
        }
        const qint64 wanted = std::min(kSliceBytes, common - at);
        if (a.read(ourSlice.data(), wanted) != wanted) {
            return cannotRead(a);
        }
        if (b.read(theirSlice.data(), wanted) != wanted) {
            return cannotRead(b);
        }
        bytes.add(view(ourSlice, wanted), view(theirSlice, wanted));
    }
    return QString::fromStdString(files::comparisonText(
        static_cast<std::uint64_t>(a.size()), static_cast<std::uint64_t>(b.size()), bytes));
}

}  // namespace quillon::ui
