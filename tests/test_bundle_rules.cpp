// What a bundle may carry (its images checked as the update of every listed model checks them)
// and the check of the identified chip against the bundle, before anything is erased.
#include "bundle/bundle_maker.h"
#include "bundle/chip_check.h"
#include "bundle/image_rules.h"
#include "protocol/crc32.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// An MCU image of `length` bytes whose run address (bytes 4..7) is `run`.
QByteArray mcu(int length, uint32_t run = 0x0800A000) {
    QByteArray image(length, '\x5A');
    for (int i = 0; i < 4 && 4 + i < length; ++i)
        image[4 + i] = char(run >> (8 * i));
    return image;
}

BundleRecipe recipeFor(const QStringList &models) {
    BundleRecipe r;
    r.product = QStringLiteral("panel");
    r.version = QStringLiteral("1.0");
    r.constraints.models = models;
    return r;
}

// A chip the probe identified as `model`, with boot version `bootVersion`.
ChipIdentity identity(const char *model, uint32_t bootVersion) {
    return {Find_ChipModelByName(model), bootVersion};
}

} // namespace

Q_DECLARE_METATYPE(BundleRecipe)
Q_DECLARE_METATYPE(IdentifiedChip)

class BundleRulesTest : public QObject {
    Q_OBJECT

  private slots:
    void recipes_data() {
        QTest::addColumn<BundleRecipe>("recipe");
        QTest::addColumn<QString>("refusal"); // empty: made

        BundleRecipe r = recipeFor({"KQ31B", "KQ31C"});
        r.mcu = mcu(30000);
        QTest::newRow("MCU image for two models") << r << "";
        r.mcu = mcu(489472);
        QTest::newRow("MCU image at the KQ31B's update limit") << r << "";
        r.mcu = mcu(489473);
        QTest::newRow("MCU image over the update limit")
            << r << "MCU image of 489473 bytes exceeds the KQ31B's update limit of 489472 bytes";
        r.mcu = mcu(30000, 0x08007000);
        QTest::newRow("run address below the MCU flash")
            << r << "run address 0x08007000 is below 0x08008000";
        r.mcu = mcu(480000, 0x08050000);
        QTest::newRow("image overruns the flash from its run address")
            << r << "from offset 0x00048000 overruns the KQ31B's MCU flash of 520192 bytes";
        r = recipeFor({"KQ31B", "KQ31A"});
        r.mcu = mcu(59393);
        QTest::newRow("too large for one listed model")
            << r << "image of 59393 bytes exceeds the KQ31A's MCU flash of 59392 bytes";
        r.mcu = mcu(59392);
        QTest::newRow("fits the smallest listed model") << r << "";
        r.mcu = QByteArray();
        QTest::newRow("empty MCU image") << r << "MCU image of 0 bytes: nothing to write";
        r.mcu = mcu(7);
        QTest::newRow("MCU image without a run address") << r << "too short, 8 bytes at least";

        r = recipeFor({"KQ47"});
        r.flash = QByteArray(1000, '\xFF');
        QTest::newRow("flash image alone") << r << "";
        r.flash = QByteArray();
        QTest::newRow("empty flash image") << r << "flash image of 0 bytes: nothing to write";
        r.flash = QByteArray(1000, '\xFF');
        r.constraints.bootSetting = 2;
        QTest::newRow("boot setting without an MCU image") << r << "has no MCU image";
        r = recipeFor({"KQ31B"});
        r.mcu = mcu(30000);
        r.constraints.flashIds = {0xEF4018};
        QTest::newRow("flash IDs without a flash image") << r << "the bundle has none";
        r = recipeFor({});
        r.flash = QByteArray(10, '\1');
        QTest::newRow("no model") << r << "a bundle needs a chip model at least";
        r = recipeFor({"KQ31B", "kq31c"});
        r.flash = QByteArray(10, '\1');
        QTest::newRow("unknown model") << r << "unknown chip model \"kq31c\"";
        QTest::newRow("no image") << recipeFor({"KQ31B"}) << "a bundle needs an image at least";
        r = recipeFor({"KQ31B"});
        r.flash = QByteArray(10, '\1');
        r.version = QStringLiteral("2.4\nforged line");
        QTest::newRow("version of two lines") << r << "\"version\" must be printable text";
    }

    void recipes() {
        QFETCH(BundleRecipe, recipe);
        QFETCH(QString, refusal);
        QByteArray archive;
        QString reason;
        const bool made = Make_Bundle(recipe, nullptr, archive, reason);
        if (refusal.isEmpty()) {
            QVERIFY2(made, qPrintable(reason));
            QVERIFY(!archive.isEmpty());
        } else {
            QVERIFY(!made);
            QVERIFY2(reason.contains(refusal), qPrintable(reason));
        }
    }

    // MCU image files are read as the update reads them: a packaged one unpacked, its trailer
    // checked and left out of the bundle.
    void mcuImageFiles() {
        QTemporaryDir dir;
        const QByteArray image = mcu(30000);
        const uint32_t crc =
            crc32_calc(reinterpret_cast<const uint8_t *>(image.constData()), size_t(image.size()));
        QByteArray ordered = image;
        for (int i = 0; i < 4; ++i)
            ordered.append(char(crc >> (8 * i)));
        // Above 23,552 bytes a package stores image bytes 800..1311 at its very end.
        const QByteArray package = ordered.left(800) + ordered.mid(1312) + ordered.mid(800, 512);
        const auto write = [&](const QString &name, const QByteArray &bytes) {
            QFile f(dir.filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
            return dir.filePath(name);
        };
        QByteArray read;
        QString reason;
        QVERIFY(Read_BundleMcuImage(write("app.bin", image), read, reason));
        QCOMPARE(read, image);
        QVERIFY2(Read_BundleMcuImage(write("app.pkg", package), read, reason), qPrintable(reason));
        QCOMPARE(read, image);
        QByteArray damaged = package;
        damaged[100] = char(damaged[100] ^ 1);
        QVERIFY(!Read_BundleMcuImage(write("bad.pkg", damaged), read, reason));
        QVERIFY2(reason.contains("its CRC trailer does not match"), qPrintable(reason));
        QVERIFY(!Read_BundleMcuImage(write("big.bin", QByteArray(520197, '\0')), read, reason));
        QVERIFY2(reason.contains("more than the 520196"), qPrintable(reason));
    }

    void chips_data() {
        QTest::addColumn<bool>("hasFlashImage");
        QTest::addColumn<IdentifiedChip>("chip");
        QTest::addColumn<QString>("refusal"); // empty: the bundle may be written

        QTest::newRow("listed model, new boot loader")
            << true << IdentifiedChip{identity("KQ31C", 0x1b), std::nullopt} << "";
        QTest::newRow("model not listed")
            << true << IdentifiedChip{identity("KQ580", 0x1b), std::nullopt}
            << "bundle for KQ31B, KQ31C; this chip is KQ580";
        QTest::newRow("no known model") << true << IdentifiedChip{{nullptr, 0x1b}, std::nullopt}
                                        << "bundle for KQ31B, KQ31C; this chip is unknown";
        QTest::newRow("boot loader at the minimum")
            << true << IdentifiedChip{identity("KQ31B", 0x1a), 0xEF4018u} << "";
        QTest::newRow("boot loader too old")
            << true << IdentifiedChip{identity("KQ31B", 0x19), std::nullopt}
            << "bundle for boot version 0x1a or later; this chip's is 0x19";
        QTest::newRow("flash part not listed")
            << true << IdentifiedChip{identity("KQ31B", 0x1a), 0xC84017u}
            << "bundle for flash IDs 0xef4018, 0xc84018; this chip's flash ID is 0xc84017";
        QTest::newRow("flash part not read yet")
            << true << IdentifiedChip{identity("KQ31B", 0x1a), std::nullopt} << "";
        QTest::newRow("flash part of a bundle without a flash image")
            << false << IdentifiedChip{identity("KQ31B", 0x1a), 0xC84017u} << "";
    }

    void chips() {
        QFETCH(bool, hasFlashImage);
        QFETCH(IdentifiedChip, chip);
        QFETCH(QString, refusal);
        BundleConstraints c;
        c.models = QStringList{"KQ31B", "KQ31C"};
        c.minBootVersion = 0x1a;
        c.flashIds = {0xEF4018, 0xC84018};
        QCOMPARE(Bundle_ChipRefusal(c, hasFlashImage, chip), refusal);
        // Without constraints beyond the model, only the model counts.
        c.minBootVersion.reset();
        c.flashIds.clear();
        QCOMPARE(Bundle_ChipRefusal(c, hasFlashImage, chip).isEmpty(),
                 chip.chip.known() && c.models.contains(chip.chip.name()));
    }
};

QTEST_GUILESS_MAIN(BundleRulesTest)
#include "test_bundle_rules.moc"
