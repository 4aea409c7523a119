// A stop is a stop wherever it lands on the line's side of a run: a stop while the hook before a
// board waits ends the hook with everything it started (a grandchild that left the session
// included), and nothing is erased or written on the board, whose record says it was
// interrupted; a second stop while the hook after a board runs ends it all the same.
#include "support/bench_rig.h"
#include "support/cli_process.h"
#include "support/process_files.h"

#include <QFile>
#include <QtTest>
#include <csignal>

namespace {

// A hook that starts a grandchild in a session of its own, says both process IDs (the
// grandchild's file last, once both are written) and then does not answer.
QString stubbornHook(BenchRig &bench) {
    const QString path = bench.path("stubborn.sh");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return QString();
    file.write("#!/bin/sh\n"
               "echo $$ > hook.$TESSARA_SLOT\n"
               "(setsid sleep 60 & echo $! > tmp.$TESSARA_SLOT; "
               "mv tmp.$TESSARA_SLOT grandchild.$TESSARA_SLOT)\n"
               "sleep 60\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}

} // namespace

class CliLineStopsTest : public QObject {
    Q_OBJECT

  private slots:
    void stopInAHook_data() {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<int>("boards");
        QTest::addColumn<int>("stops");
        QTest::newRow("before-board, one board") << "before-board" << 1 << 1;
        QTest::newRow("before-board, gang of two") << "before-board" << 2 << 1;
        QTest::newRow("before-board, flash update") << "before-board flash" << 1 << 1;
        QTest::newRow("after-board, second signal") << "after-board" << 1 << 2;
    }
    void stopInAHook() {
        QFETCH(QString, moment);
        QFETCH(int, boards);
        QFETCH(int, stops);
        BenchRig bench;
        QStringList arguments{"--report", bench.reportPath()};
        QList<QByteArray> mcuBefore, flashBefore;
        for (int i = 0; i < boards; ++i) {
            QVERIFY(bench.plug(i));
            arguments += {"--port", bench.link(i)};
            mcuBefore.append(bench.board(i).mcuFlash());
            flashBefore.append(bench.board(i).externalFlash());
        }
        const QString hook = stubbornHook(bench);
        QVERIFY(!hook.isEmpty());
        const bool before = moment.startsWith("before-board");
        arguments += QStringList{before ? "--before-board" : "--after-board", hook};
        if (!before)
            arguments += QStringLiteral("probe");
        else if (moment.endsWith("flash"))
            arguments += {"update-flash", bench.flashPath};
        else
            arguments += {"update-all", bench.mcuPath, bench.flashPath};

        CliRunOptions options;
        options.signal = SIGTERM;
        options.interrupts = stops;
        options.interruptWhen = [&] {
            for (int slot = 1; slot <= boards; ++slot)
                if (!QFile::exists(bench.path(QStringLiteral("grandchild.%1").arg(slot))))
                    return false;
            return true;
        };
        const CliRun run = Run_Cli(arguments, bench.dir.path(), options);
        QVERIFY2(run.status == 128 + SIGTERM, qPrintable(run.err));

        for (int slot = 1; slot <= boards; ++slot)
            for (const char *name : {"hook", "grandchild"}) {
                const qint64 pid =
                    Read_TextFile(bench.path(QStringLiteral("%1.%2").arg(name).arg(slot)))
                        .trimmed()
                        .toLongLong();
                QVERIFY(pid > 0);
                QTRY_VERIFY2_WITH_TIMEOUT(Process_Gone(pid), name, 10000);
            }
        const QList<QJsonObject> records = bench.report();
        QCOMPARE(records.size(), boards);
        for (const QJsonObject &record : records)
            QCOMPARE(record["result"].toString(), before ? QString("interrupted") : QString("ok"));
        if (!before) return;
        for (int i = 0; i < boards; ++i) {
            QCOMPARE(Frames_Named(bench.board(i), {"L", "J", "o", "h", "j", "k", "l"}), 0);
            QCOMPARE(bench.board(i).mcuFlash(), mcuBefore[i]);
            QCOMPARE(bench.board(i).externalFlash(), flashBefore[i]);
        }
    }

    // A hook that cannot be run is said at start-up, before any port is touched.
    void hookProgramMissing() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const CliRun run = Run_Cli({"--port", bench.link(0), "--before-board", "./missing.sh",
                                    "update-mcu", bench.mcuPath},
                                   bench.dir.path());
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("\"./missing.sh\" is not there"), qPrintable(run.err));
        QVERIFY(bench.board(0).received().isEmpty());
    }
};

QTEST_GUILESS_MAIN(CliLineStopsTest)
#include "test_cli_line_stops.moc"
