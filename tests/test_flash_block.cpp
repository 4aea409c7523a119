// The packet trains of one flash block in the three layouts.
#include "flash/flash_block.h"
#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "support/model_codes.h"

#include <QtTest>

Q_DECLARE_METATYPE(FlashLayout)

namespace {

QByteArray hex(const uint8_t *p, int n) {
    return QByteArray(reinterpret_cast<const char *>(p), n).toHex(' ');
}

// Where a packet's count and data sit, read back from the bytes.
struct Carried {
    int count;
    int dataAt;
};
Carried carried(const FlashPacket &p, bool first) {
    const bool large = p.bytes.size() == 512;
    const int countAt = first ? 6 : 1;
    const int count = large ? Get_Le16(&p.bytes[size_t(countAt)]) : p.bytes[size_t(countAt)];
    return {count, countAt + (large ? 2 : 1)};
}

} // namespace

class FlashBlock : public QObject {
    Q_OBJECT

  private slots:
    void layoutsByModel_data() {
        QTest::addColumn<uint>("model");
        QTest::addColumn<FlashLayout>("layout");
        QTest::addColumn<int>("blockSize");
        QTest::addColumn<int>("packetSize");
        const auto small = FlashLayout::SmallUnacknowledged;
        const auto acked = FlashLayout::SmallAcknowledged;
        const auto large = FlashLayout::Large;
        QTest::newRow("KQ31A") << uint(Model::KQ31A) << small << 512 << 64;
        QTest::newRow("KQ580") << uint(Model::KQ580) << small << 512 << 64;
        QTest::newRow("KQ47") << uint(Model::KQ47) << acked << 16384 << 64;
        QTest::newRow("KQ31B") << uint(Model::KQ31B) << large << 32768 << 512;
        QTest::newRow("KQ31C") << uint(Model::KQ31C) << large << 32768 << 512;
        QTest::newRow("KQ31D") << uint(Model::KQ31D) << large << 32768 << 512;
        QTest::newRow("KQ3200") << uint(Model::KQ3200) << large << 32768 << 512;
        QTest::newRow("KQ581") << uint(Model::KQ581) << large << 32768 << 512;
        QTest::newRow("unknown") << uint(Model::Unknown) << large << 32768 << 512;
    }
    void layoutsByModel() {
        QFETCH(uint, model);
        QFETCH(FlashLayout, layout);
        QFETCH(int, blockSize);
        QFETCH(int, packetSize);
        QCOMPARE(Flash_Layout(model), layout);
        QCOMPARE(Flash_BlockSize(layout), blockSize);
        QCOMPARE(Flash_PacketSize(layout), packetSize);
    }

    void firstPacketBytes() {
        const uint8_t data[3] = {0xA1, 0xB2, 0xC3};
        const auto small =
            Flash_PacketTrain(FlashLayout::SmallAcknowledged, data, 0x12345678, 3, 1);
        QCOMPARE(hex(small[0].bytes.data(), 11), QByteArray("6a 78 56 34 12 01 03 a1 b2 c3 00"));
        QCOMPARE(hex(small[1].bytes.data(), 3), QByteArray("6c 00 00"));

        QByteArray block(600, '\x5A');
        const auto large = Flash_PacketTrain(FlashLayout::Large,
                                             reinterpret_cast<const uint8_t *>(block.constData()),
                                             0x8000, block.size(), 0);
        QCOMPARE(hex(large[0].bytes.data(), 9), QByteArray("6a 00 80 00 00 00 f8 01 5a"));
        QCOMPARE(hex(large[1].bytes.data(), 4), QByteArray("6c 60 00 5a"));
    }

    // Counts per packet, pacing, and that the train carries exactly the block, zero beyond.
    void trains_data() {
        QTest::addColumn<FlashLayout>("layout");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("firstCount");
        QTest::addColumn<int>("middles");
        QTest::addColumn<int>("lastCount");
        QTest::addColumn<int>("delays");
        const auto small = FlashLayout::SmallUnacknowledged;
        const auto acked = FlashLayout::SmallAcknowledged;
        const auto large = FlashLayout::Large;
        QTest::newRow("small 1") << small << 1 << 1 << 0 << 0 << 0;
        QTest::newRow("small 57") << small << 57 << 57 << 0 << 0 << 0;
        QTest::newRow("small 58") << small << 58 << 57 << 0 << 1 << 0;
        QTest::newRow("small 118") << small << 118 << 57 << 0 << 61 << 0;
        QTest::newRow("small 119") << small << 119 << 57 << 1 << 0 << 0;
        QTest::newRow("small 512 block") << small << 512 << 57 << 7 << 21 << 0;
        QTest::newRow("acked 16384 block") << acked << 16384 << 57 << 263 << 21 << 0;
        QTest::newRow("large 1") << large << 1 << 1 << 0 << 0 << 1;
        QTest::newRow("large 197 remainder") << large << 197 << 197 << 0 << 0 << 1;
        QTest::newRow("large 504") << large << 504 << 504 << 0 << 0 << 1;
        QTest::newRow("large 505") << large << 505 << 504 << 0 << 1 << 2;
        QTest::newRow("large 1012") << large << 1012 << 504 << 0 << 508 << 2;
        QTest::newRow("large 504+509") << large << 1013 << 504 << 1 << 0 << 3;
        QTest::newRow("large 32768 block") << large << 32768 << 504 << 63 << 197 << 65;
    }
    void trains() {
        QFETCH(FlashLayout, layout);
        QFETCH(int, length);
        QFETCH(int, firstCount);
        QFETCH(int, middles);
        QFETCH(int, lastCount);
        QFETCH(int, delays);

        QByteArray block(length, Qt::Uninitialized);
        for (int i = 0; i < length; ++i)
            block[i] = char(i * 7 + 1 + i / 251);
        const auto train = Flash_PacketTrain(
            layout, reinterpret_cast<const uint8_t *>(block.constData()), 0x00ABCDEF, length, 1);

        QCOMPARE(int(train.size()), middles + 2);
        QByteArray carriedData;
        int totalDelays = 0;
        for (size_t i = 0; i < train.size(); ++i) {
            const FlashPacket &p = train[i];
            QCOMPARE(int(p.bytes.size()), Flash_PacketSize(layout));
            const bool first = i == 0, last = i + 1 == train.size();
            QCOMPARE(p.bytes[0], uint8_t(first ? 0x6A : last ? 0x6C : 0x6B));
            const Carried c = carried(p, first);
            if (first)
                QCOMPARE(c.count, firstCount);
            else if (last)
                QCOMPARE(c.count, lastCount);
            else
                QCOMPARE(c.count, layout == FlashLayout::Large ? 509 : 62);
            carriedData.append(reinterpret_cast<const char *>(&p.bytes[size_t(c.dataAt)]), c.count);
            for (size_t b = size_t(c.dataAt + c.count); b < p.bytes.size(); ++b)
                QCOMPARE(p.bytes[b], uint8_t(0));
            totalDelays += p.delaysAfter;
            if (last) QCOMPARE(p.delaysAfter, 0);
        }
        QCOMPARE(Get_Le32(&train[0].bytes[1]), 0x00ABCDEFu);
        QCOMPARE(train[0].bytes[5], uint8_t(1));
        QCOMPARE(carriedData, block);
        QCOMPARE(totalDelays, delays);
    }
};

QTEST_APPLESS_MAIN(FlashBlock)
#include "test_flash_block.moc"
