// Flash image files: the Input button's CRC and label, and the update's loading, with real files.
#include "flash/flash_image.h"
#include "protocol/crc32.h"
#include "support/recording_frontend.h"

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

// A file that reports 2 GiB without taking the space.
QString sparse2GiB(const QTemporaryDir &dir) {
    const QString path = dir.filePath("huge.bin");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(1) << 31)) return QString();
    return path;
}

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
        QVERIFY(Input_FlashImage(s, path));
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
        QVERIFY(Input_FlashImage(s, writeFile(dir, "big.bin", bytes)));
        QCOMPARE(s.flashCodeLen, bytes.size());
        QCOMPARE(s.flashCodeCrc, crc32_calc(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                            size_t(bytes.size())));
    }

    void inputThatCannotOpenKeepsValues() {
        const QString path = dir.filePath("missing.bin");
        QVERIFY(!Input_FlashImage(s, path));
        QCOMPARE(s.flashCodePath, path); // a later update tries it
        QCOMPARE(s.flashCodeLen, 11);
        QCOMPARE(s.flashCodeCrc, 0x1234u);
        QVERIFY(ui.flashLabel.isEmpty());
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
            path = sparse2GiB(dir);
            if (path.isEmpty()) QSKIP("no sparse files here");
        } else {
            QFile probe(shortReadFile);
            if (!probe.open(QIODevice::ReadOnly) || probe.size() <= probe.readAll().size())
                QSKIP("no file that reads shorter than its size");
            path = shortReadFile;
        }
        QVERIFY(Input_FlashImage(s, path));
        QCOMPARE(ui.messages.size(), 1);
        QCOMPARE(s.flashCodeLen, 11);
        QCOMPARE(s.flashCodeCrc, 0x1234u);

        ui.flashPath = path;
        QVERIFY(!Load_FlashCode(s));
        QCOMPARE(ui.messages.size(), 2);
        QVERIFY(ui.messages[1].contains(kind == "huge" ? "2 GB" : "read whole"));
        QVERIFY(s.imageBuf.isEmpty());
        QCOMPARE(s.flashCodeLen, 11);
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
        QCOMPARE(s.flashCodeLen, 11);
    }
};

QTEST_GUILESS_MAIN(FlashImage)
#include "test_flash_image.moc"
