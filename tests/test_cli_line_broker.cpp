// No board's end is lost to the line, whenever the broker is away: a table of broker faults
// against a real Mosquitto that the test starts and stops on 127.0.0.1, each asserting which
// ends the subscriber received and what the operator was told. The boards' runs wait in a
// --before-board hook until the test lets them end, so each fault lands where it is meant to.
#include "support/bench_rig.h"
#include "support/cli_process.h"
#include "support/mqtt_broker.h"
#include "support/test_certificates.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <memory>

namespace {

// Holds each board in its --before-board hook until the file "go" exists.
QString heldHook(BenchRig &bench) {
    QFile file(bench.path("held.sh"));
    if (!file.open(QIODevice::WriteOnly)) return QString();
    file.write("#!/bin/sh\n"
               "touch started.$TESSARA_SLOT\n"
               "while [ ! -e go ]; do sleep 0.05; done\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return file.fileName();
}

void touch(const QString &path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

// The records carried by the ends the subscriber received, in order of arrival.
QList<QJsonObject> endRecords(const std::vector<MqttReceived> &messages) {
    QList<QJsonObject> records;
    for (const MqttReceived &m : messages)
        if (m.topic.endsWith("/end"))
            records.append(QJsonDocument::fromJson(m.payload).object().value("record").toObject());
    return records;
}

QList<QJsonObject> recordsIn(const QString &path) {
    QList<QJsonObject> records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return records;
    while (!file.atEnd())
        records.append(QJsonDocument::fromJson(file.readLine()).object());
    return records;
}

bool writeFile(const QString &path, const QByteArray &text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

bool allOf(const QList<QJsonObject> &wanted, const QList<QJsonObject> &received) {
    for (const QJsonObject &record : wanted)
        if (!received.contains(record)) return false;
    return true;
}

} // namespace

class CliLineBrokerTest : public QObject {
    Q_OBJECT

  private slots:
    void everyEndReachesTheBroker_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("down at start, up before the boards end") << "down at start";
        QTest::newRow("away as the boards end, back within the drain") << "back before the drain";
        QTest::newRow("away through the drain, the next run delivers") << "next run";
    }
    void everyEndReachesTheBroker() {
        QFETCH(QString, fault);
        MqttBroker broker;
        BenchRig bench;
        const QString hook = heldHook(bench);
        QVERIFY(!hook.isEmpty());
        QStringList arguments{
            "--mqtt",       QStringLiteral("mqtt://127.0.0.1:%1/line1").arg(broker.port()),
            "--station",    "st",
            "--report",     bench.reportPath(),
            "--mqtt-drain", fault == "next run" ? "1" : "30"};
        for (int i = 0; i < 2; ++i) {
            QVERIFY(bench.plug(i));
            arguments << "--port" << bench.link(i);
        }
        std::unique_ptr<MqttSubscriber> subscriber;
        const auto startBroker = [&] {
            if (!broker.start()) return false;
            if (!subscriber)
                subscriber = std::make_unique<MqttSubscriber>(broker.port(), "line1/#");
            return subscriber->connected();
        };
        if (fault != "down at start") QVERIFY2(startBroker(), qPrintable(broker.error()));

        CliProcess cli(arguments + QStringList{"--before-board", hook, "update-mcu", bench.mcuPath},
                       bench.dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bench.path("started.1")) &&
                                     QFile::exists(bench.path("started.2")),
                                 30000);
        if (fault == "down at start") {
            QVERIFY2(startBroker(), qPrintable(broker.error()));
        } else {
            broker.stop();
        }
        touch(bench.path("go"));
        if (fault == "back before the drain") {
            QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 2, 30000);
            QVERIFY2(startBroker(), qPrintable(broker.error()));
        }
        const CliRun run = cli.finish(60000);
        QCOMPARE(run.status, 0);
        const QList<QJsonObject> records = bench.report();
        QCOMPARE(records.size(), 2);

        if (fault == "next run") {
            QVERIFY2(
                run.err.contains("MQTT: 2 board ends not delivered to the broker at 127.0.0.1:" +
                                 QString::number(broker.port())),
                qPrintable(run.err));
            QVERIFY2(run.err.contains("the next run sends them first"), qPrintable(run.err));
            QVERIFY2(startBroker(), qPrintable(broker.error()));
            // The next run, of one board: the two owed ends go first, then its own.
            const CliRun next =
                Run_Cli(arguments.mid(0, 8) + QStringList{"--port", bench.link(0), "probe"},
                        bench.dir.path());
            QCOMPARE(next.status, 0);
            QVERIFY2(next.err.contains("MQTT: 2 board ends of earlier runs owed to the broker, "
                                       "sent first"),
                     qPrintable(next.err));
            QVERIFY(subscriber->waitFor(
                [](const std::vector<MqttReceived> &m) { return endRecords(m).size() >= 3; }));
            const QList<QJsonObject> received = endRecords(subscriber->received());
            const QList<QJsonObject> all = bench.report();
            QVERIFY(received[0] != received[1]);
            for (int i : {0, 1})
                QVERIFY(all.mid(0, 2).contains(received[i]));
            QCOMPARE(received.value(2), all.value(2));
            // Acknowledged: a third run owes nothing.
            const CliRun third =
                Run_Cli(arguments.mid(0, 8) + QStringList{"--port", bench.link(0), "probe"},
                        bench.dir.path());
            QCOMPARE(third.status, 0);
            QVERIFY2(!third.err.contains("owed"), qPrintable(third.err));
            return;
        }
        QVERIFY(subscriber->waitFor(
            [&](const std::vector<MqttReceived> &m) { return allOf(records, endRecords(m)); }));
        QVERIFY2(!run.err.contains("not delivered"), qPrintable(run.err));
        QVERIFY2(run.err.contains(fault == "down at start" ? "cannot reach the broker"
                                                           : "lost the connection"),
                 qPrintable(run.err));
    }

    // A station's report is dated: the ends the broker never acknowledged of yesterday's report
    // are sent by today's first run, before its own, once each; reports of other stations, of
    // runs that never published, and links are left alone.
    void endsOwedByAnEarlierReportGoFirst() {
        MqttBroker broker;
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const QStringList line{"--mqtt",
                               QStringLiteral("mqtt://127.0.0.1:%1/line1").arg(broker.port()),
                               "--station", "st"};
        const auto runOn = [&](const QString &report, const QString &drain) {
            return Run_Cli(line + QStringList{"--report", bench.path(report), "--mqtt-drain", drain,
                                              "--port", bench.link(0), "probe"},
                           bench.dir.path());
        };
        // Day 1, the broker down: two ends owed.
        for (int i = 0; i < 2; ++i) {
            const CliRun day1 = runOn("station-2026-12-10.jsonl", "0");
            QCOMPARE(day1.status, 0);
            QVERIFY2(day1.err.contains(i == 0 ? "MQTT: 1 board end not delivered"
                                              : "MQTT: 2 board ends not delivered"),
                     qPrintable(day1.err));
        }
        const QList<QJsonObject> owed = recordsIn(bench.path("station-2026-12-10.jsonl"));
        QCOMPARE(owed.size(), 2);
        // Beside it, what is not this station's to send: another station's report, a report
        // never published (no acknowledgements file), a link to a report.
        const QByteArray stranger = R"({"port":"/dev/x","result":"ok","station":"other"})"
                                    "\n";
        const QByteArray unpublished = R"({"port":"/dev/y","result":"ok","station":"st"})"
                                       "\n";
        QVERIFY(writeFile(bench.path("other-2026-12-10.jsonl"), stranger));
        QVERIFY(writeFile(bench.path("other-2026-12-10.jsonl.mqtt-acked"), "0\n"));
        QVERIFY(writeFile(bench.path("unpublished.jsonl"), unpublished));
        QVERIFY(QDir(bench.dir.path()).mkdir("kept"));
        QVERIFY(writeFile(bench.path("kept/elsewhere.jsonl"), unpublished));
        QVERIFY(QFile::link(bench.path("kept/elsewhere.jsonl"), bench.path("linked.jsonl")));
        QVERIFY(writeFile(bench.path("linked.jsonl.mqtt-acked"), "0\n"));

        QVERIFY2(broker.start(), qPrintable(broker.error()));
        MqttSubscriber subscriber(broker.port(), "line1/#");
        QVERIFY(subscriber.connected());
        // Day 2, the broker up: day 1's ends first, then its own.
        const CliRun day2 = runOn("station-2026-12-11.jsonl", "30");
        QCOMPARE(day2.status, 0);
        QVERIFY2(
            day2.err.contains("MQTT: 2 board ends owed to the broker by the earlier report \"" +
                              bench.path("station-2026-12-10.jsonl") + "\", sent first"),
            qPrintable(day2.err));
        QVERIFY2(!day2.err.contains("not delivered"), qPrintable(day2.err));
        // A later run sends nothing again: day 1's cursor moved on as its ends were acknowledged.
        const CliRun later = runOn("station-2026-12-11.jsonl", "30");
        QCOMPARE(later.status, 0);
        QVERIFY2(!later.err.contains("owed"), qPrintable(later.err));
        const QList<QJsonObject> own = recordsIn(bench.path("station-2026-12-11.jsonl"));
        QCOMPARE(own.size(), 2);
        QVERIFY(subscriber.waitFor(
            [](const std::vector<MqttReceived> &m) { return endRecords(m).size() >= 4; }));
        QCOMPARE(endRecords(subscriber.received()), owed + own);
    }

    // A short run over TLS, or plain: its end reaches the broker before the program ends,
    // though the run is over before the connection is made.
    void shortRunDelivers_data() {
        QTest::addColumn<bool>("tls");
        QTest::newRow("plain") << false;
        QTest::newRow("TLS") << true;
    }
    void shortRunDelivers() {
        QFETCH(bool, tls);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        MqttBroker broker;
        int subscriberPort = broker.port();
        if (tls) {
            QVERIFY(Make_TestCertificates(bench.dir.path()));
            while (subscriberPort == broker.port())
                subscriberPort = MqttBroker::FreePort();
            qputenv("SSL_CERT_FILE", bench.path("ca.crt").toUtf8());
        }
        QVERIFY2(
            broker.start(tls ? Tls_BrokerConfig(bench.dir.path(), subscriberPort) : QByteArray()),
            qPrintable(broker.error()));
        MqttSubscriber subscriber(subscriberPort, "line1/#");
        QVERIFY(subscriber.connected());
        const CliRun run =
            Run_Cli({"--mqtt",
                     QStringLiteral("%1://localhost:%2/line1")
                         .arg(tls ? "mqtts" : "mqtt")
                         .arg(broker.port()),
                     "--report", bench.reportPath(), "--port", bench.link(0), "probe"},
                    bench.dir.path());
        qunsetenv("SSL_CERT_FILE");
        QCOMPARE(run.status, 0);
        QVERIFY2(!run.err.contains("MQTT"), qPrintable(run.err));
        QVERIFY(subscriber.waitFor(
            [&](const std::vector<MqttReceived> &m) { return endRecords(m) == bench.report(); }));
    }
};

QTEST_GUILESS_MAIN(CliLineBrokerTest)
#include "test_cli_line_broker.moc"
