// Flash image files: the Input button's CRC and label, and the update's loading, with real files.
#include "flash/flash_image.h"
#include "protocol/crc32.h"
#include "support/recording_frontend.h"
#include "support/scoped_current_dir.h"

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
    RecordingFrontend ui;
    DeviceSession s{link, ui};

  private slots:
    void init() {
        ui = RecordingFrontend();
        s.flashCodeLen = 11;
        s.flashCodeCrc = 0x1234;
        s.imageBuf = QByteArray();
        s.failure.clear();
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
        QCOMPARE(Input_FlashImage(s, path), ImageRead::Read);
        QCOMPARE(s.flashCodePath, path);
        QCOMPARE(ui.flashLabel, label);
        QCOMPARE(s.flashCodeLen, bytes.size());
        QVERIFY(ui.messages.isEmpty());
    }

    // Larger than the pieces the dialog reads in.
    void inputOfManyPieces() {
        QByteArray bytes(3 * 1024 * 1024 + 5, Qt::Uninitialized);
        QRandomGenerator rng(7);
        for (char &c : bytes)
            c = char(rng.generate());
        QCOMPARE(Input_FlashImage(s, writeFile(dir, "big.bin", bytes)), ImageRead::Read);
        QCOMPARE(s.flashCodeLen, bytes.size());
        QCOMPARE(s.flashCodeCrc, crc32_calc(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                            size_t(bytes.size())));
    }

    // The earlier image is forgotten: a check must not compare the flash with it.
    void inputThatCannotOpenForgetsTheImage() {
        const QString path = dir.filePath("missing.bin");
        QCOMPARE(Input_FlashImage(s, path), ImageRead::CannotOpen);
        QCOMPARE(s.flashCodePath, path); // a later update tries it
        QCOMPARE(s.flashCodeLen, 0);
        QCOMPARE(s.flashCodeCrc, 0u);
        QCOMPARE(ui.flashLabel, forgotten);
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
        QCOMPARE(Input_FlashImage(s, path), ImageRead::Refused);
        QCOMPARE(ui.messages.size(), 1);
        QCOMPARE(s.flashCodeLen, 0);
        QCOMPARE(s.flashCodeCrc, 0u);
        QCOMPARE(ui.flashLabel, forgotten);

        s.flashCodeLen = 11;
        ui.flashPath = path;
        QVERIFY(!Load_FlashCode(s));
        QCOMPARE(ui.messages.size(), 2);
        QVERIFY(ui.messages[1].contains(kind == "huge" ? "2 GB" : "read whole"));
        QVERIFY(s.imageBuf.isEmpty());
        QCOMPARE(s.flashCodeLen, 0);
        QVERIFY(s.failure.contains(kind == "huge" ? "2 GiB or more" : "could not be read whole"));
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
        ui.flashPath = sparseFile(dir, size);
        QVERIFY(!ui.flashPath.isEmpty());
        QVERIFY(!Load_FlashCode(s));
        QCOMPARE(ui.messages, QStringList{message});
        QVERIFY2(s.failure.startsWith(reason.contains("%1") ? reason.arg(ini) : reason),
                 qPrintable(s.failure));
        QVERIFY(s.imageBuf.isEmpty());
        QCOMPARE(s.flashCodeLen, 0);

        // The largest part itself is taken.
        s.failure.clear();
        ui.flashPath = sparseFile(dir, 8192);
        QVERIFY(Load_FlashCode(s));
        QCOMPARE(s.imageBuf.size(), 8192);
    }

    void loadReadsTheImage() {
        const QByteArray bytes("flash image bytes");
        ui.flashPath = writeFile(dir, "load.bin", bytes);
        QVERIFY(Load_FlashCode(s));
        QCOMPARE(s.imageBuf, bytes);
        QCOMPARE(s.flashCodeLen, bytes.size());
        QCOMPARE(s.flashCodeCrc, crc32_calc(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                            size_t(bytes.size())));
        QCOMPARE(ui.flashLabel, Flash_Label(s.flashCodeCrc, s.flashCodeLen));
    }

    void loadFailures() {
        QVERIFY(!Load_FlashCode(s));
        QCOMPARE(ui.messages, QStringList{"Please input flash code file"});

        ui.flashPath = dir.filePath("missing.bin");
        QVERIFY(!Load_FlashCode(s));
        QCOMPARE(ui.messages.last(), QStringLiteral("Read fail,please check the path!"));
        QCOMPARE(ui.log, QStringList{ui.flashPath});
        QCOMPARE(s.flashCodeLen, 0);
    }
};

QTEST_GUILESS_MAIN(FlashImage)
#include "test_flash_image.moc"
