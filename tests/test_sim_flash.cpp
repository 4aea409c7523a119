// The simulated boot loader's external-flash commands, driven with raw frames: flash ID, block
// trains in the three layouts with their parity, address mode, whole erase and the CRC check.
#include "support/sim_session.h"

#include <QtTest>

using namespace simwire;

namespace {

QByteArray pattern(int length, int seed) {
    QByteArray b(length, '\0');
    for (int i = 0; i < length; ++i)
        b[i] = char((i * 13 + seed) & 0xFF);
    return b;
}

// One block as the chip expects it: 'j', 'k'..., 'l'.
QByteArray flashTrain(bool large, uint32_t address, int parity, const QByteArray &data) {
    const int size = large ? 512 : 64;
    const int first = large ? 504 : 57, middle = large ? 509 : 62;
    QByteArray f = frame('j', size);
    put32(f, 1, address);
    f[5] = char(parity);
    const int n0 = qMin(data.size(), first);
    if (large)
        put16(f, 6, n0);
    else
        f[6] = char(n0);
    f.replace(large ? 8 : 7, n0, data.left(n0));
    QByteArray train = f;
    int at = n0;
    while (data.size() - at >= middle) {
        f = frame('k', size);
        if (large)
            put16(f, 1, middle);
        else
            f[1] = char(middle);
        f.replace(large ? 3 : 2, middle, data.mid(at, middle));
        train += f;
        at += middle;
    }
    f = frame('l', size);
    if (large)
        put16(f, 1, data.size() - at);
    else
        f[1] = char(data.size() - at);
    f.replace(large ? 3 : 2, data.size() - at, data.mid(at));
    return train + f;
}

QByteArray crcCheck(uint32_t length, uint32_t start = 0, uint32_t expected = 0) {
    QByteArray f = frame('n');
    put32(f, 1, start);
    put32(f, 5, length);
    put32(f, 9, expected);
    return f;
}

// The fields the simulator decoded from the last packet of its last block.
SimFrame lastBlock(const SimSession &s) {
    const QVector<SimFrame> frames = s.sim.received();
    for (auto it = frames.rbegin(); it != frames.rend(); ++it)
        if (it->name == QLatin1String("l")) return *it;
    return SimFrame();
}

const uint8_t Nak = SimBootLoader::NakLetter;

} // namespace

class SimFlash : public QObject {
    Q_OBJECT

  private slots:
    void flashIdPerVariant() {
        SimConfig c;
        c.flashIdAnswers[0] = {0x111111, SimFlashIdAnswer::Silence};
        c.flashIdAnswers[1] = {0xC84018, SimFlashIdAnswer::Answer};
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        QByteArray m = frame('m');
        m[1] = 1;
        QVERIFY(s.exchange(m, 64, 150).isEmpty());
        m[2] = 1;
        const QByteArray r = s.exchange(m);
        QCOMPARE(uint8_t(r[0]), uint8_t(0x7D));
        QCOMPARE(le32(r, 1), 0xC84018u);

        c.flashIdAnswers[1].mode = SimFlashIdAnswer::WrongLetter;
        s.sim.setConfig(c);
        QVERIFY(uint8_t(s.exchange(m)[0]) != 0x7D);
        QCOMPARE(s.sim.received().size(), 3);
    }

    void blockLandsInFlash_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("acknowledged");
        QTest::newRow("KQ31A 512") << "KQ31A" << 512 << false;
        QTest::newRow("KQ580 57") << "KQ580" << 57 << false;
        QTest::newRow("KQ47 16384") << "KQ47" << 16384 << true;
        QTest::newRow("KQ47 100") << "KQ47" << 100 << true;
        QTest::newRow("KQ31B 32768") << "KQ31B" << 32768 << true;
        QTest::newRow("KQ31D 504+509") << "KQ31D" << 1013 << true;
        QTest::newRow("KQ581 197") << "KQ581" << 197 << true;
    }
    void blockLandsInFlash() {
        QFETCH(QString, model);
        QFETCH(int, length);
        QFETCH(bool, acknowledged);
        SimSession s(model);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const bool large = !model.startsWith(QLatin1String("KQ31A")) &&
                           !model.startsWith(QLatin1String("KQ580")) &&
                           !model.startsWith(QLatin1String("KQ47"));
        const QByteArray a = pattern(length, 1), b = pattern(length, 2);
        const QByteArray trains[2] = {flashTrain(large, 0, 0, a),
                                      flashTrain(large, uint32_t(length), 1, b)};
        for (const QByteArray &train : trains) {
            const QByteArray reply = s.exchange(train, 64, acknowledged ? 2000 : 150);
            if (acknowledged) {
                QCOMPARE(reply.size(), 64);
                QCOMPARE(reply[0], '|');
            } else {
                QVERIFY(reply.isEmpty());
            }
        }
        QVERIFY(s.waitForFrames((trains[0].size() + trains[1].size()) / (large ? 512 : 64)));
        QCOMPARE(s.sim.externalFlash(0, 2 * length), a + b);
        QCOMPARE(uint8_t(s.sim.externalFlash(2 * length, 1)[0]), uint8_t(0xFF));

        const QByteArray r = s.exchange(crcCheck(uint32_t(2 * length)));
        QCOMPARE(r.size(), 64);
        QCOMPARE(uint8_t(r[0]), uint8_t(0x7E));
        QVERIFY(r[1] != '0');
        QCOMPARE(le32(r, 2), crc(a + b));
    }

    // Blocks alternate their parity from 0; a handshake starts a new update.
    void parityAlternates() {
        SimSession s(QStringLiteral("KQ47"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const QByteArray data = pattern(300, 4);
        QCOMPARE(s.exchange(flashTrain(false, 0, 0, data))[0], '|');
        const QByteArray repeated = s.exchange(flashTrain(false, 300, 0, data));
        QCOMPARE(uint8_t(repeated[0]), Nak);
        QCOMPARE(uint8_t(s.sim.externalFlash(300, 1)[0]), uint8_t(0xFF));
        QCOMPARE(s.exchange(flashTrain(false, 300, 1, data))[0], '|');
        QCOMPARE(s.exchange(handshake('0', 0x19710470))[0], 'K');
        QCOMPARE(s.exchange(flashTrain(false, 600, 0, data))[0], '|');
    }

    // Beyond 16 MiB the chip needs its 4-byte address mode first.
    void addressModeForLargeParts() {
        SimConfig c;
        c.flashSize = 32 * 1024 * 1024;
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const uint32_t address = 16 * 1024 * 1024 - 100;
        const QByteArray data = pattern(200, 9);
        QCOMPARE(uint8_t(s.exchange(flashTrain(true, address, 0, data))[0]), Nak);
        QByteArray o = frame('o');
        o[1] = 1;
        QCOMPARE(uint8_t(s.exchange(o)[0]), uint8_t(0x7F));
        QCOMPARE(s.sim.flashAddrMode(), 1);
        QCOMPARE(s.exchange(flashTrain(true, address, 0, data))[0], '|');
        QCOMPARE(s.sim.externalFlash(address, 200), data);
        QCOMPARE(uint8_t(s.exchange(flashTrain(true, c.flashSize - 100, 1, data))[0]), Nak);
    }

    void malformedTrainRefused_data() {
        QTest::addColumn<QByteArray>("frames");
        QByteArray train = flashTrain(true, 0, 0, pattern(2000, 1));
        train[512 + 1] = char(508 & 0xFF); // middle count 508
        QTest::newRow("middle count") << train;
        train = flashTrain(true, 0, 0, pattern(100, 1));
        QTest::newRow("middle after short first")
            << (train.left(512) + flashTrain(true, 0, 0, pattern(1100, 1)).mid(512, 512) +
                train.right(512));
        QTest::newRow("last without first") << flashTrain(true, 0, 0, QByteArray()).right(512);
        train = flashTrain(true, 0, 0, pattern(100, 1));
        put16(train, 512 + 1, 1);
        QTest::newRow("last data after whole block") << train;
    }
    void malformedTrainRefused() {
        QFETCH(QByteArray, frames);
        SimSession s(QStringLiteral("KQ31C"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const QByteArray reply = s.exchange(frames);
        QCOMPARE(reply.size(), 64);
        QCOMPARE(uint8_t(reply[0]), Nak);
        QCOMPARE(reply[1], 'l');
        QCOMPARE(s.sim.externalFlash(0, 4096), QByteArray(4096, char(0xFF)));
    }

    void wholeEraseAfterItsDuration() {
        SimConfig c;
        c.flashEraseMs = 150;
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.sim.writeExternalFlash(1000, "data");
        QElapsedTimer clock;
        clock.start();
        const QByteArray r = s.exchange(frame('h'));
        QVERIFY(clock.elapsed() >= 140);
        QCOMPARE(uint8_t(r[0]), uint8_t(0x78));
        QCOMPARE(s.sim.externalFlash(1000, 4), QByteArray(4, char(0xFF)));
    }

    // Each 4 KiB sector is erased once per update, before the first block that touches it; what
    // else it held is lost. Programming an unerased byte can only clear bits.
    void sectorsErasedOncePerUpdate() {
        SimSession s(QStringLiteral("KQ47"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.sim.writeExternalFlash(0, QByteArray(3 * 4096, '\x5A')); // an earlier image
        const QByteArray a = pattern(300, 1), b = pattern(300, 2), c = pattern(100, 3);
        const auto send = [&](uint32_t address, int parity, const QByteArray &data) {
            return s.exchange(flashTrain(false, address, parity, data))[0] == '|';
        };

        QVERIFY(send(0x100, 0, a));
        QCOMPARE(lastBlock(s).field("erasedSectors"), 1u);
        QCOMPARE(s.sim.externalFlash(0, 0x100), QByteArray(0x100, char(0xFF)));
        QCOMPARE(s.sim.externalFlash(0x100, 300), a);
        QCOMPARE(s.sim.externalFlash(0x1000, 1), QByteArray("\x5A"));

        // Across into sector 1: only that one is erased now; the first block stays.
        QVERIFY(send(0xF80, 1, b));
        QCOMPARE(lastBlock(s).field("erasedSectors"), 1u);
        QCOMPARE(s.sim.externalFlash(0x100, 300), a);
        QCOMPARE(s.sim.externalFlash(0xF80, 300), b);
        QCOMPARE(s.sim.externalFlash(0x10AC, 4), QByteArray(4, char(0xFF)));

        // Written twice in one update: the bits of both.
        QVERIFY(send(0x100, 0, c));
        QCOMPARE(lastBlock(s).field("erasedSectors"), 0u);
        QByteArray both = c;
        for (int i = 0; i < c.size(); ++i)
            both[i] = char(c[i] & a[i]);
        QCOMPARE(s.sim.externalFlash(0x100, c.size()), both);

        // A handshake starts a new update: sector 0 is erased again.
        QCOMPARE(s.exchange(handshake('0', 0x19710470))[0], 'K');
        QVERIFY(send(0x800, 0, c));
        QCOMPARE(lastBlock(s).field("erasedSectors"), 1u);
        QCOMPARE(s.sim.externalFlash(0x100, 1), QByteArray(1, char(0xFF)));
        QCOMPARE(s.sim.externalFlash(0xF80, 0x80), QByteArray(0x80, char(0xFF)));
        QCOMPARE(s.sim.externalFlash(0x1000, 300 - 0x80), b.mid(0x80));

        // After a whole erase nothing needs erasing.
        QCOMPARE(uint8_t(s.exchange(frame('h'))[0]), uint8_t(0x78));
        QVERIFY(send(0x2000, 1, a));
        QCOMPARE(lastBlock(s).field("erasedSectors"), 0u);
        QCOMPARE(s.sim.externalFlash(0x2000, 300), a);
    }

    // The chip is busy while it erases, programs or computes: it answers when the work is done,
    // and a command that follows waits for it.
    void flashWorkTakesItsTime() {
        SimConfig c;
        SimConfig::forModel(QStringLiteral("KQ31A"), &c); // blocks are not acknowledged
        c.sectorEraseUs = 60000;
        c.pageProgramUs = 1000;
        c.crcUsPerKiB = 4000;
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const QByteArray data = pattern(300, 7);
        QElapsedTimer clock;
        clock.start();
        // Two sectors and two pages, then the CRC of 25 KiB.
        s.exchange(flashTrain(false, 0xF00, 0, data) + crcCheck(25 * 1024, 0, 0), 0, 0);
        const QByteArray r = s.collect(64, 2000);
        QVERIFY2(clock.elapsed() >= 2 * 60 + 2 + 100, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(uint8_t(r[0]), uint8_t(0x7E));
        QCOMPARE(s.sim.busyUs(), qint64(2 * 60000 + 2 * 1000 + 25 * 4000));
    }

    // The CRC of any range inside the flash; the echo-crc fault answers what the host expected.
    void crcOfAnyRange() {
        SimSession s;
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const QByteArray image = pattern(70000, 8);
        s.sim.writeExternalFlash(0x10000, image);
        QCOMPARE(le32(s.exchange(crcCheck(5000, 0x11234)), 2), crc(image.mid(0x1234, 5000)));
        const uint32_t end = 16 * 1024 * 1024;
        QCOMPARE(le32(s.exchange(crcCheck(16, end - 16)), 2), crc(QByteArray(16, char(0xFF))));
        QCOMPARE(uint8_t(s.exchange(crcCheck(17, end - 16))[0]), Nak);
        QCOMPARE(uint8_t(s.exchange(crcCheck(1, end))[0]), Nak);

        s.sim.addFault(SimFault::on('n', 0, SimFault::EchoCrc));
        QCOMPARE(le32(s.exchange(crcCheck(5000, 0x11234, 0xC0FFEE)), 2), 0xC0FFEEu);
    }

    void crcProgressThenFinal() {
        SimConfig c;
        c.crcProgressStep = 1000;
        c.crcProgressIntervalMs = 40;
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const QByteArray image = pattern(3500, 5);
        s.sim.writeExternalFlash(0, image);
        s.exchange(crcCheck(3500), 0, 0);
        // Three reports and the result, 64 bytes each (a host slow to read may get two at once).
        const QByteArray all = s.collect(4 * 64, 60000);
        QCOMPARE(all.size(), 4 * 64);
        QList<QByteArray> replies;
        for (int i = 0; i < 4; ++i)
            replies.append(all.mid(i * 64, 64));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(uint8_t(replies[i][0]), uint8_t(0x7E));
            QCOMPARE(replies[i][1], '0');
            QCOMPARE(le32(replies[i], 2), uint32_t(1000 * (i + 1)));
        }
        QCOMPARE(uint8_t(replies[3][0]), uint8_t(0x7E));
        QVERIFY(replies[3][1] != '0');
        QCOMPARE(le32(replies[3], 2), crc(image));
    }
};

QTEST_GUILESS_MAIN(SimFlash)
#include "test_sim_flash.moc"
