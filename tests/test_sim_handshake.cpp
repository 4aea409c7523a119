// The simulated boot loader's handshake and information request, driven with raw frames.
#include "support/sim_session.h"

#include <QtTest>

using namespace simwire;

namespace {

constexpr uint32_t KQ31A = 0x1971031A, KQ31B = 0x1971031B, KQ580 = 0x05802018;

} // namespace

class SimHandshake : public QObject {
    Q_OBJECT

  private slots:
    void workedProof_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<uint>("code");
        QTest::addColumn<QByteArray>("frameCrc");
        QTest::addColumn<QByteArray>("proof");
        QTest::newRow("KQ31B") << "KQ31B" << KQ31B << QByteArray("ae 7f 53 71")
                               << QByteArray("34 3f e8 b6");
        QTest::newRow("KQ580") << "KQ580" << KQ580 << QByteArray("4a a4 4b 40")
                               << QByteArray("16 cc 7e 8e");
    }
    void workedProof() {
        QFETCH(QString, model);
        QFETCH(uint, code);
        QFETCH(QByteArray, frameCrc);
        QFETCH(QByteArray, proof);
        SimSession s(model);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const QByteArray frame = handshake('0', code);
        QCOMPARE(frame.mid(8, 4).toHex(' '), frameCrc);
        const QByteArray r = s.exchange(frame);
        QCOMPARE(r.size(), 64);
        QCOMPARE(r[0], 'K');
        QCOMPARE(r.mid(1, 4).toHex(' '), proof);
        const SimFrame got = s.sim.received().value(0);
        QVERIFY2(got.accepted, qPrintable(got.reason));
        QCOMPARE(got.field("proposed"), code);
        QCOMPARE(got.field("selector"), uint('0'));
    }

    // A wrong proposal is answered with the chip's own proof, which the host then rejects.
    void wrongProposalGetsOwnProof() {
        SimSession s(QStringLiteral("KQ31B"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const QByteArray right = s.exchange(handshake('0', KQ31B));
        const QByteArray wrong = s.exchange(handshake('0', KQ31A));
        QCOMPARE(wrong.mid(0, 5), right.mid(0, 5));
        QCOMPARE(s.sim.received().value(1).field("proposed"), KQ31A);
    }

    void versionAndKind() {
        SimConfig c;
        c.bootVersion = 0x1234;
        c.bootKindCode = 0xEEBA0020;
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        const QByteArray r = s.exchange(handshake('1', KQ31B));
        QCOMPARE(le32(r, 9), 0x1234u);
        QCOMPARE(le32(r, 13), 0xEEBA0020u);

        SimConfig k;
        SimConfig::forModel(QStringLiteral("KQ580"), &k);
        k.bootVersion = 0x300;
        k.bootType = 2;
        SimSession s580(k);
        QVERIFY2(s580.ok(), qPrintable(s580.error()));
        QCOMPARE(le32(s580.exchange(handshake('0', KQ580)), 9), 0x302u);
    }

    void malformedHandshakeRejected_data() {
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("value");
        QTest::newRow("frame CRC") << 8 << 0x00;
        QTest::newRow("selector") << 1 << int('3');
        QTest::newRow("KQ") << 3 << int('K');
        QTest::newRow("byte 16") << 16 << 0x00;
        QTest::newRow("padding") << 40 << 0x01;
    }
    void malformedHandshakeRejected() {
        QFETCH(int, at);
        QFETCH(int, value);
        SimSession s(QStringLiteral("KQ31B"));
        QVERIFY2(s.ok(), qPrintable(s.error()));
        QByteArray frame = handshake('0', KQ31B);
        frame[at] = char(value);
        const QByteArray r = s.exchange(frame);
        QCOMPARE(r.size(), 64);
        QCOMPARE(uint8_t(r[0]), SimBootLoader::NakLetter);
        QCOMPARE(r[1], 'K');
        QVERIFY(!s.sim.received().value(0).accepted);
    }

    // Half a frame is dropped once the line is idle, and the next frame is read afresh.
    void partialFrameDroppedAfterIdle() {
        SimConfig c;
        c.frameIdleResetMs = 60;
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        QVERIFY(s.exchange(handshake('0', KQ31B).left(30), 64, 150).isEmpty());
        // The next frame only once the half has been dropped, however late the device got to it.
        QVERIFY(s.sim.waitForFrames(1, 60000));
        QCOMPARE(s.exchange(handshake('0', KQ31B))[0], 'K');
        const QVector<SimFrame> got = s.sim.received();
        QCOMPARE(got.size(), 2);
        QVERIFY(!got[0].accepted);
        QVERIFY(got[0].reason.contains(QLatin1String("30 of 64")));
        QVERIFY(got[1].accepted);
    }

    void infoReply() {
        SimConfig c;
        c.bootVersion = 0x21;
        c.infoFlashIds = {{0x123456, 0xABCDEF}};
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        QByteArray g(64, '\0');
        g[0] = 'G';
        g[1] = char(0xE8);
        g[2] = 0x17;
        g[3] = 0x7F;
        put32(g, 8, crc(g.left(8)));
        QCOMPARE(g.left(12).toHex(' '), QByteArray("47 e8 17 7f 00 00 00 00 b9 66 46 76"));
        const QByteArray r = s.exchange(g);
        QCOMPARE(r[0], 'G');
        QCOMPARE(le32(r, 4), KQ31B);
        QCOMPARE(le32(r, 8), 0x21u);
        QCOMPARE(le32(r, 12), 0x123456u);
        QCOMPARE(le32(r, 16), 0xABCDEFu);
        QCOMPARE(le32(r, 20), crc(r.left(20)));

        g[8] = char(g[8] ^ 1);
        QCOMPARE(uint8_t(s.exchange(g)[0]), SimBootLoader::NakLetter);
    }
};

QTEST_GUILESS_MAIN(SimHandshake)
#include "test_sim_handshake.moc"
