// Checking a dump reads it for three hashes and a CRC, and then asks a DAT:
// it must cost little more than reading it for its SHA-1 alone.
#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <vector>

#include "figures.h"
#include "files/dat_match.h"
#include "ui/file_digest.h"

namespace quillon::bench {
namespace {

constexpr qsizetype kDumpBytes = 4 << 20;
constexpr int kListedRoms = 3000;

// A dump of 4 MB with the ROM header, so that both the whole file and the
// data after the header are looked up.
QString writeDump(const Workspace& workspace) {
    QByteArray bytes(kDumpBytes, Qt::Uninitialized);
    QRandomGenerator random(7800);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    bytes.replace(1, 9, "ATARI7800");
    const QString path = QString::fromStdString((workspace.root / "dump.a78").string());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
    return path;
}

// A DAT the size of a console's whole library, none of it this dump; with
// `fitting`, one ROM that the data after the header matches by size and CRC,
// which has its strong hashes read as well.
std::vector<files::DatRom> madeUpDat(const QString& dump, bool fitting) {
    std::vector<files::DatRom> roms;
    for (int rom = 0; rom < kListedRoms; ++rom) {
        roms.push_back({"Game " + std::to_string(rom), "game.a78", 32768u + rom,
                        files::crcText(static_cast<std::uint32_t>(rom)), std::string(32, 'a'),
                        std::string(40, 'b')});
    }
    if (fitting) {
        const std::atomic<bool> go = false;
        const ui::FileDigests digests = ui::digestFile(dump, go);
        roms.push_back({"Fits", "fits.bin", digests.headerless->size,
                        files::crcText(digests.headerless->crc32), std::string(32, 'c'),
                        std::string(40, 'd')});
    }
    return roms;
}

volatile std::size_t sink = 0;

}  // namespace

Figure checkFigure(const Workspace& workspace, bool fittingWithoutHeader) {
    const QString dump = writeDump(workspace);
    auto dat =
        std::make_shared<const std::vector<files::DatRom>>(madeUpDat(dump, fittingWithoutHeader));
    Figure figure;
    figure.name = fittingWithoutHeader ? "check 4 MB, DAT fits the data after the header"
                                       : "check 4 MB with header against a DAT";
    // Reading the data after the header again, for its strong hashes, is the
    // price of matching it; shown for information.
    if (!fittingWithoutHeader) figure.target = 2.0;
    figure.measured = [dump, dat] {
        return timed([&] {
            const std::atomic<bool> go = false;
            ui::FileDigests digests = ui::digestFile(dump, go);
            files::MatchVerdict verdict =
                files::chooseMatch(*dat, digests.whole, digests.headerless);
            if (verdict.wantsHeaderlessHashes &&
                ui::digestHeaderless(dump, *digests.headerless, go)) {
                verdict = files::chooseMatch(*dat, digests.whole, digests.headerless);
            }
            sink = sink + digests.whole.sha1.size() + verdict.match.has_value();
        });
    };
    figure.baseline = [dump] {
        return timed([&] {
            QFile file(dump);
            QCryptographicHash sha1(QCryptographicHash::Sha1);
            if (!file.open(QIODevice::ReadOnly) || !sha1.addData(&file)) std::abort();
            sink = sink + static_cast<std::size_t>(sha1.result().size());
        });
    };
    return figure;
}

}  // namespace quillon::bench
