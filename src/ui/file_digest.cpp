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

// Small enough that a stop is noticed soon.
constexpr qint64 kSliceBytes = qint64{1} << 20;

using EachSlice = std::function<void(std::string_view)>;

// Feeds the file from its current position to its end to `each`, a slice at
// a time; false, with `error` said, when it could not be read or `stop` came.
bool readSlices(QFile& file, const std::atomic<bool>& stop, QString& error, const EachSlice& each) {
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

QByteArrayView bytesOf(std::string_view slice) {
    return {slice.data(), static_cast<qsizetype>(slice.size())};
}

std::string hexOf(const QCryptographicHash& hash) {
    const QByteArray result = hash.result();
    return files::hexText({result.constData(), static_cast<std::size_t>(result.size())});
}

// The bytes of the file from `from` on, through a QFile of their own.
bool readFrom(const QString& path, qint64 from, const std::atomic<bool>& stop, QString& error,
              const EachSlice& each) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(from)) {
        error = file.errorString();
        return false;
    }
    return readSlices(file, stop, error, each);
}

struct Md5Pass {
    std::string md5;
    std::uint64_t bytes = 0;
    QString error;
};

// The MD5 and the SHA-1 cost about the same. Each is taken by a reader of
// its own, the MD5 on a second thread, and the two meet only at the end:
// neither waits for the other slice by slice, which on a busy machine would
// cost each slice the slower of the two. A second read of a file just read
// comes from the system's cache. Deferred too: where no thread can be had,
// the MD5 is taken when asked for.
std::future<Md5Pass> md5Alongside(const QString& path, qint64 from, const std::atomic<bool>& stop) {
    return std::async(std::launch::async | std::launch::deferred, [path, from, &stop] {
        Md5Pass pass;
        QCryptographicHash md5(QCryptographicHash::Md5);
        if (readFrom(path, from, stop, pass.error, [&](std::string_view slice) {
                md5.addData(bytesOf(slice));
                pass.bytes += slice.size();
            })) {
            pass.md5 = hexOf(md5);
        }
        return pass;
    });
}

// The size, MD5 and SHA-1 of the file from `from` on, written to `digests`;
// `alongside` sees each slice as the SHA-1 does. False, with `error` said,
// when the file could not be read, was stopped, or changed in between.
bool strongHashes(const QString& path, qint64 from, const std::atomic<bool>& stop,
                  files::Digests& digests, QString& error, const EachSlice& alongside) {
    std::future<Md5Pass> md5 = md5Alongside(path, from, stop);
    QCryptographicHash sha1(QCryptographicHash::Sha1);
    std::uint64_t bytes = 0;
    const bool read = readFrom(path, from, stop, error, [&](std::string_view slice) {
        sha1.addData(bytesOf(slice));
        alongside(slice);
        bytes += slice.size();
    });
    const Md5Pass other = md5.get();
    if (!read) {
        return false;
    }
    if (!other.error.isEmpty()) {
        error = other.error;
        return false;
    }
    if (other.bytes != bytes) {
        error = QStringLiteral("It changed while it was read.");
        return false;
    }
    digests.size = bytes;
    digests.md5 = other.md5;
    digests.sha1 = hexOf(sha1);
    return true;
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
    std::uint64_t offset = 0;
    bool header = false;
    uLong whole = crc32(0, nullptr, 0);
    uLong rest = whole;
    const bool read =
        strongHashes(path, 0, stop, result.whole, result.error, [&](std::string_view slice) {
            // A first slice holds the whole header whenever the file does.
            if (offset == 0) {
                header = files::beginsWithRomHeader(slice, slice.size());
            }
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
            offset += slice.size();
        });
    if (!read) {
        return {{}, {}, result.error};
    }
    result.whole.crc32 = static_cast<std::uint32_t>(whole);
    if (header) {
        result.headerless = files::Digests{
            offset - files::kRomHeaderBytes, static_cast<std::uint32_t>(rest), {}, {}};
    }
    return result;
}

bool digestHeaderless(const QString& path, files::Digests& headerless,
                      const std::atomic<bool>& stop) {
    files::Digests data = headerless;
    QString error;
    if (!strongHashes(path, files::kRomHeaderBytes, stop, data, error, [](std::string_view) {}) ||
        data.size != headerless.size) {
        return false;
    }
    headerless = data;
    return true;
}

}  // namespace quillon::ui
