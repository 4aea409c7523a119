// Every stop is a safe stop: Ctrl-C, SIGTERM (timeout, a service manager) and SIGHUP (a closed
// terminal) stop tessara-cli alike at every moment of a run -- an MCU write completes, no new
// phase starts, every board's record is written and the summary printed, and the status is
// 128 + the signal -- and a second signal outside an MCU write ends it at once, once the
// records of the boards that have ended are written and those still running are recorded as
// interrupted.
#include "support/bench_rig.h"
#include "support/cli_process.h"

#include <QRegularExpression>
#include <QtTest>
#include <csignal>

namespace {

int framesNamed(const SimDevice &sim, const QStringList &names) {
    int n = 0;
    for (const SimFrame &f : sim.received())
        n += names.contains(f.name);
    return n;
}

QString lastLine(const QString &text) {
    return text.trimmed().section(QLatin1Char('\n'), -1);
}

const QStringList flashCommands{"m", "o", "h", "j", "k", "l", "n"};

} // namespace

class CliSignalsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyStopIsSafe_data();
    void everyStopIsSafe();
};

void CliSignalsTest::everyStopIsSafe_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("moment");
    const struct {
        int number;
        const char *name;
    } signals_[] = {{SIGINT, "Ctrl-C"}, {SIGTERM, "SIGTERM"}, {SIGHUP, "SIGHUP"}};
    for (const auto &s : signals_)
        for (const char *moment :
             {"MCU write, twice", "flash write, two boards", "twice while a board waits, one ended",
              "twice while a single board waits"})
            QTest::addRow("%s, %s", s.name, moment) << s.number << QString(moment);
}

void CliSignalsTest::everyStopIsSafe() {
    QFETCH(int, signal);
    QFETCH(QString, moment);
    BenchRig bench;
    CliRunOptions options;
    options.signal = signal;
    QStringList arguments{"--report", bench.reportPath()};

    if (moment.startsWith("MCU write")) {
        QVERIFY(bench.plug(0, [](SimConfig &c) { c.mcuEraseMs = 300; }));
        // During the erase; the second signal must not end the program midway either.
        options.interruptWhen = [&] { return framesNamed(bench.board(0), {"L"}) > 0; };
        options.interrupts = 2;
        arguments += {"--port", bench.link(0), "update-all", bench.mcuPath, bench.flashPath};
    } else if (moment.startsWith("flash write")) {
        for (int i : {0, 1})
            QVERIFY(bench.plug(i, [](SimConfig &c) { c.pageProgramUs = 5000; }));
        options.interruptWhen = [&] {
            return framesNamed(bench.board(0), {"j"}) > 0 && framesNamed(bench.board(1), {"j"}) > 0;
        };
        arguments +=
            {"--port", bench.link(0), "--port", bench.link(1), "update-flash", bench.flashPath};
    } else if (moment.contains("single")) {
        QVERIFY(bench.plug(0));
        bench.board(0).addFault(SimFault::on('m', 0, SimFault::Silence));
        options.interruptWhen = [&] { return framesNamed(bench.board(0), {"m"}) > 0; };
        options.interrupts = 2;
        arguments += {"--port", bench.link(0), "flash-info"};
    } else {
        // Board 1 waits seconds for a flash ID that never comes, a wait that a stop does not
        // cut short; board 0 has ended by then and its record is owed.
        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(1));
        bench.board(1).addFault(SimFault::on('m', 0, SimFault::Silence));
        options.interruptWhen = [&] {
            return bench.reportLines() == 1 && framesNamed(bench.board(1), {"m"}) > 0;
        };
        options.interrupts = 2;
        arguments += {"--port", bench.link(0), "--port", bench.link(1), "flash-info"};
    }
    const CliRun run = Run_Cli(arguments, bench.dir.path(), options);
    QCOMPARE(run.status, 128 + signal);
    QVERIFY(run.msAfterSignal >= 0);
    const QList<QJsonObject> records = bench.report();

    if (moment.startsWith("MCU write")) {
        QVERIFY2(run.err.contains("tessara-cli: stopping once the MCU update is complete; "
                                  "interrupting it would leave the chip without firmware\n"),
                 qPrintable(run.err));
        QCOMPARE(lastLine(run.err), QString("tessara-cli: interrupted"));
        QVERIFY(run.out.contains("Update MCU is OK!!!!!!"));
        QCOMPARE(bench.board(0).mcuFlash().mid(0x2000, bench.mcu.size()), bench.mcu);
        QCOMPARE(framesNamed(bench.board(0), flashCommands), 0);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0]["result"].toString(), QString("interrupted"));
    } else if (moment.startsWith("flash write")) {
        QVERIFY(!run.err.contains("stopping once"));
        // The summary: both boards, interrupted; and both records.
        for (int i : {0, 1})
            QVERIFY2(run.out.contains(QRegularExpression(QRegularExpression::escape(bench.link(i)) +
                                                         "\\s.*\\sinterrupted\\s")),
                     qPrintable(run.out));
        QCOMPARE(records.size(), 2);
        for (const QJsonObject &r : records)
            QCOMPARE(r["result"].toString(), QString("interrupted"));
    } else if (moment.contains("single")) {
        // At once: the flash ID's wait of seconds did not run out ("Time over!").
        QVERIFY2(!run.err.contains("Time over!") && !run.out.contains("Time over!"),
                 qPrintable(run.err));
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0]["result"].toString(), QString("interrupted"));
    } else {
        // At once, not after the flash ID's wait of seconds ("Time over!").
        QVERIFY2(!run.err.contains("Time over!") && !run.out.contains("Time over!"),
                 qPrintable(run.err));
        QCOMPARE(lastLine(run.err), QString("tessara-cli: ending at once: boards still running "
                                            "are recorded as interrupted"));
        // The board that ended, then the one still waiting: never lost, never twice.
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[0]["port"].toString(), bench.link(0));
        QCOMPARE(records[0]["result"].toString(), QString("ok"));
        QCOMPARE(records[1]["port"].toString(), bench.link(1));
        QCOMPARE(records[1]["result"].toString(), QString("interrupted"));
    }
}

QTEST_GUILESS_MAIN(CliSignalsTest)
#include "test_cli_signals.moc"
