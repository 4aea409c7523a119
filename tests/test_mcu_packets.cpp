// The MCU boot commands' packets and the boot information records, byte for byte.
#include "mcu/boot_records.h"
#include "mcu/mcu_packets.h"
#include "protocol/bytes.h"

#include <QtTest>

namespace {

QByteArray hex(const uint8_t *p, int n) {
    return QByteArray(reinterpret_cast<const char *>(p), n).toHex(' ');
}
QByteArray hex(const QByteArray &bytes, int from, int n) {
    return bytes.mid(from, n).toHex(' ');
}
const uint8_t *u8(const QByteArray &b) {
    return reinterpret_cast<const uint8_t *>(b.constData());
}

QByteArray pattern(int length) {
    QByteArray data(length, '\0');
    for (int i = 0; i < length; ++i)
        data[i] = char(i * 7 + 3);
    return data;
}

bool allZero(const QByteArray &b, int from) {
    for (int i = from; i < b.size(); ++i)
        if (b[i] != '\0') return false;
    return true;
}

} // namespace

class McuPackets : public QObject {
    Q_OBJECT

  private slots:
    void blockTrains_data() {
        QTest::addColumn<bool>("small");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("middles");
        QTest::addColumn<int>("lastCount");
        QTest::newRow("small full block") << true << 2048 << 32 << 8;
        QTest::newRow("small 100-byte tail") << true << 100 << 0 << 44;
        QTest::newRow("small fits J0") << true << 56 << 0 << 0;
        QTest::newRow("small J0+1") << true << 57 << 0 << 1;
        QTest::newRow("small J2 full") << true << 56 + 61 << 0 << 61;
        QTest::newRow("small one J1") << true << 56 + 62 << 1 << 0;
        QTest::newRow("small 8 bytes") << true << 8 << 0 << 0;
        QTest::newRow("large full block") << false << 2048 << 3 << 20;
        QTest::newRow("large 100-byte tail") << false << 100 << 0 << 0;
        QTest::newRow("large fits J0") << false << 504 << 0 << 0;
        QTest::newRow("large J2 full") << false << 504 + 507 << 0 << 507;
        QTest::newRow("large one J1") << false << 504 + 508 << 1 << 0;
    }
    // The train's packet kinds, header fields and zero padding, and that the data bytes read
    // back in order from the packets give the block.
    void blockTrains() {
        QFETCH(bool, small);
        QFETCH(int, length);
        QFETCH(int, middles);
        QFETCH(int, lastCount);
        const QByteArray data = pattern(length);
        const uint32_t offset = 0x12345800;
        const QList<QByteArray> packets = McuBlock_Packets(small, offset, u8(data), length);

        const int size = small ? 64 : 512;
        QCOMPARE(packets.size(), middles + 2);
        for (const QByteArray &p : packets)
            QCOMPARE(p.size(), size);

        const QByteArray &first = packets.first();
        QCOMPARE(hex(first, 0, 6), QByteArray("4a 30 00 58 34 12"));
        const int firstCount = qMin(length, small ? 56 : 504);
        QCOMPARE(int(Get_Le16(u8(first) + 6)), small ? length : firstCount);
        QByteArray joined = first.mid(8, firstCount);
        QVERIFY(allZero(first, 8 + firstCount));

        const int dataAt = small ? 2 : 4;
        for (int i = 1; i <= middles; ++i) {
            const QByteArray &m = packets[i];
            QCOMPARE(hex(m, 0, 2), QByteArray("4a 31"));
            if (!small) QCOMPARE(int(Get_Le16(u8(m) + 2)), 508);
            joined += m.mid(dataAt);
        }

        const QByteArray &last = packets.last();
        QCOMPARE(hex(last, 0, 2), QByteArray("4a 32"));
        if (!small) QCOMPARE(int(Get_Le16(u8(last) + 2)), lastCount);
        joined += last.mid(dataAt, lastCount);
        QVERIFY(allZero(last, dataAt + lastCount));
        QCOMPARE(joined, data);
    }

    void eraseFrame() {
        const Frame f = EraseMcu_Frame(0x2000, 0x2000 + 0x12345);
        QCOMPARE(hex(f.data(), 9), QByteArray("4c 00 20 00 00 45 43 01 00"));
        QVERIFY(std::all_of(f.begin() + 9, f.end(), [](uint8_t b) { return b == 0; }));
    }

    void crcQueryFrames_data() {
        QTest::addColumn<uint>("enterAddr");
        QTest::addColumn<QByteArray>("offsetBytes");
        QTest::newRow("page 0x800A000") << 0x800A123u << QByteArray("00 20 00 00");
        QTest::newRow("exactly the base") << 0x8008000u << QByteArray("00 00 00 00");
        QTest::newRow("just above the base") << 0x8008001u << QByteArray("00 00 00 00");
        QTest::newRow("exactly 0x8009000") << 0x8009000u << QByteArray("00 10 00 00");
        QTest::newRow("below the base") << 0x8007FFFu << QByteArray("00 00 00 00");
        QTest::newRow("no run address") << 0u << QByteArray("00 00 00 00");
    }
    void crcQueryFrames() {
        QFETCH(uint, enterAddr);
        QFETCH(QByteArray, offsetBytes);
        const Frame f = CheckMcuCrc_Frame(0x1234, 0x80000001, enterAddr, 0x8008000);
        QCOMPARE(hex(f.data(), 12), QByteArray("4e 00 00 00 34 12 00 00 01 00 00 80"));
        QCOMPARE(hex(&f[12], 4), offsetBytes);
        QVERIFY(std::all_of(f.begin() + 16, f.end(), [](uint8_t b) { return b == 0; }));
    }

    void patchFrames() {
        const std::array<Frame, 2> frames = McuPatch_Frames();
        const Frame &a = frames[0], &b = frames[1];
        QCOMPARE(hex(a.data(), 12), QByteArray("49 0f 00 1f 01 7f ff f7 44 1f 80 00"));
        QCOMPARE(hex(&a[60], 4), QByteArray("68 1f 80 00"));
        QCOMPARE(hex(b.data(), 8), QByteArray("49 07 3c 1f 1b 00 12 40"));
        QCOMPARE(hex(&b[28], 4), QByteArray("be be be be"));
        QVERIFY(std::all_of(b.begin() + 32, b.end(), [](uint8_t x) { return x == 0; }));
    }

    void wordFrameCountIsBounded() {
        uint32_t words[20];
        std::fill(std::begin(words), std::end(words), 0xA5A5A5A5u);
        const Frame f = WriteWords_Frame(0x10, words, 20);
        QCOMPARE(f[1], uint8_t(15));
    }

    // Expected CRCs computed independently of this code base.
    void bootSettingRecords_data() {
        QTest::addColumn<int>("blSet");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("crc");
        QTest::newRow("blSet 0") << 0 << QByteArray("f0 ff ff ff") << QByteArray("1c 99 bd 5f");
        QTest::newRow("blSet 2") << 2 << QByteArray("f2 ff ff ff") << QByteArray("90 ef 73 95");
    }
    void bootSettingRecords() {
        QFETCH(int, blSet);
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, crc);
        const BootRecord r = BootSetting_Record(blSet);
        QCOMPARE(hex(r.data(), 4), head);
        QVERIFY(std::all_of(r.begin() + 4, r.begin() + 20, [](uint8_t b) { return b == 0xFF; }));
        QCOMPARE(hex(&r[20], 4), crc);
    }

    void secondBootInfoRecord() {
        // The exact run address is stored, not the start of its page.
        const BootRecord r = SecondBootInfo_Record(0x8009001, 0x1234, 0xDEADBEEF);
        QCOMPARE(hex(r.data(), 24), QByteArray("68 45 71 19 62 08 10 03 01 90 00 08 34 12 00 00 "
                                               "ef be ad de b5 3c 22 08"));
    }
};

QTEST_GUILESS_MAIN(McuPackets)
#include "test_mcu_packets.moc"
