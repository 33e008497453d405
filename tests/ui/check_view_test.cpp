// The check view on real files in a temporary folder: hashes, a made-up DAT, and comparisons,
// driven through its buttons with the file dialog answered by the hook.
#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/test_registry_key.h"
#include "ui/check_view.h"
#include "ui/file_chooser.h"
#include "ui/user_settings_store.h"

namespace {

// Bytes that differ from slice to slice, so a slice read twice or skipped changes every hash.
QByteArray noise(qsizetype size, int seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 state = 2166136261u ^ static_cast<quint32>(seed);
    for (char& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

QByteArray header() { return QByteArray(1, '\x01') + "ATARI7800" + QByteArray(118, '\0'); }

// The CRC-32 bit by bit, slow and plain: "123456789" gives cbf43926.
QString crcOf(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (crc & 1 ? 0xEDB88320u : 0);
    }
    return QString::number(crc ^ 0xFFFFFFFFu, 16).rightJustified(8, '0');
}

QString hashOf(const QByteArray& bytes, QCryptographicHash::Algorithm algorithm) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, algorithm).toHex());
}

// One <rom> of the made-up DAT, its hashes in capitals when asked, the way some lists write them.
QString romElement(const QString& name, const QByteArray& bytes, bool capitals) {
    QString md5 = hashOf(bytes, QCryptographicHash::Md5);
    QString sha1 = hashOf(bytes, QCryptographicHash::Sha1);
    QString crc = crcOf(bytes);
    if (capitals) {
        for (QString* hex : {&md5, &sha1, &crc}) *hex = hex->toUpper();
    }
    return QString(R"(<rom name="%1" size="%2" crc="%3" md5="%4" sha1="%5" status="verified"/>)")
        .arg(name)
        .arg(bytes.size())
        .arg(crc, md5, sha1);
}

}  // namespace

class CheckViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_.emplace();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder_->filePath("settings")));
#ifdef _WIN32
        registry_.emplace();
#endif
    }
    void cleanup() {
        view_.reset();
        quillon::ui::setFileChooserHook({});
#ifdef _WIN32
        registry_.reset();
#endif
        folder_.reset();
    }

    void hashes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("header");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("check string") << QByteArray("123456789") << false;
        QTest::newRow("header, several slices") << header() + noise(3 << 20, 1) << true;
        QTest::newRow("mark in a file too short") << header().left(100) << false;
        QTest::newRow("no header, one slice and a bit") << noise((1 << 20) + 7, 2) << false;
    }
    // A slice lost or read twice, a CRC joined wrongly across slices or the header, the
    // header taken from a short file, the data after it mismeasured.
    void hashes() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, header);
        quillon::ui::CheckView& view = open(write("dump.a78", bytes));
        QCOMPARE(text(view, "lblCheckSize"), QString("%1 bytes").arg(bytes.size()));
        QCOMPARE(text(view, "lblCrc32"), crcOf(bytes));
        QCOMPARE(text(view, "lblMd5"), hashOf(bytes, QCryptographicHash::Md5));
        QCOMPARE(text(view, "lblSha1"), hashOf(bytes, QCryptographicHash::Sha1));
        const QByteArray data = bytes.mid(128);
        QCOMPARE(text(view, "lblHeader").contains(QString::number(data.size()) + " bytes") &&
                     text(view, "lblHeader").contains(crcOf(data)),
                 header);
    }

    void datAnswer_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("rom");
        QTest::newRow("whole file, hex in capitals") << noise(49152, 10) << "Matches: Alpha Run"
                                                     << "as alpha.a78, the whole file";
        QTest::newRow("a machine element") << noise(8192, 11) << "Matches: Beta & Co"
                                           << "as beta.bin, the whole file";
        QTest::newRow("headered image of a ROM listed without")
            << header() + noise(32768, 12) << "Matches: Gamma"
            << "as gamma.bin, the data after the header";
        QTest::newRow("that ROM itself") << noise(32768, 12) << "Matches: Gamma"
                                         << "as gamma.bin, the whole file";
        QTest::newRow("one byte off") << noise(49152, 10).replace(4000, 1, "?") << "Not in the DAT"
                                      << "";
        QTest::newRow("headered, data unknown") << header() + noise(32768, 13) << "Not in the DAT"
                                                << "";
    }
    // Entries outside a title or of another element taken, hex compared by case, the data after
    // the header not read again or not matched, a near miss matched.
    void datAnswer() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, verdict);
        QFETCH(QString, rom);
        const QString dat =
            write("known.dat",
                  QString(R"(<?xml version="1.0"?>
<!DOCTYPE datafile SYSTEM "datafile.dtd">
<datafile>
  <header><name>Made-up 7800</name><version>1</version></header>
  <!-- a comment -->
  <rom name="stray.bin" size="8192" crc="%1"/>
  <game name="Alpha Run" cloneof="none"><description>Alpha</description>%2</game>
  <machine name="Beta &amp; Co">%3</machine>
  <game name="Gamma">%4</game>
  <game name="Empty"/>
</datafile>)")
                      .arg(crcOf(noise(8192, 11)), romElement("alpha.a78", noise(49152, 10), true),
                           romElement("beta.bin", noise(8192, 11), false),
                           romElement("gamma.bin", noise(32768, 12), true))
                      .toUtf8());
        quillon::ui::CheckView& view = open(write("dump.a78", bytes));
        choose(view, "cmdChooseDat", dat);
        QCOMPARE(text(view, "lblDatResult"), verdict);
        QCOMPARE(text(view, "lblMatchRom"), rom);
    }

    void compare_data() {
        QTest::addColumn<QByteArray>("ours");
        QTest::addColumn<QByteArray>("theirs");
        QTest::addColumn<QString>("verdict");
        const QByteArray two = noise((2 << 20) + 5, 20);
        QTest::newRow("identical") << two << two << "Identical";
        QTest::newRow("one byte in the second slice")
            << two << QByteArray(two).replace((1 << 20) + 3, 1, QByteArray(1, ~two[(1 << 20) + 3]))
            << "1 byte differs, at offset 0x100003";
        QTest::newRow("sizes") << two << two.left(10)
                               << "The sizes differ: this file has 2097157 bytes, the other 10 "
                                  "bytes; the shorter is the start of the longer";
        QTest::newRow("empty") << QByteArray() << QByteArray() << "Identical";
    }
    // A slice compared twice or not at all, an offset counted within its slice, the sizes not
    // looked at.
    void compare() {
        QFETCH(QByteArray, ours);
        QFETCH(QByteArray, theirs);
        QFETCH(QString, verdict);
        quillon::ui::CheckView& view = open(write("first.bin", ours));
        choose(view, "cmdCompare", write("second.bin", theirs));
        QCOMPARE(text(view, "lblCompare"), verdict);
    }

private:
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(folder_->filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                   ? file.fileName()
                   : QString();
    }

    // A view of `path`, shown, once it has read the file.
    quillon::ui::CheckView& open(const QString& path) {
        view_.reset(new quillon::ui::CheckView(path, store_, nullptr));
        view_->show();
        settle(*view_);
        return *view_;
    }

    // Clicks the button whose dialog is answered with `path`, and waits for the view.
    void choose(quillon::ui::CheckView& view, const char* button, const QString& path) {
        quillon::ui::setFileChooserHook([path](const QString&) { return path; });
        auto* target = view.findChild<QPushButton*>(button);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        settle(view);
    }

    static void settle(quillon::ui::CheckView& view) {
        while (view.busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    static QString text(quillon::ui::CheckView& view, const char* label) {
        return view.findChild<QLabel*>(label)->text();
    }

    std::optional<QTemporaryDir> folder_;
#ifdef _WIN32
    std::optional<quillon::testing::TestRegistryKey> registry_;
#endif
    quillon::ui::UserSettingsStore store_;
    std::unique_ptr<quillon::ui::CheckView> view_;
};

QTEST_MAIN(CheckViewTest)
#include "check_view_test.moc"
