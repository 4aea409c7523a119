// The simulated boot loader's MCU commands, driven with raw frames: erase, block trains in both
// packet layouts, the CRC query, the boot information records and the word writes.
#include "support/sim_session.h"

#include <QtTest>

using namespace simwire;

namespace {

QByteArray pattern(int length, int seed) {
    QByteArray b(length, '\0');
    for (int i = 0; i < length; ++i)
        b[i] = char((i * 7 + seed) & 0xFF);
    return b;
}

// One block as the chip expects it: J0, J1..., J2, in the layout of the model.
QByteArray blockTrain(bool large, uint32_t offset, const QByteArray &data) {
    const int size = large ? 512 : 64;
    const int first = large ? 504 : 56, middle = large ? 508 : 62, lastMax = large ? 507 : 61;
    QByteArray train;
    QByteArray f = frame('J', size);
    f[1] = '0';
    put32(f, 2, offset);
    const int n0 = qMin(data.size(), first);
    put16(f, 6, large ? n0 : data.size());
    f.replace(8, n0, data.left(n0));
    train += f;
    int at = n0;
    while (data.size() - at > lastMax) {
        f = frame('J', size);
        f[1] = '1';
        if (large) put16(f, 2, middle);
        f.replace(large ? 4 : 2, middle, data.mid(at, middle));
        train += f;
        at += middle;
    }
    f = frame('J', size);
    f[1] = '2';
    if (large) put16(f, 2, data.size() - at);
    f.replace(large ? 4 : 2, data.size() - at, data.mid(at));
    return train + f;
}

QByteArray erase(uint32_t start, uint32_t end) {
    QByteArray f = frame('L');
    put32(f, 1, start);
    put32(f, 5, end);
    return f;
}

QByteArray crcQuery(uint32_t start, uint32_t length) {
    QByteArray f = frame('N');
    put32(f, 4, length);
    put32(f, 12, start);
    return f;
}

QByteArray bootFrame(uint32_t code, const QByteArray &payload) {
    QByteArray f = frame('H');
    f[1] = '0';
    put32(f, 2, code);
    put16(f, 6, payload.size());
    f.replace(8, payload.size(), payload);
    put32(f, 8 + payload.size(), crc(f.left(8 + payload.size())));
    return f;
}

QByteArray secondBootInfo(uint32_t run, uint32_t length, uint32_t imageCrc) {
    QByteArray r(24, '\0');
    put32(r, 0, 0x19714568);
    put32(r, 4, 0x03100862);
    put32(r, 8, run);
    put32(r, 12, length);
    put32(r, 16, imageCrc);
    put32(r, 20, crc(r.left(20)));
    return r;
}

QByteArray bootSetting(uint32_t value) {
    QByteArray r(24, char(0xFF));
    put32(r, 0, value);
    put32(r, 20, crc(r.left(20)));
    return r;
}

const uint8_t Nak = SimBootLoader::NakLetter;

} // namespace

class SimMcu : public QObject {
    Q_OBJECT

  private slots:
    void blockLandsInFlash_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("packets");
        QTest::newRow("small 2048") << "KQ31A" << 2048 << 34;
        QTest::newRow("small 100") << "KQ47" << 100 << 2;
        QTest::newRow("small 56") << "KQ580" << 56 << 2;
        QTest::newRow("large 2048") << "KQ31B" << 2048 << 5;
        QTest::newRow("large 100") << "KQ581" << 100 << 2;
        QTest::newRow("large 504+508") << "KQ3200" << 1012 << 3;
    }
    void blockLandsInFlash() {
        QFETCH(QString, model);
        QFETCH(int, length);
        QFETCH(int, packets);
        SimSession s(model);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const bool large = s.sim.config().modelCode != 0x1971031A &&
                           s.sim.config().modelCode != 0x05802018 &&
                           s.sim.config().modelCode != 0x19710470;
        const uint32_t offset = 0x2000;
        const QByteArray data = pattern(length, 3);

        QCOMPARE(s.exchange(erase(offset, offset + length))[0], 'L');
        const QByteArray reply = s.exchange(blockTrain(large, offset, data));
        QCOMPARE(reply.size(), 64); // exactly one reply per block
        QCOMPARE(reply[0], 'J');

        const QByteArray flash = s.sim.mcuFlash();
        QCOMPARE(flash.mid(offset, length), data);
        QCOMPARE(uint8_t(flash[offset - 1]), uint8_t(0xFF));
        QCOMPARE(uint8_t(flash[offset + length]), uint8_t(0xFF));
        const QVector<SimFrame> got = s.sim.received();
        QCOMPARE(got.size(), 1 + packets);
        QCOMPARE(got.last().name, QStringLiteral("J2"));
        QCOMPARE(got.last().field("length"), uint(length));

        const QByteArray n = s.exchange(crcQuery(offset, length));
        QCOMPARE(n[0], 'N');
        QCOMPARE(le32(n, 1), crc(data));
    }

    // 64-byte packets sent to a 512-byte chip are read as garbled large frames: the block is
    // never acknowledged and the record says why.
    void wrongLayoutIsNotAcknowledged() {
        SimConfig c;
        c.frameIdleResetMs = 60;
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        QVERIFY(s.exchange(blockTrain(false, 0, pattern(2048, 1)), 64, 200).isEmpty());
        const QVector<SimFrame> got = s.sim.received();
        QCOMPARE(got.size(), 5); // 34 x 64 bytes = 4 large frames and a dropped rest
        QCOMPARE(got[0].reason, QStringLiteral("J0 count over 504"));
        QVERIFY(got[4].reason.startsWith(QLatin1String("incomplete frame")));
        QCOMPARE(s.sim.mcuFlash().left(2048), QByteArray(2048, char(0xFF)));
    }

    // Programming only clears bits, so a block written over unerased flash reads back wrong.
    void programmingWithoutEraseClearsBitsOnly() {
        SimSession s(QStringLiteral("KQ31B"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const QByteArray a = pattern(600, 1), b = pattern(600, 90);
        QCOMPARE(s.exchange(blockTrain(true, 0, a))[0], 'J');
        QCOMPARE(s.exchange(blockTrain(true, 0, b))[0], 'J');
        QByteArray both = a;
        for (int i = 0; i < both.size(); ++i)
            both[i] = char(a[i] & b[i]);
        QCOMPARE(s.sim.mcuFlash().left(600), both);
    }

    void malformedIsRefused_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("frames");
        QTest::addColumn<char>("letter");
        QByteArray large = blockTrain(true, 0, pattern(2048, 5));
        large[512 + 2] = char(507); // J1 count 507
        QTest::newRow("J1 count") << "KQ31B" << large << 'J';
        QByteArray small = blockTrain(false, 0, pattern(200, 5));
        QTest::newRow("J2 too early") << "KQ31A" << (small.left(64) + small.right(64)) << 'J';
        QByteArray firstOver = blockTrain(true, 0, pattern(100, 5));
        put16(firstOver, 6, 505);
        QTest::newRow("J0 count") << "KQ31B" << firstOver << 'J';
        QTest::newRow("J2 alone") << "KQ31B" << blockTrain(true, 0, QByteArray()).right(512) << 'J';
        QTest::newRow("block past end")
            << "KQ31A" << blockTrain(false, 0xE800 - 10, pattern(20, 1)) << 'J';
        QTest::newRow("erase past end") << "KQ580" << erase(0, 0xFC01) << 'L';
        QTest::newRow("erase reversed") << "KQ31B" << erase(0x200, 0x100) << 'L';
        QByteArray n = crcQuery(0x7F000 - 4, 8);
        QTest::newRow("crc past end") << "KQ31B" << n << 'N';
        n = crcQuery(0, 8);
        n[20] = 1;
        QTest::newRow("crc padding") << "KQ31B" << n << 'N';
    }
    void malformedIsRefused() {
        QFETCH(QString, model);
        QFETCH(QByteArray, frames);
        QFETCH(char, letter);
        SimSession s(model);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const QByteArray blank = s.sim.mcuFlash();
        const QByteArray reply = s.exchange(frames);
        QCOMPARE(reply.size(), 64);
        QCOMPARE(uint8_t(reply[0]), Nak);
        QCOMPARE(reply[1], letter);
        QCOMPARE(s.sim.mcuFlash(), blank);
        QVERIFY(!s.sim.received().last().accepted);
    }

    void bootRecords_data() {
        QTest::addColumn<QByteArray>("frameBytes");
        QTest::addColumn<int>("status");
        const QByteArray info = secondBootInfo(0x800A123, 5000, 0xCAFEF00D);
        QTest::newRow("second boot info") << bootFrame(0x7C00, info) << 0;
        QTest::newRow("boot setting 0") << bootFrame(0x7E00, bootSetting(0xFFFFFFF0)) << 0;
        QTest::newRow("boot setting 2") << bootFrame(0x7E00, bootSetting(0xFFFFFFF2)) << 0;
        QTest::newRow("boot setting 3") << bootFrame(0x7E00, bootSetting(0xFFFFFFF3)) << 4;
        QByteArray badRecord = info;
        badRecord[21] = char(badRecord[21] ^ 1);
        QTest::newRow("record CRC") << bootFrame(0x7C00, badRecord) << 3;
        QByteArray badFrame = bootFrame(0x7C00, info);
        badFrame[33] = char(badFrame[33] ^ 1);
        QTest::newRow("frame CRC") << badFrame << 1;
        QTest::newRow("run address low")
            << bootFrame(0x7C00, secondBootInfo(0x8007FFF, 10, 0)) << 4;
        QTest::newRow("unknown code") << bootFrame(0x7D00, info) << 2;
    }
    void bootRecords() {
        QFETCH(QByteArray, frameBytes);
        QFETCH(int, status);
        SimSession s;
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const QByteArray reply = s.exchange(frameBytes);
        QCOMPARE(reply[0], 'H');
        QCOMPARE(int(uint8_t(reply[1])), status);
        const SimBootRecords records = s.sim.bootRecords();
        QCOMPARE(records.haveSecondBootInfo || records.haveBootSetting, status == 0);
        if (records.haveSecondBootInfo) {
            QCOMPARE(records.runAddress, 0x800A123u);
            QCOMPARE(records.imageLength, 5000u);
            QCOMPARE(records.imageCrc, 0xCAFEF00Du);
        }
    }

    void wordWritesHaveNoReply() {
        SimSession s(QStringLiteral("KQ580"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        QByteArray f = frame('I');
        f[1] = 15;
        put16(f, 2, 0x1F00);
        for (int i = 0; i < 15; ++i)
            put32(f, 4 + 4 * i, 0x11111111u * uint32_t(i + 1));
        QByteArray tooMany = f;
        tooMany[1] = 16;
        put16(tooMany, 2, 0x2000);
        QVERIFY(s.exchange(f + tooMany, 1, 200).isEmpty());
        QVERIFY(s.waitForFrames(2));
        QCOMPARE(s.sim.wordMemory().mid(0x1F00, 60), f.mid(4, 60));
        QCOMPARE(s.sim.wordMemory().mid(0x2000, 64), QByteArray(64, '\0'));
        const QVector<SimFrame> got = s.sim.received();
        QVERIFY(got[0].accepted);
        QVERIFY(!got[1].accepted);
    }
};

QTEST_GUILESS_MAIN(SimMcu)
#include "test_sim_mcu.moc"
