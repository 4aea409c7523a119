// MCU image reading: the log and label formats, flash sizes, packaged images, and the Input and
// update-time loading of real files.
#include "mcu/mcu_image.h"
#include "mcu/mcu_package.h"
#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/crc32.h"
#include "support/mcu_rig.h"
#include "support/model_codes.h"
#include "support/recording_observer.h"
#include "support/scoped_current_dir.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

uint32_t crcOf(const QByteArray &b) {
    return crc32_calc(reinterpret_cast<const uint8_t *>(b.constData()), size_t(b.size()));
}

QByteArray randomBytes(int length, quint32 seed) {
    QRandomGenerator rng(seed);
    QByteArray b(length, '\0');
    for (char &c : b)
        c = char(rng.generate());
    return b;
}

// An image with its run address in bytes 4..7.
QByteArray imageWithRunAddress(int length, uint32_t runAddress, quint32 seed = 1) {
    QByteArray b = randomBytes(length, seed);
    if (length >= 8) Put_Le32(reinterpret_cast<uint8_t *>(b.data()) + 4, runAddress);
    return b;
}

struct Bench {
    SerialLink link; // never opened: loading is local
    RecordingObserver ui;
    DeviceSession s{link, ui};
    ScopedCurrentDir dir;
    QString mcuPath;
};

} // namespace

class McuImageTest : public QObject {
    Q_OBJECT

  private slots:
    void hex8_data() {
        QTest::addColumn<uint>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0u << "0x00000000";
        QTest::newRow("run address") << 0x8008000u << "0x08008000";
        QTest::newRow("letters upper") << 0xabcdef12u << "0xABCDEF12";
        QTest::newRow("all ones") << 0xFFFFFFFFu << "0xFFFFFFFF";
    }
    void hex8() {
        QFETCH(uint, value);
        QFETCH(QString, text);
        QCOMPARE(To_Hex8(value), text);
    }

    void flashSizes_data() {
        QTest::addColumn<uint>("model");
        QTest::addColumn<int>("size");
        QTest::newRow("KQ31A") << uint(Model::KQ31A) << 59392;
        for (uint32_t m : {Model::KQ31B, Model::KQ31C, Model::KQ31D, Model::KQ3200, Model::KQ581})
            QTest::newRow(Chip_Model(m).name) << uint(m) << 520192;
        QTest::newRow("KQ47") << uint(Model::KQ47) << 241664;
        QTest::newRow("KQ580") << uint(Model::KQ580) << 64512;
        QTest::newRow("unknown") << uint(Model::Unknown) << 0;
        QTest::newRow("not probed") << 0u << 0;
    }
    void flashSizes() {
        QFETCH(uint, model);
        QFETCH(int, size);
        QCOMPARE(Get_McuFlashSize(model), size);
    }

    void label() {
        QCOMPARE(Mcu_Label(0, 0), QString("Mcu code,CRC = 0x0  Len: 0"));
        QCOMPARE(Mcu_Label(0xABC0DEF0, 489472), QString("Mcu code,CRC = 0xabc0def0  Len: 489472"));
    }

    void packagesRoundTrip_data() {
        QTest::addColumn<int>("imageLength");
        QTest::newRow("empty image") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("largest unmoved") << 23548;
        QTest::newRow("smallest moved") << 23549;
        QTest::newRow("typical") << 100000;
        QTest::newRow("largest") << 520188;
    }
    void packagesRoundTrip() {
        QFETCH(int, imageLength);
        const QByteArray image = randomBytes(imageLength, quint32(imageLength));
        const QByteArray file = packagedImage(image, crcOf(image));
        const McuPackage p = Unpack_McuPackage(file);
        QVERIFY(p.valid());
        QCOMPARE(p.image, image);
        QCOMPARE(p.crc, crcOf(image));
    }

    // Where the moved stretch sits, with marked bytes rather than the test's own packer.
    void movedStretchPositions() {
        const int size = 23553;
        QByteArray file(size, 'a');
        file.replace(size - 512, 512, QByteArray(512, 'm')); // image bytes 800..1311
        const QByteArray ordered = Reorder_McuPackage(file);
        QCOMPARE(ordered.size(), size);
        QCOMPARE(ordered.mid(800, 512), QByteArray(512, 'm'));
        QCOMPARE(ordered.left(800) + ordered.mid(1312), QByteArray(size - 512, 'a'));
        const QByteArray small(23552, 'x');
        QCOMPARE(Reorder_McuPackage(small), small);
    }

    void wrongAndMissingTrailers() {
        const QByteArray image = randomBytes(30000, 7);
        const McuPackage wrong = Unpack_McuPackage(packagedImage(image, crcOf(image) ^ 1));
        QVERIFY(wrong.hasTrailer && !wrong.valid());
        QCOMPARE(wrong.crc, crcOf(image));
        QCOMPARE(wrong.image.size(), 30000);
        for (int n = 0; n < 4; ++n)
            QVERIFY(!Unpack_McuPackage(QByteArray(n, '\0')).hasTrailer);
        // Four zero bytes: an empty image whose CRC 0 matches its trailer.
        QVERIFY(Unpack_McuPackage(QByteArray(4, '\0')).valid());
    }

    // Arbitrary bytes of every size around the boundaries never read outside the file.
    void unpackArbitraryFiles() {
        QRandomGenerator rng(42);
        QList<int> sizes{0, 1, 3, 4, 5, 7, 8, 800, 1311, 1312, 23551, 23552, 23553, 23554, 24000};
        for (int i = 0; i < 200; ++i)
            sizes << int(rng.bounded(60000));
        for (int size : sizes) {
            const QByteArray file = randomBytes(size, quint32(size) + 99);
            const McuPackage p = Unpack_McuPackage(file);
            QCOMPARE(p.hasTrailer, size >= 4);
            if (p.hasTrailer) {
                QCOMPARE(p.image.size(), size - 4);
                QCOMPARE(p.crc, crcOf(p.image));
            }
        }
    }

    void plainNames() {
        QVERIFY(Is_PlainMcuImage("a/b/fw.bin"));
        QVERIFY(!Is_PlainMcuImage("fw.BIN"));
        QVERIFY(!Is_PlainMcuImage("fw.bin.pkg"));
        QVERIFY(!Is_PlainMcuImage("fw"));
    }

    void inputShowsCrcLengthAndRunAddress_data() {
        QTest::addColumn<uint>("model");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("takesRunAddress");
        QTest::newRow("KQ31B") << uint(Model::KQ31B) << 5000 << true;
        QTest::newRow("KQ3200") << uint(Model::KQ3200) << 8 << true;
        QTest::newRow("KQ581 takes none") << uint(Model::KQ581) << 5000 << false;
        QTest::newRow("KQ47 takes none") << uint(Model::KQ47) << 5000 << false;
        QTest::newRow("KQ31B too short for one") << uint(Model::KQ31B) << 7 << false;
        QTest::newRow("empty") << uint(Model::KQ31B) << 0 << false;
    }
    void inputShowsCrcLengthAndRunAddress() {
        QFETCH(uint, model);
        QFETCH(int, length);
        QFETCH(bool, takesRunAddress);
        Bench b;
        const QByteArray image = imageWithRunAddress(length, 0x800A123);
        // Input never unpacks, whatever the name.
        const QString path = b.dir.write("image.pkg", image);
        const std::optional<McuImageFacts> facts = Input_McuImage(path, model, b.ui);
        QVERIFY(facts);
        QCOMPARE(facts->mcuLen, length);
        QCOMPARE(facts->mcuCrc, crcOf(image));
        QCOMPARE(facts->enterAddr, takesRunAddress ? 0x800A123u : 0u);
        QCOMPARE(b.ui.log, takesRunAddress ? QStringList{"enter_Addr:0x0800A123"} : QStringList{});
    }

    // No facts come of a file that cannot be read: the window forgets the earlier image, so that
    // a check does not compare the chip with it.
    void inputOfUnreadableFileGivesNoImage() {
        Bench b;
        QVERIFY(!Input_McuImage(b.dir.filePath("missing.bin"), Model::KQ31B, b.ui));
        QVERIFY(!Input_McuImage(b.dir.path(), Model::KQ31B, b.ui)); // a directory
        QVERIFY(b.ui.log.isEmpty());
    }

    void loadRefusals_data() {
        QTest::addColumn<uint>("model");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<FailureKind>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reason");
        const QString over = "Over Mcu flash size:";
        using K = FailureKind;
        QTest::newRow("no file named") << uint(Model::KQ31B) << "" << QByteArray()
                                       << K::InputUnusable << "Please input mcu code file"
                                       << "no MCU image named";
        QTest::newRow("missing file") << uint(Model::KQ31B) << "?missing.bin" << QByteArray()
                                      << K::SystemError << "Read fail,please check the path!"
                                      << "cannot read image";
        QTest::newRow("directory") << uint(Model::KQ31B) << "." << QByteArray() << K::SystemError
                                   << "Read fail,please check the path!"
                                   << "cannot read image";
        QTest::newRow("KQ31A one byte over")
            << uint(Model::KQ31A) << "a.bin" << QByteArray(59393, 1) << K::ImageUnusable
            << over + "59392"
            << "image of 59393 bytes exceeds the KQ31A's MCU flash of 59392 bytes";
        QTest::newRow("no model") << 0u << "a.bin" << QByteArray(1, 1) << K::ImageUnusable
                                  << over + "0"
                                  << "image of 1 bytes: no chip model identified";
        QTest::newRow("size counts the trailer")
            << uint(Model::KQ580) << "a.pkg" << packagedImage(QByteArray(64510, 1), 0)
            << K::ImageUnusable << over + "64512"
            << "image of 64514 bytes exceeds the KQ580's MCU flash";
        QTest::newRow("packaged without a trailer")
            << uint(Model::KQ31B) << "a.pkg" << QByteArray(3, 0) << K::ImageUnusable
            << "This isn't a KQ31A/B's file"
            << "its CRC trailer does not match";
    }
    void loadRefusals() {
        QFETCH(uint, model);
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QFETCH(FailureKind, kind);
        QFETCH(QString, message);
        QFETCH(QString, reason);
        Bench b;
        b.s.identity.model = Find_ChipModel(model);
        if (name.startsWith('?'))
            b.mcuPath = b.dir.filePath(name.mid(1));
        else if (name == ".")
            b.mcuPath = b.dir.path();
        else if (!name.isEmpty())
            b.mcuPath = b.dir.write(name, file);
        const Result<McuImage> r = Load_McuImage(b.s, *Read_McuImageFile(b.mcuPath));
        QVERIFY(!r.ok());
        QCOMPARE(r.kind(), kind);
        QCOMPARE(b.ui.messages, QStringList{message});
        QCOMPARE(b.ui.mcuLabel, Mcu_Label(0, 0)); // nothing left for a check to compare with
        QCOMPARE(b.ui.log,
                 kind == FailureKind::SystemError ? QStringList{b.mcuPath} : QStringList{});
        QVERIFY2(r.reason().contains(reason), qPrintable(r.reason()));
    }

    // What a refused file computed to is no image either.
    void loadWrongTrailerForgetsTheImage() {
        Bench b;
        b.s.identity.model = Find_ChipModel(Model::KQ31B);
        const QByteArray image = randomBytes(40000, 3);
        b.mcuPath = b.dir.write("fw.BIN", packagedImage(image, crcOf(image) + 1));
        const Result<McuImage> r = Load_McuImage(b.s, *Read_McuImageFile(b.mcuPath));
        QCOMPARE(r.kind(), FailureKind::ImageUnusable);
        QCOMPARE(b.ui.messages, QStringList{"This isn't a KQ31A/B's file"});
        QCOMPARE(b.ui.mcuLabel, Mcu_Label(0, 0));
    }

    void loadAccepts_data() {
        QTest::addColumn<uint>("model");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("imageLength");
        QTest::addColumn<bool>("packaged");
        QTest::newRow("KQ31A at its flash size") << uint(Model::KQ31A) << "a.bin" << 59392 << false;
        QTest::newRow("plain KQ31B") << uint(Model::KQ31B) << "a.bin" << 100000 << false;
        QTest::newRow("packaged, upper-case name")
            << uint(Model::KQ31B) << "a.BIN" << 23549 << true;
        QTest::newRow("packaged, not moved") << uint(Model::KQ47) << "a.img" << 23548 << true;
        QTest::newRow("packaged, largest") << uint(Model::KQ581) << "a" << 520188 << true;
    }
    void loadAccepts() {
        QFETCH(uint, model);
        QFETCH(QString, name);
        QFETCH(int, imageLength);
        QFETCH(bool, packaged);
        Bench b;
        b.s.identity.model = Find_ChipModel(model);
        const QByteArray image = randomBytes(imageLength, 11);
        b.mcuPath = b.dir.write(name, packaged ? packagedImage(image, crcOf(image)) : image);
        const Result<McuImage> r = Load_McuImage(b.s, *Read_McuImageFile(b.mcuPath));
        QVERIFY(r.ok());
        QVERIFY(b.ui.messages.isEmpty());
        QCOMPARE(r.value().bytes, image);
        QCOMPARE(r.value().length, imageLength);
        QCOMPARE(r.value().crc, crcOf(image));
        QCOMPARE(b.ui.mcuLabel, Mcu_Label(crcOf(image), imageLength));
    }
};

QTEST_GUILESS_MAIN(McuImageTest)
#include "test_mcu_image.moc"
