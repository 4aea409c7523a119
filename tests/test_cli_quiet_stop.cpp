// --quiet hides the log, never the stop: a stopped run says so in one line on stderr, as the last
// one, and ends with the status of the signal, as without --quiet -- one board, several, a watch,
// a board held in its before-board hook.
#include "support/bench_rig.h"
#include "support/cli_process.h"

#include <QtTest>
#include <csignal>

namespace {

QString lastLine(const QString &text) {
    return text.trimmed().section(QLatin1Char('\n'), -1);
}

} // namespace

class CliQuietStopTest : public QObject {
    Q_OBJECT

  private slots:
    void stopIsSaid_data() {
        QTest::addColumn<QString>("run");
        QTest::addColumn<bool>("quiet");
        for (const char *run : {"one board", "two boards", "watch", "before-board hook"})
            for (const bool quiet : {true, false})
                QTest::addRow("%s%s", run, quiet ? ", quiet" : "") << QString(run) << quiet;
    }
    void stopIsSaid() {
        QFETCH(QString, run);
        QFETCH(bool, quiet);
        BenchRig bench;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(bench.dir.path()));
        const int boards = run == "two boards" ? 2 : 1;
        for (int i = 0; i < boards; ++i)
            QVERIFY(bench.plug(i, [](SimConfig &c) { c.flashEraseMs = 3000; }));
        QStringList arguments;
        if (quiet) arguments << "--quiet";
        CliRunOptions options;
        options.signal = SIGTERM;
        options.interruptWhen = [&] { return bench.framesReceived(0, "h") > 0; };
        if (run == "watch") {
            options.serialComm = bench.map(1);
            arguments << "--watch";
        } else {
            for (int i = 0; i < boards; ++i)
                arguments << "--port" << bench.link(i);
        }
        if (run == "before-board hook") {
            const QString started = bench.path("hook-started");
            arguments << "--before-board"
                      << QStringLiteral("sh -c 'touch %1; sleep 20'").arg(started);
            options.interruptWhen = [started] { return QFile::exists(started); };
        }
        arguments << "--report" << bench.reportPath() << "--erase-whole"
                  << "update-flash" << bench.flashPath;

        const CliRun stopped = Run_Cli(arguments, bench.dir.path(), options);

        QCOMPARE(stopped.status, 128 + SIGTERM);
        QCOMPARE(lastLine(stopped.err), QString("tessara-cli: interrupted"));
        QCOMPARE(stopped.out.contains("Start to erase flash"),
                 !quiet && run != "before-board hook");
        for (const QJsonObject &record : bench.report())
            QCOMPARE(record["result"].toString(), QString("interrupted"));
        QCOMPARE(bench.report().size(), boards);
    }
};

QTEST_GUILESS_MAIN(CliQuietStopTest)
#include "test_cli_quiet_stop.moc"
