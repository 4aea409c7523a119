// The KQ580 load packet and the loader embedding, without a device.
#include "flash/flash_mode.h"
#include "protocol/bytes.h"
#include "support/fixture_loaders.h"

#include <QtTest>

namespace {
// What tests/fixtures/make_loader_fixtures.py wrote.
uint32_t fixtureWord(int i, uint32_t seed) {
    return uint32_t(i) * 0x9E3779B1u + seed;
}
} // namespace

class FlashModeCodecs : public QObject {
    Q_OBJECT

  private slots:
    void embeddedWordsAreTheFileReadLittleEndian_data() {
        QTest::addColumn<bool>("nand");
        QTest::addColumn<int>("count");
        QTest::addColumn<uint>("seed");
        QTest::newRow("NOR") << false << NorLoaderWords << 0x01234567u;
        QTest::newRow("NAND") << true << NandLoaderWords << 0x89ABCDEFu;
    }
    void embeddedWordsAreTheFileReadLittleEndian() {
        QFETCH(bool, nand);
        QFETCH(int, count);
        QFETCH(uint, seed);
        const FlashModeLoaders loaders = fixtureLoaders();
        const LoaderImage &image = nand ? loaders.nand : loaders.nor;
        QVERIFY(image.builtIn());
        QCOMPARE(image.count, count);
        for (int i = 0; i < count; ++i)
            if (image.words[i] != fixtureWord(i, seed))
                QFAIL(qPrintable(
                    QStringLiteral("word %1 is 0x%2").arg(i).arg(image.words[i], 8, 16)));
    }

    void loadPacketLayout_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("offset");
        QTest::newRow("first full packet") << 15 << 0;
        QTest::newRow("last NOR packet") << 9 << 4860;
        QTest::newRow("last NAND packet") << 8 << 4800;
        QTest::newRow("single word, offset above 8 bits") << 1 << 0x1234;
    }
    void loadPacketLayout() {
        QFETCH(int, count);
        QFETCH(int, offset);
        uint32_t words[15];
        for (int i = 0; i < 15; ++i)
            words[i] = fixtureWord(i, 0xA1B2C3D4u);
        const Frame p = Load_Packet(words, count, offset);
        QCOMPARE(p[0], uint8_t(0x49));
        QCOMPARE(int(p[1]), count);
        QCOMPARE(int(Get_Le16(&p[2])), offset);
        QCOMPARE(p[2], uint8_t(offset & 0xFF)); // low byte first
        for (int i = 0; i < count; ++i) {
            QCOMPARE(p[size_t(4 + 4 * i)], uint8_t(words[i])); // least significant byte first
            QCOMPARE(Get_Le32(&p[size_t(4 + 4 * i)]), words[i]);
        }
        for (size_t i = size_t(4 + 4 * count); i < p.size(); ++i)
            QCOMPARE(p[i], uint8_t(0));
    }
};

QTEST_GUILESS_MAIN(FlashModeCodecs)
#include "test_flash_mode_codecs.moc"
