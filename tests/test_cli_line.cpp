// tessara-cli on a production line: --json events of every kind of run (one board, a gang, a
// watch) valid under the schema, each board's end carrying its report record; the line's hooks
// refusing a board before anything is written and hearing how each board ended; and the events
// on a real Mosquitto that goes away in the middle of a gang.
#include "support/bench_rig.h"
#include "support/cli_process.h"
#include "support/event_schema.h"
#include "support/mqtt_broker.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

// The events of a --json run, each checked to be one JSON object.
QList<QJsonObject> eventsOf(const QString &out) {
    QList<QJsonObject> events;
    for (const QString &line : out.split('\n', Qt::SkipEmptyParts)) {
        const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8());
        if (!doc.isObject()) {
            qWarning("not an event: %s", qPrintable(line));
            return {};
        }
        events.append(doc.object());
    }
    return events;
}

QList<QJsonObject> ofPort(const QList<QJsonObject> &events, const QString &port) {
    QList<QJsonObject> mine;
    for (const QJsonObject &e : events)
        if (e.value("port").toString() == port) mine.append(e);
    return mine;
}

// What every --json run must hold: valid events only, on stdout; for each board an arrival
// first and one end last whose record is the report's; progress at most one per 100 ms and phase
// but for a phase's 100 %; the summary last, with the exit status.
void checkRun(const CliRun &run, BenchRig &bench, const QStringList &ports) {
    const QString problems = Events_SchemaProblems(run.out.trimmed().toUtf8().split('\n'));
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
    const QList<QJsonObject> events = eventsOf(run.out);
    QVERIFY2(!events.isEmpty(), qPrintable(run.out + run.err));
    const QJsonObject summary = events.last();
    QCOMPARE(summary.value("event").toString(), QStringLiteral("summary"));
    QCOMPARE(summary.value("status").toInt(), run.status);
    QCOMPARE(summary.value("boards").toInt(), ports.size());

    const QList<QJsonObject> records = bench.report();
    QCOMPARE(records.size(), ports.size());
    for (const QString &port : ports) {
        const QList<QJsonObject> mine = ofPort(events, port);
        QVERIFY(mine.size() >= 3);
        QCOMPARE(mine.first().value("event").toString(), QStringLiteral("arrival"));
        QCOMPARE(mine.last().value("event").toString(), QStringLiteral("end"));
        const QJsonObject record = mine.last().value("record").toObject();
        bool inReport = false;
        for (const QJsonObject &r : records)
            inReport = inReport || r == record;
        QVERIFY2(inReport, qPrintable(QJsonDocument(record).toJson()));
        QCOMPARE(record.value("port").toString(), port);

        QDateTime told;
        QString phase;
        for (const QJsonObject &e : mine) {
            if (e.value("event").toString() != QLatin1String("progress")) continue;
            const QDateTime at =
                QDateTime::fromString(e.value("time").toString(), Qt::ISODateWithMs);
            const bool samePhase = e.value("phase").toString() == phase;
            // The stamps come from the wall clock, the thinning from a steady one: a few ms.
            if (samePhase && e.value("percent").toInt() != 100 && told.isValid())
                QVERIFY2(told.msecsTo(at) >= 95, qPrintable(e.value("time").toString()));
            told = at;
            phase = e.value("phase").toString();
        }
    }
}

// A hook: a shell script in the bench's folder.
QString script(BenchRig &bench, const QString &name, const QByteArray &body) {
    QFile file(bench.path(name));
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n" + body);
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return file.fileName();
}

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

} // namespace

class CliLineTest : public QObject {
    Q_OBJECT

  private slots:
    void jsonEvents_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<int>("boards");
        QTest::addColumn<int>("status");
        QTest::newRow("probe") << QStringList{"probe"} << 1 << 0;
        QTest::newRow("info") << QStringList{"info"} << 1 << 0;
        QTest::newRow("update-mcu") << QStringList{"update-mcu", "$mcu"} << 1 << 0;
        QTest::newRow("check-flash") << QStringList{"check-flash", "$flash"} << 1 << 1;
        // Three boards, the second refusing its erase.
        QTest::newRow("gang update-all") << QStringList{"update-all", "$mcu", "$flash"} << 3 << 1;
    }
    void jsonEvents() {
        QFETCH(QStringList, command);
        QFETCH(int, boards);
        QFETCH(int, status);
        BenchRig bench;
        QStringList arguments{"--json", "--report", bench.reportPath()};
        QStringList ports;
        for (int i = 0; i < boards; ++i) {
            QVERIFY(bench.plug(i));
            arguments << "--port" << bench.link(i);
            ports << bench.link(i);
        }
        if (boards > 1) bench.board(1).addFault(SimFault::on('L', 1, SimFault::WrongLetter));
        for (QString word : command)
            arguments << word.replace("$mcu", bench.mcuPath).replace("$flash", bench.flashPath);
        const CliRun run = Run_Cli(arguments, bench.dir.path());
        QCOMPARE(run.status, status);
        checkRun(run, bench, ports);
        const QJsonObject summary = eventsOf(run.out).last();
        QCOMPARE(summary.value("failed").toInt(), status == 0 ? 0 : 1);
        QCOMPARE(summary.value("ok").toInt(), status == 0 ? boards : boards - 1);
    }

    // A board named by a USB serial number that is not plugged in is a board of the run: its
    // end carries its record, and the summary counts what the report holds.
    void absentBoardHasItsEnd_data() {
        QTest::addColumn<int>("present");
        QTest::newRow("alone") << 0;
        QTest::newRow("beside a present one") << 1;
    }
    void absentBoardHasItsEnd() {
        QFETCH(int, present);
        BenchRig bench;
        QStringList arguments{"--json", "--report", bench.reportPath()};
        for (int i = 0; i < present; ++i) {
            QVERIFY(bench.plug(i));
            arguments << "--port" << bench.link(i);
        }
        const QString absent = QStringLiteral("serial:NO-SUCH-BOARD");
        arguments << "--port" << absent << "probe";
        const CliRun run = Run_Cli(arguments, bench.dir.path());
        QCOMPARE(run.status, 1);
        const QList<QJsonObject> events = eventsOf(run.out);
        QVERIFY2(!events.isEmpty(), qPrintable(run.err));
        const QString problems = Events_SchemaProblems(run.out.trimmed().toUtf8().split('\n'));
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        const QList<QJsonObject> records = bench.report();
        QCOMPARE(records.size(), present + 1);
        const QList<QJsonObject> mine = ofPort(events, absent);
        QCOMPARE(mine.size(), 1);
        QCOMPARE(mine.first().value("event").toString(), QStringLiteral("end"));
        QVERIFY(records.contains(mine.first().value("record").toObject()));
        const QJsonObject summary = events.last();
        QCOMPARE(summary.value("event").toString(), QStringLiteral("summary"));
        QCOMPARE(summary.value("boards").toInt(), present + 1);
        QCOMPARE(summary.value("ok").toInt(), present);
        QCOMPARE(summary.value("failed").toInt(), 1);
        QCOMPARE(summary.value("status").toInt(), 1);
    }

    // With --json a usage error ends with the summary too: status 2, the command when named.
    void usageErrorsEndWithASummary_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("command");
        QTest::newRow("bad option value") << QStringList{"--hook-timeout", "0", "probe"} << "probe";
        QTest::newRow("unknown option") << QStringList{"--no-such-option"} << "tessara-cli";
        QTest::newRow("password file missing")
            << QStringList{"--mqtt", "mqtt://127.0.0.1/x", "--mqtt-auth", "missing", "probe"}
            << "probe";
        QTest::newRow("image missing") << QStringList{"update-mcu", "missing.bin"} << "update-mcu";
    }
    void usageErrorsEndWithASummary() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, command);
        BenchRig bench;
        const CliRun run = Run_Cli(QStringList{"--json"} + arguments, bench.dir.path());
        QCOMPARE(run.status, 2);
        const QString problems = Events_SchemaProblems(run.out.trimmed().toUtf8().split('\n'));
        QVERIFY2(problems.isEmpty(), qPrintable(problems + run.out));
        const QList<QJsonObject> events = eventsOf(run.out);
        QCOMPARE(events.size(), 1);
        QCOMPARE(events.first().value("event").toString(), QStringLiteral("summary"));
        QCOMPARE(events.first().value("command").toString(), command);
        QCOMPARE(events.first().value("status").toInt(), 2);
    }

    // The port listing has no board: its lines are log events of no port.
    void jsonPorts() {
        BenchRig bench;
        const CliRun run = Run_Cli({"--json", "ports"}, bench.dir.path(), bench.map(2));
        QCOMPARE(run.status, 0);
        const QString problems = Events_SchemaProblems(run.out.trimmed().toUtf8().split('\n'));
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        const QList<QJsonObject> events = eventsOf(run.out);
        QVERIFY(events.size() >= 3);
        QVERIFY(events.first().value("port").isNull());
        QCOMPARE(events.last().value("event").toString(), QStringLiteral("summary"));
    }

    // A watch: a board plugged in is told from its arrival to its end, and Ctrl-C ends the watch
    // with its summary.
    void jsonWatch() {
        BenchRig bench;
        CliProcess cli({"--watch", "--json", "--all", "--report", bench.reportPath(), "update-mcu",
                        bench.mcuPath},
                       bench.dir.path(), bench.map(1));
        QVERIFY(bench.plug(0));
        QTRY_COMPARE_WITH_TIMEOUT(bench.reportLines(), 1, 20000);
        cli.interrupt();
        const CliRun run = cli.finish(20000);
        QCOMPARE(run.status, 0);
        checkRun(run, bench, {bench.link(0)});
        QCOMPARE(bench.report().first().value("result").toString(), QStringLiteral("ok"));
    }

    // Two boards of a gang: the line refuses the second before anything is written on it, with
    // its own words; the hook after each hears the record the report has, and its failure is
    // said but changes no verdict.
    void hooksApproveAndHear() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(1));
        const QByteArray untouched = bench.board(1).mcuFlash();
        const QString before = script(bench, "before.sh",
                                      "env | grep ^TESSARA_ | sort > env.$TESSARA_SLOT\n"
                                      "[ \"$TESSARA_SLOT\" = 2 ] || exit 0\n"
                                      "echo checking >&2\n"
                                      "echo \"no order for $TESSARA_MODEL\" >&2\n"
                                      "exit 3\n");
        const QString after =
            script(bench, "after.sh",
                   "cat > record.$TESSARA_SLOT\n"
                   "echo \"$TESSARA_RESULT|$TESSARA_REASON\" > result.$TESSARA_SLOT\n"
                   "echo upload failed >&2\n"
                   "exit 1\n");
        const CliRun run = Run_Cli({"--port", bench.link(0), "--port", bench.link(1), "--report",
                                    bench.reportPath(), "--before-board", before, "--after-board",
                                    after, "update-mcu", bench.mcuPath},
                                   bench.dir.path());
        QCOMPARE(run.status, 1);
        const QString refusal = QStringLiteral("refused by the line: no order for KQ31B");
        QCOMPARE(bench.board(1).mcuFlash(), untouched);
        QCOMPARE(bench.board(0).mcuFlash().mid(0x2000, bench.mcu.size()), bench.mcu);

        const QByteArray env = readAll(bench.path("env.2"));
        for (const QByteArray &variable :
             {"TESSARA_PORT=" + bench.link(1).toUtf8(), QByteArray("TESSARA_SLOT=2"),
              QByteArray("TESSARA_MODEL=KQ31B"), QByteArray("TESSARA_BOOT_VERSION=0x1a"),
              QByteArray("TESSARA_BUNDLE_SHA256="), QByteArray("TESSARA_USB_SERIAL=")})
            QVERIFY2(env.split('\n').contains(variable), env.constData());
        QVERIFY2(env.contains("TESSARA_VERSION=") && !env.contains("TESSARA_RESULT"),
                 env.constData());

        const QList<QJsonObject> records = bench.report();
        QCOMPARE(records.size(), 2);
        for (const QJsonObject &record : records) {
            const QString slot = record.value("port").toString() == bench.link(0) ? "1" : "2";
            QCOMPARE(QJsonDocument::fromJson(readAll(bench.path("record." + slot))).object(),
                     record);
            QCOMPARE(QString::fromUtf8(readAll(bench.path("result." + slot))).trimmed(),
                     slot == "1" ? QStringLiteral("ok|") : "fail|" + refusal);
            // The hook's failure changed no verdict.
            QCOMPARE(record.value("result").toString(),
                     slot == "1" ? QStringLiteral("ok") : QStringLiteral("fail"));
        }
        QVERIFY2(run.err.contains(bench.link(0) + ": after-board hook: " + after +
                                  " exited with status 1: upload failed"),
                 qPrintable(run.err));
        QVERIFY2(run.out.contains(refusal), qPrintable(run.out));
    }

    // A hook that does not answer refuses the board in the time given.
    void hookTimeout() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const QByteArray untouched = bench.board(0).mcuFlash();
        // A hook that outlives any test: had the run waited for it, Run_Cli would end it.
        const CliRun run = Run_Cli({"--port", bench.link(0), "--before-board", "sleep 3600",
                                    "--hook-timeout", "1", "update-mcu", bench.mcuPath},
                                   bench.dir.path());
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("refused by the line: sleep gave no answer within 1 s"),
                 qPrintable(run.err));
        QCOMPARE(bench.board(0).mcuFlash(), untouched);
    }

    // The broker goes away in the middle of a gang and comes back before it ends: every board's
    // end reaches the subscriber, whichever side of the gap it happened on, and no board fails.
    void mqttBrokerLostInGang() {
        MqttBroker broker;
        QVERIFY2(broker.start(), qPrintable(broker.error()));
        MqttSubscriber subscriber(broker.port(), "line1/#");
        QVERIFY(subscriber.connected());
        BenchRig bench;
        QStringList arguments{
            "--mqtt",    QStringLiteral("mqtt://127.0.0.1:%1/line1").arg(broker.port()),
            "--station", "bench-3",
            "--report",  bench.reportPath()};
        for (int i = 0; i < 3; ++i) {
            // The last board's flash check is slow: the gang outlasts the broker's absence. (Two
            // seconds, well within the check's own budget of five.)
            QVERIFY(bench.plug(i, [i](SimConfig &c) {
                if (i != 2) return;
                c.crcProgressStep = 16 * 1024;
                c.crcProgressIntervalMs = 400;
            }));
            arguments << "--port" << bench.link(i);
        }
        arguments << "update-all" << bench.mcuPath << bench.flashPath;
        CliProcess cli(arguments, bench.dir.path());
        const auto endTopic = [](const QString &port) {
            return "line1/bench-3/" + port.mid(1).replace('/', '_').toUtf8() + "/end";
        };

        const auto has = [](const QByteArray &topic, const QByteArray &payload = QByteArray()) {
            return [topic, payload](const std::vector<MqttReceived> &m) {
                for (const MqttReceived &r : m)
                    if (r.topic == topic && (payload.isNull() || r.payload == payload)) return true;
                return false;
            };
        };
        QVERIFY(subscriber.waitFor(has("line1/bench-3/state", "running")));
        broker.stop();
        // Two boards end while the broker is away.
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() >= 2, 30000);
        QVERIFY2(broker.start(), qPrintable(broker.error()));
        // What waited in the queue goes out while the last board still runs.
        QVERIFY(subscriber.waitFor([&](const std::vector<MqttReceived> &m) {
            int ends = 0;
            for (int i = 0; i < 3; ++i)
                ends += has(endTopic(bench.link(i)))(m) ? 1 : 0;
            return ends >= 2;
        }));
        const CliRun run = cli.finish(60000);
        QVERIFY2(run.status == 0, qPrintable(run.out + run.err));
        QVERIFY(subscriber.waitFor([&](const std::vector<MqttReceived> &m) {
            for (int i = 0; i < 3; ++i)
                if (!has(endTopic(bench.link(i)))(m)) return false;
            return has("line1/bench-3/summary")(m);
        }));
        QByteArrayList ends;
        for (const MqttReceived &r : subscriber.received())
            if (r.topic.endsWith("/end")) ends.append(r.payload);
        const QString problems = Events_SchemaProblems(ends);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QVERIFY2(run.err.contains("lost the connection"), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(CliLineTest)
#include "test_cli_line.moc"
