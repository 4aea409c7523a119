// tessara-cli ports --probe: the chip on every chip port of the serial-port map, identified at
// once on simulated boards, a silent one among them, within the probe's one deadline; ports that
// are no chip's are left alone.
#include "protocol/chip_table.h"
#include "support/bench_rig.h"
#include "support/cli_process.h"
#include "support/model_codes.h"

#include <QtTest>

class CliPortsTest : public QObject {
    Q_OBJECT

  private slots:
    void probeIdentifiesEveryChipPortAtOnce() {
        BenchRig bench;
        QVERIFY(bench.plug(0)); // a KQ31B, boot version 0x1a
        QVERIFY(bench.plug(1));
        bench.board(1).addFault(SimFault::on('K', 0, SimFault::Silence));
        QVERIFY(bench.plug(2, [](SimConfig &c) {
            c.modelCode = Model::KQ47; // the last model the probe proposes
            c.bootVersion = 0x2b;
        }));
        // Answers every proposal, but with a proof no known chip gives.
        QVERIFY(bench.plug(3, [](SimConfig &c) { c.proofTag = "ABCD"; }));
        // A simulated chip behind a port that is no chip's: never written to.
        QVERIFY(bench.plug(5));
        // Board 4 is not plugged in.
        const QString map = bench.map(5) + QStringLiteral(";\\Device\\VCP0=") + bench.link(5);

        const CliRun run = Run_Cli({"ports", "--probe"}, bench.dir.path(), map);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        // A chip port's row: kernel name, port, and what the probe found.
        const auto row = [&](int i, const QString &note) {
            return QStringLiteral("  \\Device\\USBSER%1        %2 %3")
                .arg(i, 3, 10, QLatin1Char('0'))
                .arg(bench.link(i).leftJustified(16), note);
        };
        const QStringList expected{
            "  \\Device\\Serial0          /dev/null",
            "*" + row(0, "model=KQ31B boot=0x1a").mid(1),
            row(1, "model=? (no answer within 0.9 s)"),
            row(2, "model=KQ47 boot=0x2b"),
            row(3, "model=unknown (no known chip answered)"),
            row(4, "model=? (cannot open " + bench.link(4) + ": no such device)"),
            "  \\Device\\VCP0             " + bench.link(5),
        };
        // One deadline for all: the boards after the silent one answered within it, so they were
        // not waited for after it.
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts), expected);
        QCOMPARE(bench.board(0).receivedCount(), 2); // KQ31A, then KQ31B
        QCOMPARE(bench.board(1).receivedCount(), 1);
        QCOMPARE(bench.board(2).receivedCount(), 8);
        QCOMPARE(bench.board(5).receivedCount(), 0);

        // Without --probe, nothing is sent anywhere.
        const CliRun plain = Run_Cli({"ports"}, bench.dir.path(), map);
        QCOMPARE(plain.status, 0);
        QVERIFY2(!plain.out.contains("model="), qPrintable(plain.out));
        QCOMPARE(bench.board(0).receivedCount(), 2);
    }
};

QTEST_GUILESS_MAIN(CliPortsTest)
#include "test_cli_ports.moc"
