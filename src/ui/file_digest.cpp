#include "ui/file_digest.h"

#include <zlib.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <functional>
#include <future>
#include <string_view>

namespace quillon::ui {

namespace {

// Big enough that handing the MD5 of a slice to a second thread costs
// little, small enough that a stop is noticed soon.
constexpr qint64 kSliceBytes = qint64{1} << 20;

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// MD5 and SHA-1 cost about the same, so the MD5 of each slice runs on a
// second thread while this one does the SHA-1 and the work `alongside`
// (the CRC): one pass then takes little longer than the SHA-1 alone.
class StrongHashes {
public:
    void add(std::string_view slice, const std::function<void()>& alongside) {
        const QByteArrayView bytes(slice.data(), static_cast<qsizetype>(slice.size()));
        // Deferred too: where no thread can be had, the MD5 runs here.
        std::future<void> md5 =
            std::async(std::launch::async | std::launch::deferred, [&] { md5_.addData(bytes); });
        sha1_.addData(bytes);
        alongside();
        md5.get();
    }

    void writeTo(files::Digests& digests) const {
        digests.md5 = files::hexText(view(md5_.result()));
        digests.sha1 = files::hexText(view(sha1_.result()));
    }

private:
    QCryptographicHash md5_{QCryptographicHash::Md5};
    QCryptographicHash sha1_{QCryptographicHash::Sha1};
};

// Feeds the file from its current position to its end to `each`, a slice at
// a time; false, with `error` said, when it could not be read or `stop` came.
bool readSlices(QFile& file, const std::atomic<bool>& stop, QString& error,
                const std::function<void(std::string_view)>& each) {
    QByteArray buffer(kSliceBytes, Qt::Uninitialized);
    while (!stop) {
        const qint64 read = file.read(buffer.data(), kSliceBytes);
        if (read < 0) {
            error = file.errorString();
            return false;
        }
        if (read == 0) {
            return true;
        }
        each(std::string_view(buffer.constData(), static_cast<std::size_t>(read)));
    }
    error = QStringLiteral("Stopped");
    return false;
}

uLong crcOf(std::string_view bytes, uLong crc = crc32(0, nullptr, 0)) {
    return crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()),
                 static_cast<uInt>(bytes.size()));
}

}  // namespace

// The CRC of the data after the header comes with the whole file's: each
// slice's CRC is taken once and joined onto both (zlib joins two CRCs given
// the second one's length, which a slice keeps small enough for every
// system's offset type).
FileDigests digestFile(const QString& path, const std::atomic<bool>& stop) {
    FileDigests result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const auto fileSize = static_cast<std::uint64_t>(file.size());
    std::uint64_t offset = 0;
    bool header = false;
    uLong whole = crc32(0, nullptr, 0);
    uLong rest = whole;
    StrongHashes strong;
    const bool read = readSlices(file, stop, result.error, [&](std::string_view slice) {
        if (offset == 0) {
            header = files::beginsWithRomHeader(slice, fileSize);
        }
        strong.add(slice, [&] {
            const std::size_t inHeader =
                header && offset < files::kRomHeaderBytes
                    ? std::min<std::size_t>(files::kRomHeaderBytes - offset, slice.size())
                    : 0;
            whole = crcOf(slice.substr(0, inHeader), whole);
            const std::string_view data = slice.substr(inHeader);
            const uLong part = crcOf(data);
            const auto length = static_cast<z_off_t>(data.size());
            whole = crc32_combine(whole, part, length);
            rest = crc32_combine(rest, part, length);
        });
        offset += slice.size();
    });
    if (!read) {
        return {{}, {}, result.error};
    }
    result.whole.size = offset;
    result.whole.crc32 = static_cast<std::uint32_t>(whole);
    strong.writeTo(result.whole);
    if (header) {
        result.headerless = files::Digests{
            offset - files::kRomHeaderBytes, static_cast<std::uint32_t>(rest), {}, {}};
    }
    return result;
}

bool digestHeaderless(const QString& path, files::Digests& headerless,
                      const std::atomic<bool>& stop) {
    QFile file(path);
    QString error;
    StrongHashes strong;
    if (!file.open(QIODevice::ReadOnly) || !file.seek(files::kRomHeaderBytes) ||
        !readSlices(file, stop, error, [&](std::string_view slice) { strong.add(slice, [] {}); })) {
        return false;
    }
    strong.writeTo(headerless);
    return true;
}

}  // namespace quillon::ui
