// Faults injected by the simulator, as the host's port sees them: arrivals, their sizes and
// timing, and a device that goes away and comes back.
#include "support/sim_session.h"

#include <QSignalSpy>
#include <QtTest>

using namespace simwire;

namespace {

QByteArray infoRequest() {
    QByteArray g = frame('G');
    g[1] = char(0xE8);
    g[2] = 0x17;
    g[3] = 0x7F;
    put32(g, 8, crc(g.left(8)));
    return g;
}

QList<int> sizes(const QList<QByteArray> &arrivals) {
    QList<int> list;
    for (const QByteArray &a : arrivals)
        list.append(a.size());
    return list;
}

} // namespace

class SimFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void replyShapes_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("arrivalSizes");
        QTest::addColumn<char>("letter");
        QTest::addColumn<bool>("crcGood");
        QTest::addColumn<int>("ms");
        QTest::newRow("silence") << int(SimFault::Silence) << QList<int>{} << 'G' << true << -1;
        QTest::newRow("wrong letter")
            << int(SimFault::WrongLetter) << QList<int>{64} << '?' << true << -1;
        QTest::newRow("split") << int(SimFault::Split) << QList<int>{40, 24} << 'G' << true << 100;
        QTest::newRow("two replies")
            << int(SimFault::TwoReplies) << QList<int>{128} << 'G' << true << -1;
        QTest::newRow("garbage") << int(SimFault::Garbage) << QList<int>{80} << 'G' << true << -1;
        QTest::newRow("bad crc") << int(SimFault::BadCrc) << QList<int>{64} << 'G' << false << -1;
    }
    void replyShapes() {
        QFETCH(int, kind);
        QFETCH(QList<int>, arrivalSizes);
        QFETCH(char, letter);
        QFETCH(bool, crcGood);
        QFETCH(int, ms);
        SimSession s;
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.sim.addFault(SimFault::on('G', 1, SimFault::Kind(kind), ms));
        s.exchange(infoRequest(), 0, 0);
        const QList<QByteArray> got = s.arrivals(200);
        QCOMPARE(sizes(got), arrivalSizes);
        if (got.isEmpty()) return;
        const QByteArray first = got.first() + got.value(1);
        QCOMPARE(first[0], letter);
        if (letter == 'G') QCOMPARE(le32(first, 20) == crc(first.left(20)), crcGood);
        // The fault was for the first request only.
        const QByteArray next = s.exchange(infoRequest());
        QCOMPARE(next.size(), 64);
        QCOMPARE(le32(next, 20), crc(next.left(20)));
    }

    // A split cuts every reply, each progress report of the flash CRC check too; a second split
    // cuts the rests again: three pieces.
    void splitCutsEveryReplyAndTwiceMakesThreePieces() {
        SimConfig config;
        config.crcProgressStep = 1024;
        SimSession s(config);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        // Pieces far enough apart that a host slow to read still reads them one by one.
        constexpr int GapMs = 300;
        s.sim.addFault(SimFault::on('G', 1, SimFault::Split, GapMs, 5));
        s.sim.addFault(SimFault::on('G', 1, SimFault::Split, GapMs, 12));
        s.exchange(infoRequest(), 0, 0);
        const QList<QByteArray> pieces = s.arrivals(60000, 3);
        QCOMPARE(sizes(pieces), (QList<int>{5, 12, 47}));
        const QByteArray info = pieces.value(0) + pieces.value(1) + pieces.value(2);
        QCOMPARE(le32(info, 20), crc(info.left(20)));

        s.sim.addFault(SimFault::on('n', 1, SimFault::Split, 30, 2));
        QByteArray check = frame('n');
        put32(check, 5, 2048);
        s.exchange(check, 0, 0);
        const QList<QByteArray> replies = s.arrivals(60000, 4);
        QCOMPARE(sizes(replies), (QList<int>{2, 62, 2, 62}));
        QCOMPARE(replies.value(0).toHex(), QByteArray("7e30"));
        QCOMPARE(replies.value(2).at(0), char(0x7E));
    }

    void occurrenceAndEvery() {
        SimSession s;
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.sim.addFault(SimFault::on('G', 2, SimFault::Silence));
        s.sim.addFault(SimFault::on('K', 0, SimFault::WrongLetter, -1, 'X'));
        QCOMPARE(s.exchange(infoRequest()).size(), 64);
        QCOMPARE(s.exchange(infoRequest(), 64, 200).size(), 0);
        QCOMPARE(s.exchange(infoRequest()).size(), 64);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(s.exchange(handshake('0', 0x1971031B))[0], 'X');
    }

    // A delayed reply turns up after the next command's: the stale-reply case.
    void delayedReplyArrivesLate() {
        SimSession s;
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.sim.addFault(SimFault::on('G', 1, SimFault::Delay, 300));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(s.exchange(infoRequest(), 64, 100).isEmpty());
        QCOMPARE(s.exchange(handshake('0', 0x1971031B))[0], 'K');
        const QByteArray stale = s.collect(64, 1000);
        QCOMPARE(stale[0], 'G');
        QVERIFY(clock.elapsed() >= 290);
    }

    void statusAndBurst() {
        SimSession s;
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.sim.addFault(SimFault::on('H', 1, SimFault::BadStatus, -1, 7));
        s.sim.addFault(SimFault::on('G', 1, SimFault::Burst));
        QByteArray record(24, char(0xFF));
        put32(record, 0, 0xFFFFFFF1);
        put32(record, 20, crc(record.left(20)));
        QByteArray h = frame('H');
        h[1] = '0';
        put32(h, 2, 0x7E00);
        put16(h, 6, 24);
        h.replace(8, 24, record);
        put32(h, 32, crc(h.left(32)));
        const QByteArray reply = s.exchange(h);
        QCOMPARE(reply[0], 'H');
        QCOMPARE(int(reply[1]), 7);

        // More than the host's reply buffer in one go: the link drops it and says so.
        QSignalSpy dropped(&s.link, &SerialLink::arrivalDropped);
        const QByteArray kept = s.exchange(infoRequest(), 600, 300);
        int total = kept.size();
        for (const QList<QVariant> &args : dropped)
            total += args.at(0).toInt();
        QCOMPARE(total, 600);
        QVERIFY(dropped.count() >= 1);
    }

    void flashCrcTwoRepliesInOneWrite() {
        SimSession s;
        QVERIFY2(s.ok(), qPrintable(s.error()));
        s.sim.addFault(SimFault::on('n', 1, SimFault::TwoReplies));
        QByteArray n = frame('n');
        put32(n, 5, 100);
        s.exchange(n, 0, 0);
        const QList<QByteArray> got = s.arrivals(200);
        QCOMPARE(sizes(got), QList<int>{128});
        QCOMPARE(got[0][1], '0');
        QCOMPARE(uint8_t(got[0][64]), uint8_t(0x7E));
        QVERIFY(got[0][65] != '0');
        QCOMPARE(le32(got[0], 66), crc(QByteArray(100, char(0xFF))));
    }

    void vanishesAndReturns() {
        QTemporaryDir dir;
        SimConfig c;
        c.linkPath = dir.filePath(QStringLiteral("chip"));
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        QCOMPARE(QFileInfo(c.linkPath).symLinkTarget(), s.sim.portPath());
        s.sim.addFault(SimFault::on('G', 1, SimFault::Vanish, 150));
        QSignalSpy lost(&s.link, &SerialLink::deviceLost);
        QVERIFY(s.exchange(infoRequest(), 64, 100).isEmpty());
        // Counted, not looked at: a busy machine may look only after the short absence.
        QTRY_COMPARE_WITH_TIMEOUT(s.sim.appearances(), 2, 30000);
        QVERIFY(lost.count() == 1 || lost.wait(30000)); // the host sees an unplugged device
        QVERIFY(s.reopen());
        QCOMPARE(QFileInfo(c.linkPath).symLinkTarget(), s.sim.portPath());
        QCOMPARE(s.exchange(infoRequest())[0], 'G');
    }

    // A run command restarts the chip when so configured; the address is recorded either way.
    void runRestartsTheChip() {
        SimConfig c;
        SimConfig::forModel(QStringLiteral("KQ580"), &c);
        c.restartOnRun = true;
        c.restartDelayMs = 100;
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        QByteArray wrongPlace = frame('O');
        put32(wrongPlace, 1, 0x400);
        QByteArray run = frame('O');
        put32(run, 4, 0x400);
        s.exchange(wrongPlace + run, 0, 0);
        // The restart is counted, not looked at: it may be over before anyone looks.
        QTRY_COMPARE_WITH_TIMEOUT(s.sim.appearances(), 2, 30000);
        QVERIFY(s.sim.waitForPresence(true, 30000));
        const QVector<SimFrame> got = s.sim.received();
        QCOMPARE(got.size(), 2);
        QVERIFY(!got[0].accepted);
        QVERIFY(got[1].accepted);
        QCOMPARE(got[1].field("address"), 0x400u);
    }
};

QTEST_GUILESS_MAIN(SimFaultsTest)
#include "test_sim_faults.moc"
