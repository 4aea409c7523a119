// Flash image files: the Input button's CRC and length, and the update's reading and loading,
// with real files.
#include "flash/flash_image.h"
#include "protocol/crc32.h"
#include "support/recording_observer.h"
#include "support/scoped_current_dir.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

// A file that reports `size` bytes without taking the space.
QString sparseFile(const QTemporaryDir &dir, qint64 size) {
    const QString path = dir.filePath(QStringLiteral("sparse-%1.bin").arg(size));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size)) return QString();
    return path;
}

const QString forgotten = QStringLiteral("Flash code,CRC = 0x0  Len: 0");

// A file whose reported size is larger than what can be read from it.
const char *shortReadFile = "/sys/devices/system/cpu/online";

} // namespace

class FlashImage : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    SerialLink link;
    RecordingObserver ui;
    DeviceSession s{link, ui};
    FlashImageFacts facts;

    // Load_FlashCode of the image at `path`, read as a run reads it.
    Result<FlashImageFacts> load(const QString &path) {
        return Load_FlashCode(s, *Read_FlashImageFile(path, QString()));
    }

  private slots:
    void init() {
        ui = RecordingObserver();
        facts = {11, 0x1234};
    }

    void inputShowsCrcAndLength_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("label");
        QTest::newRow("check value")
            << QByteArray("123456789") << "Flash code,CRC = 0x2dfd2d88  Len: 9";
        QTest::newRow("empty") << QByteArray() << "Flash code,CRC = 0x0  Len: 0";
        QTest::newRow("leading zeros do not change the CRC")
            << QByteArray("\0\0abc", 5) << "Flash code,CRC = 0xca6598d0  Len: 5";
    }
    void inputShowsCrcAndLength() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, label);
        const QString path = writeFile(dir, "image.bin", bytes);
        QCOMPARE(Input_FlashImage(path, ui, facts), ImageRead::Read);
        QCOMPARE(Flash_Label(facts.flashCodeCrc, facts.flashCodeLen), label);
        QCOMPARE(facts.flashCodeLen, bytes.size());
        QVERIFY(ui.messages.isEmpty());
    }

    // Larger than the pieces the dialog reads in.
    void inputOfManyPieces() {
        QByteArray bytes(3 * 1024 * 1024 + 5, Qt::Uninitialized);
        QRandomGenerator rng(7);
        for (char &c : bytes)
            c = char(rng.generate());
        QCOMPARE(Input_FlashImage(writeFile(dir, "big.bin", bytes), ui, facts), ImageRead::Read);
        QCOMPARE(facts.flashCodeLen, bytes.size());
        QCOMPARE(
            facts.flashCodeCrc,
            crc32_calc(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())));
    }

    // The earlier image is forgotten: a check must not compare the flash with it.
    void inputThatCannotOpenForgetsTheImage() {
        const QString path = dir.filePath("missing.bin");
        QCOMPARE(Input_FlashImage(path, ui, facts), ImageRead::CannotOpen);
        QCOMPARE(facts.flashCodeLen, 0);
        QCOMPARE(facts.flashCodeCrc, 0u);
        QVERIFY(ui.messages.isEmpty()); // the caller shows the "Error" box
    }

    void refusedImages_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("2 GiB") << "huge";
        QTest::newRow("short read") << "short";
    }
    void refusedImages() {
        QFETCH(QString, kind);
        QString path;
        if (kind == "huge") {
            path = sparseFile(dir, qint64(1) << 31);
            if (path.isEmpty()) QSKIP("no sparse files here");
        } else {
            QFile probe(shortReadFile);
            if (!probe.open(QIODevice::ReadOnly) || probe.size() <= probe.readAll().size())
                QSKIP("no file that reads shorter than its size");
            path = shortReadFile;
        }
        QCOMPARE(Input_FlashImage(path, ui, facts), ImageRead::Refused);
        QCOMPARE(ui.messages.size(), 1);
        QCOMPARE(facts.flashCodeLen, 0);
        QCOMPARE(facts.flashCodeCrc, 0u);

        const Result<FlashImageFacts> loaded = load(path);
        QVERIFY(!loaded.ok());
        QCOMPARE(ui.messages.size(), 2);
        QVERIFY(ui.messages[1].contains(kind == "huge" ? "2 GB" : "read whole"));
        QCOMPARE(ui.flashLabel, forgotten);
        QVERIFY(
            loaded.reason().contains(kind == "huge" ? "2 GiB or more" : "could not be read whole"));
    }

    // Refused before anything is read into memory: an empty image (nothing to write) and one
    // larger than every part Flash.ini lists (no part can take it).
    void loadRefusesWhatNoPartTakes_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << qint64(0) << "There aren't any datas to update!"
                               << "image of 0 bytes: nothing to write";
        QTest::newRow("one byte over the largest part")
            << qint64(8193) << "The file is over than the flash ic's size"
            << "image of 8193 bytes is larger than any flash part in %1 (8192 bytes at most)";
        QTest::newRow("1 GiB") << (qint64(1) << 30) << "The file is over than the flash ic's size"
                               << "image of 1073741824 bytes is larger than any flash part in";
    }
    void loadRefusesWhatNoPartTakes() {
        QFETCH(qint64, size);
        QFETCH(QString, message);
        QFETCH(QString, reason);
        ScopedCurrentDir here;
        const QString ini =
            here.write("Flash.ini", "[FLASH]\n0xEF4018,4096,1,small,\n0xC84018,4096,2,large,\n");
        const QString path = sparseFile(dir, size);
        QVERIFY(!path.isEmpty());
        const ImageSnapshot image = Read_FlashImageFile(path, QString());
        QVERIFY(!image->read); // not read into memory
        const Result<FlashImageFacts> loaded = Load_FlashCode(s, *image);
        QCOMPARE(loaded.kind(), FailureKind::ImageUnusable);
        QCOMPARE(ui.messages, QStringList{message});
        QVERIFY2(loaded.reason().startsWith(reason.contains("%1") ? reason.arg(ini) : reason),
                 qPrintable(loaded.reason()));
        QCOMPARE(ui.flashLabel, forgotten);

        // The largest part itself is taken.
        const ImageSnapshot largest = Read_FlashImageFile(sparseFile(dir, 8192), QString());
        QVERIFY(Load_FlashCode(s, *largest).ok());
        QCOMPARE(largest->bytes.size(), 8192);
    }

    void loadReadsTheImage() {
        const QByteArray bytes("flash image bytes");
        const ImageSnapshot image = Read_FlashImageFile(writeFile(dir, "load.bin", bytes), {});
        const Result<FlashImageFacts> loaded = Load_FlashCode(s, *image);
        QVERIFY(loaded.ok());
        QCOMPARE(image->bytes, bytes);
        QCOMPARE(loaded.value().flashCodeLen, bytes.size());
        QCOMPARE(
            loaded.value().flashCodeCrc,
            crc32_calc(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())));
        QCOMPARE(image->sha256.toHex(),
                 QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
        QCOMPARE(ui.flashLabel,
                 Flash_Label(loaded.value().flashCodeCrc, loaded.value().flashCodeLen));
    }

    void loadFailures() {
        QCOMPARE(load(QString()).kind(), FailureKind::InputUnusable);
        QCOMPARE(ui.messages, QStringList{"Please input flash code file"});

        const QString missing = dir.filePath("missing.bin");
        QCOMPARE(load(missing).kind(), FailureKind::SystemError);
        QCOMPARE(ui.messages.last(), QStringLiteral("Read fail,please check the path!"));
        QCOMPARE(ui.log, QStringList{missing});
        QCOMPARE(ui.flashLabel, forgotten);
    }
};

QTEST_GUILESS_MAIN(FlashImage)
#include "test_flash_image.moc"
