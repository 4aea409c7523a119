// The simulator's power cut in time: it comes as far into a command's time as into its work, so
// that what the chip sent before it (the flash CRC's progress reports) arrives and nothing after;
// the RAM is lost with the power, the chip comes back under its link. (What the memories keep
// is shown by update-all runs in test_cli_power_cut.)
#include "sim/sim_options.h"
#include "support/sim_session.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace simwire;

class SimPowerCutTest : public QObject {
    Q_OBJECT

  private slots:
    void optionSyntax_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed"); // letter, occurrence, percent, back; "" refused
        QTest::newRow("defaults") << "l:10"
                                  << "l 10 50 500";
        QTest::newRow("all given") << "J:2:0:150"
                                   << "J 2 0 150";
        QTest::newRow("never back") << "H:1:100:never"
                                    << "H 1 100 -1";
        QTest::newRow("hexadecimal occurrence") << "n:0x10:99"
                                                << "n 16 99 500";
        QTest::newRow("no such command") << "x:1"
                                         << "";
        QTest::newRow("occurrence 0") << "L:0"
                                      << "";
        QTest::newRow("every") << "L:every"
                               << "";
        QTest::newRow("over 100 percent") << "L:1:101"
                                          << "";
        QTest::newRow("back after a word") << "L:1:5:soon"
                                           << "";
        QTest::newRow("too many parts") << "L:1:5:5:5"
                                        << "";
    }
    void optionSyntax() {
        QFETCH(QString, text);
        QFETCH(QString, parsed);
        SimPowerCut cut;
        QString error;
        const bool ok = parsePowerCut(text, &cut, &error);
        QCOMPARE(ok, !parsed.isEmpty());
        if (ok)
            QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                         .arg(QChar(cut.letter))
                         .arg(cut.occurrence)
                         .arg(cut.percent)
                         .arg(cut.backAfterMs),
                     parsed);
        else
            QVERIFY2(error.startsWith(QStringLiteral("power cut \"%1\": ").arg(text)),
                     qPrintable(error));
    }

    void cutHalfWayThroughTheFlashCrc() {
        QTemporaryDir dir;
        SimConfig c;
        c.linkPath = dir.filePath(QStringLiteral("chip"));
        c.crcProgressStep = 1024;
        c.crcProgressIntervalMs = 40; // reports at 40, 80 ... 280 ms, the result at 320 ms
        SimSession s(c);
        QVERIFY2(s.ok(), qPrintable(s.error()));
        QByteArray words = frame('I');
        words[1] = 1;
        put16(words, 2, 0x100);
        put32(words, 4, 0xDEADBEEF);
        s.exchange(words, 0, 0);
        QVERIFY(s.waitForFrames(1));
        QCOMPARE(le32(s.sim.wordMemory(), 0x100), 0xDEADBEEFu);

        s.sim.addPowerCut(SimPowerCut::at('n', 1, 50, 100)); // at 160 ms
        QByteArray check = frame('n');
        put32(check, 5, 8192);
        s.exchange(check, 0, 0);
        const QByteArray got = s.collect(64 * 8, 600); // the power fails at 160 ms
        QCOMPARE(got.size(), 3 * 64);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(uint8_t(got[64 * i]), uint8_t(0x7E));
            QCOMPARE(got[64 * i + 1], '0'); // progress, never the result
        }
        QTRY_COMPARE(s.sim.appearances(), 2); // back 100 ms later
        QCOMPARE(s.sim.powerCuts(), 1);
        QCOMPARE(QFileInfo(c.linkPath).symLinkTarget(), s.sim.portPath());
        QCOMPARE(s.sim.wordMemory(), QByteArray(0x10000, '\0'));
        QVERIFY(s.sim.received().last().note.contains(QStringLiteral("power cut at 50%")));

        // Back in its boot loader: the same check is answered whole.
        QVERIFY(s.reopen());
        s.exchange(check, 0, 0);
        const QByteArray answer = s.collect(64 * 8, 1000);
        QCOMPARE(answer.size(), 8 * 64);
        QCOMPARE(answer[7 * 64 + 1], '1');
        QCOMPARE(le32(answer, 7 * 64 + 2), crc(QByteArray(8192, char(0xFF))));
    }
};

QTEST_GUILESS_MAIN(SimPowerCutTest)
#include "test_sim_power_cut.moc"
