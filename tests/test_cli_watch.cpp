// tessara-cli --watch: boards plugged in and pulled out while it runs get the command once per
// arrival, each result printed and recorded; Ctrl-C ends the watch with the session's summary.
#include "support/bench_rig.h"
#include "support/cli_process.h"

#include <QtTest>

namespace {

// The results the report holds for `port`, in order.
QStringList resultsOf(const BenchRig &bench, const QString &port) {
    QStringList results;
    for (const QJsonObject &r : bench.report())
        if (r["port"].toString() == port) results.append(r["result"].toString());
    return results;
}

bool lastFrameIs(SimDevice &sim, const char *name) {
    const QVector<SimFrame> frames = sim.received();
    return !frames.isEmpty() && frames.last().name == QLatin1String(name);
}

} // namespace

class CliWatchTest : public QObject {
    Q_OBJECT

  private slots:
    void boardsComeAndGo() {
        BenchRig bench;
        CliProcess cli({"--watch", "--all", "--report", bench.reportPath(), "update-all",
                        bench.mcuPath, bench.flashPath},
                       bench.dir.path(), bench.map(3));

        // Board 0 is pulled out in the middle of its MCU update and comes back a second later:
        // a failure, then a new update. Board 1 is updated once, however long it stays.
        QVERIFY(bench.plug(0));
        bench.board(0).addFault(SimFault::on('J', 2, SimFault::Vanish, 1200));
        QVERIFY(bench.plug(1));
        QTRY_COMPARE_WITH_TIMEOUT(resultsOf(bench, bench.link(0)), (QStringList{"fail", "ok"}),
                                  20000);
        QCOMPARE(resultsOf(bench, bench.link(1)), QStringList{"ok"});
        QCOMPARE(bench.board(1).externalFlash(0, bench.flash.size()), bench.flash);

        // Unplugged and plugged in again: updated again.
        bench.board(1).vanish(1200);
        QTRY_COMPARE_WITH_TIMEOUT(resultsOf(bench, bench.link(1)), (QStringList{"ok", "ok"}),
                                  20000);
        QCOMPARE(resultsOf(bench, bench.link(0)), (QStringList{"fail", "ok"}));

        // Ctrl-C while board 2 is in its flash check: it stops, and so does the watch.
        QVERIFY(bench.plug(2, [](SimConfig &c) {
            c.crcProgressStep = 16 * 1024;
            c.crcProgressIntervalMs = 1000;
        }));
        QTRY_VERIFY_WITH_TIMEOUT(lastFrameIs(bench.board(2), "n"), 20000);
        cli.interrupt();
        const CliRun run = cli.finish(20000);
        QCOMPARE(run.status, 130);
        QCOMPARE(resultsOf(bench, bench.link(2)), QStringList{"interrupted"});
        QVERIFY2(run.out.contains(bench.link(0) + ": update-all failed after "),
                 qPrintable(run.out));
        QVERIFY(run.out.contains(bench.link(1) + ": update-all ok in "));
        QVERIFY2(run.out.endsWith("watch: 5 runs on 3 ports: 3 ok, 1 failed, 1 interrupted\n"),
                 qPrintable(run.out.right(300)));
    }

    // One named port: plug, update, unplug, next. A board already there when the watch starts
    // is the first.
    void onePort() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        CliProcess cli(
            {"--watch", "--port", bench.link(0), "--report", bench.reportPath(), "probe"},
            bench.dir.path());
        QTRY_COMPARE_WITH_TIMEOUT(bench.reportLines(), 1, 10000);
        bench.board(0).vanish(1000);
        QTRY_COMPARE_WITH_TIMEOUT(bench.reportLines(), 2, 10000);
        cli.interrupt();
        const CliRun run = cli.finish(10000);
        QCOMPARE(run.status, 0);
        QCOMPARE(resultsOf(bench, bench.link(0)), (QStringList{"ok", "ok"}));
        QVERIFY2(run.out.endsWith("watch: 2 runs on 1 port: 2 ok, 0 failed\n"),
                 qPrintable(run.out));
    }

    // A board swapped in 50 ms, well within a look's half second, is a new arrival each time.
    void quickSwapsAreSeen() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        CliProcess cli(
            {"--watch", "--port", bench.link(0), "--report", bench.reportPath(), "probe"},
            bench.dir.path());
        constexpr int Swaps = 5;
        for (int swap = 1; swap <= Swaps; ++swap) {
            QTRY_COMPARE_WITH_TIMEOUT(bench.reportLines(), swap, 10000);
            bench.board(0).vanish(50);
            QTRY_COMPARE_WITH_TIMEOUT(bench.board(0).appearances(), swap + 1, 5000);
        }
        QTRY_COMPARE_WITH_TIMEOUT(bench.reportLines(), Swaps + 1, 10000);
        cli.interrupt();
        const CliRun run = cli.finish(10000);
        QCOMPARE(run.status, 0);
        QCOMPARE(resultsOf(bench, bench.link(0)).join(" "),
                 QStringList(QVector<QString>(Swaps + 1, "ok").toList()).join(" "));
    }

    // A second Ctrl-C ends the watch at once: the board that ended keeps its one record, the one
    // still waiting on a reply gets its own, interrupted.
    void secondInterruptKeepsEveryRecordOnce() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(1));
        bench.board(1).addFault(SimFault::on('m', 0, SimFault::Silence));
        CliProcess cli({"--watch", "--all", "--report", bench.reportPath(), "flash-info"},
                       bench.dir.path(), bench.map(2));
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 1 && lastFrameIs(bench.board(1), "m"),
                                 10000);
        cli.interrupt();
        cli.interrupt();
        const CliRun run = cli.finish(10000);
        QCOMPARE(run.status, 130);
        QCOMPARE(resultsOf(bench, bench.link(0)), QStringList{"ok"});
        QCOMPARE(resultsOf(bench, bench.link(1)), QStringList{"interrupted"});
    }

    // A report that takes no record: the boards running finish, no new one starts, and the
    // watch ends on its own with status 1, saying why.
    void unwritableReportEndsTheWatch() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(1));
        CliProcess cli({"--watch", "--all", "--report", "/dev/full", "probe"}, bench.dir.path(),
                       bench.map(3));
        const CliRun run = cli.finish(20000);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains("watch: the report cannot be written (no space left on "
                                  "device): no new board is started\n"),
                 qPrintable(run.out));
        // Both boards started at once, and both ended: the second is not cut off.
        QVERIFY(run.out.contains(bench.link(0) + ": probe ok in "));
        QVERIFY(run.out.contains(bench.link(1) + ": probe ok in "));
        QVERIFY2(run.err.endsWith("2 records lost: the report \"/dev/full\" could not be "
                                  "written (no space left on device)\n"),
                 qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(CliWatchTest)
#include "test_cli_watch.moc"
