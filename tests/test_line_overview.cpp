// The station's overview for the line lead's page: its counters, first-pass yield, slots,
// failures and buckets as boards start and end, its bounds, and its retained copy on a real
// Mosquitto that a page opened later reads.
#include "jobs/board_report.h"
#include "line/line_station.h"
#include "line/station_overview.h"
#include "line/station_records.h"
#include "support/event_schema.h"
#include "support/mqtt_broker.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

// One board's run in a table: its port, its USB serial and how it ended ("ok", "fail", "stop").
struct Run {
    QString port, serial, outcome;
};

namespace {

const QDateTime Start = QDateTime::fromString("2026-12-10T10:00:00.000+01:00", Qt::ISODateWithMs);

JobResult resultOf(const QString &outcome) {
    JobResult r;
    r.chip = ChipIdentity{Find_ChipModelByName("KQ31B"), 0x1A};
    if (outcome == QLatin1String("fail")) r.failure = Failure{FailureKind::NoReply, "Time over!"};
    if (outcome == QLatin1String("stop"))
        r.failure = Failure{FailureKind::Stopped, QStringLiteral("stopped")};
    return r;
}

QByteArray recordOf(const JobResult &r, const QString &port) {
    return Board_ReportLine(r, port, QStringLiteral("update-all"), Start);
}

void play(StationOverview &overview, const QList<Run> &runs, QDateTime at = Start) {
    for (const Run &run : runs) {
        BoardIdentity board;
        board.port = run.port;
        board.slot = run.port.right(1);
        board.usbSerial = run.serial;
        overview.boardStarted(board, at);
        at = at.addSecs(60);
        const JobResult r = resultOf(run.outcome);
        overview.boardEnded(run.port, r, recordOf(r, run.port), at);
    }
}

// The report's records of `runs` at the station `station`, as play() times them.
QByteArray reportOf(const QList<Run> &runs, const QString &station, QDateTime at = Start) {
    QByteArray report;
    for (const Run &run : runs) {
        at = at.addSecs(60);
        const QList<ReportField> fields{{"station", station},
                                        {"slot", run.port.right(1)},
                                        {"usb_serial", run.serial.isEmpty()
                                                           ? std::nullopt
                                                           : std::optional<QString>(run.serial)}};
        report += Board_ReportLine(resultOf(run.outcome), run.port, QStringLiteral("update-all"),
                                   at, fields);
    }
    return report;
}

QString writtenFile(const QTemporaryDir &dir, const QByteArray &text) {
    const QString path = dir.filePath(QStringLiteral("report.jsonl"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) return QString();
    return path;
}

QJsonObject objectOf(const QByteArray &json) {
    return QJsonDocument::fromJson(json).object();
}

// "boards ok failed interrupted first_pass_boards first_pass_ok"
QString countersOf(const QJsonObject &overview) {
    const QJsonObject c = overview.value("counters").toObject();
    QStringList parts;
    for (const char *name :
         {"boards", "ok", "failed", "interrupted", "first_pass_boards", "first_pass_ok"})
        parts.append(QString::number(c.value(QLatin1String(name)).toInt(-1)));
    return parts.join(QLatin1Char(' '));
}

} // namespace

Q_DECLARE_METATYPE(Run)

class LineOverviewTest : public QObject {
    Q_OBJECT

  private slots:
    void counters_data() {
        QTest::addColumn<QList<Run>>("runs");
        QTest::addColumn<QString>("counters");
        QTest::addColumn<QString>("slotStates"); // by port, in order
        QTest::newRow("boards without serials are each a first pass")
            << QList<Run>{{"/dev/ttyACM0", "", "ok"},
                          {"/dev/ttyACM1", "", "fail"},
                          {"/dev/ttyACM0", "", "ok"}}
            << "3 2 1 0 3 2"
            << "ok fail";
        QTest::newRow("a failed board run again is no first pass")
            << QList<Run>{{"/dev/ttyACM0", "S1", "fail"},
                          {"/dev/ttyACM1", "S1", "ok"},
                          {"/dev/ttyACM0", "S2", "ok"}}
            << "3 2 1 0 2 1"
            << "ok ok";
        QTest::newRow("a stopped board is neither and still a first pass later")
            << QList<Run>{{"/dev/ttyACM0", "S1", "stop"}, {"/dev/ttyACM0", "S1", "ok"}}
            << "2 1 0 1 1 1"
            << "ok";
    }
    void counters() {
        QFETCH(QList<Run>, runs);
        QFETCH(QString, counters);
        QFETCH(QString, slotStates);
        StationOverview overview(QStringLiteral("bench-3"), QStringLiteral("update-all"), Start);
        play(overview, runs);
        const QByteArray json = overview.json(Start.addSecs(3600));
        const QJsonObject o = objectOf(json);
        QCOMPARE(countersOf(o), counters);
        QStringList states;
        for (const QJsonValue &slot : o.value("slots").toArray())
            states.append(slot.toObject().value("state").toString());
        QCOMPARE(states.join(' '), slotStates);
        const QString problems = Events_SchemaProblems({json});
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    // A running slot says so until its end; the failure keeps its kind and reason; the recipe
    // is what the records told, kept when a later record (no chip answered) lacks it; the
    // buckets count ends per 10 minutes.
    void slotsFailuresRecipeBuckets() {
        StationOverview overview(QStringLiteral("bench-3"), QStringLiteral("update-all"), Start);
        BoardIdentity board;
        board.port = QStringLiteral("/dev/ttyACM0");
        board.slot = QStringLiteral("left");
        overview.boardStarted(board, Start);
        QJsonObject slot = objectOf(overview.json(Start)).value("slots")[0].toObject();
        QCOMPARE(slot.value("state").toString(), QStringLiteral("running"));
        QCOMPARE(slot.value("slot").toString(), QStringLiteral("left"));

        QJsonObject bundled = objectOf(recordOf(resultOf("ok"), board.port));
        bundled.insert("product", "panel-a");
        bundled.insert("version", "1.4.0");
        bundled.insert("bundle_sha256", QString(64, QLatin1Char('a')));
        const QByteArray record = QJsonDocument(bundled).toJson(QJsonDocument::Compact);
        overview.boardEnded(board.port, resultOf("ok"), record, Start.addSecs(5 * 60));
        overview.boardStarted(board, Start.addSecs(9 * 60));
        JobResult gone;
        gone.failure = Failure{FailureKind::DeviceGone, QStringLiteral("the board went away")};
        overview.boardEnded(board.port, gone, recordOf(gone, board.port), Start.addSecs(11 * 60));

        const QJsonObject o = objectOf(overview.json(Start.addSecs(12 * 60)));
        slot = o.value("slots")[0].toObject();
        QCOMPARE(slot.value("state").toString(), QStringLiteral("fail"));
        QCOMPARE(slot.value("failure").toString(), QStringLiteral("device_gone"));
        const QJsonObject failure = o.value("failures")[0].toObject();
        QCOMPARE(failure.value("reason").toString(), QStringLiteral("the board went away"));
        // A reason of any length is cut, so that the overview stays within what a page takes.
        overview.boardStarted(board, Start.addSecs(12 * 60));
        JobResult wordy;
        wordy.failure = Failure{FailureKind::SystemError, QString(100000, QLatin1Char('x'))};
        overview.boardEnded(board.port, wordy, recordOf(wordy, board.port), Start.addSecs(780));
        const QJsonObject after = objectOf(overview.json(Start.addSecs(780)));
        QCOMPARE(after.value("failures")[1].toObject().value("reason").toString().size(), 300);
        QCOMPARE(after.value("slots")[0].toObject().value("reason").toString().size(), 300);
        QCOMPARE(failure.value("slot").toString(), QStringLiteral("left"));
        const QJsonObject recipe = o.value("recipe").toObject();
        QCOMPARE(recipe.value("product").toString(), QStringLiteral("panel-a"));
        QCOMPARE(recipe.value("version").toString(), QStringLiteral("1.4.0"));
        QCOMPARE(recipe.value("model").toString(), QStringLiteral("KQ31B"));
        const QJsonArray buckets = o.value("per_10_minutes").toArray();
        QCOMPARE(buckets.size(), 2);
        QCOMPARE(buckets[0].toObject().value("start").toString(),
                 QStringLiteral("2026-12-10T10:00:00.000+01:00"));
        QCOMPARE(buckets[0].toObject().value("ok").toInt(), 1);
        QCOMPARE(buckets[1].toObject().value("failed").toInt(), 1);
    }

    // A station of days stays bounded: old failures and buckets go, and a slot that came and
    // went gives way to a new one before any running slot does.
    void bounded() {
        StationOverview overview(QStringLiteral("bench-3"), QStringLiteral("update-all"), Start);
        QList<Run> runs;
        for (int i = 0; i < StationOverview::FailureLimit + 5; ++i)
            runs.append({QStringLiteral("/dev/ttyACM0"), QString(), QStringLiteral("fail")});
        play(overview, runs);
        play(overview, runs, Start.addDays(2)); // a day of buckets later
        BoardIdentity running;
        running.port = QStringLiteral("/dev/running");
        overview.boardStarted(running, Start);
        for (int i = 0; i < StationOverview::SlotLimit; ++i)
            play(overview, {{QStringLiteral("/dev/p%1").arg(i), QString(), QStringLiteral("ok")}},
                 Start.addDays(3));
        const QJsonObject o = objectOf(overview.json(Start.addDays(4)));
        QCOMPARE(o.value("failures").toArray().size(), StationOverview::FailureLimit);
        // What ended more than a day before the last end is gone.
        QCOMPARE(o.value("per_10_minutes")[0].toObject().value("start").toString(),
                 QStringLiteral("2026-12-12T10:10:00.000+01:00"));
        const QJsonArray slotList = o.value("slots").toArray();
        QCOMPARE(slotList.size(), StationOverview::SlotLimit);
        QStringList ports;
        for (const QJsonValue &slot : slotList)
            ports.append(slot.toObject().value("port").toString());
        QVERIFY(ports.contains("/dev/running"));
        QVERIFY(!ports.contains("/dev/ttyACM0"));
    }

    // A station started again goes on from its report: the overview it rebuilds from the records
    // of its shift is the one it had, but for the kinds of failure (no record holds them), and
    // its shift starts with its first record. Other stations' records, the audit's lines and
    // lines that are no records are passed over; so is a line too long to be one, even where
    // its end would read as one.
    void rebuiltFromTheReport_data() { counters_data(); }
    void rebuiltFromTheReport() {
        QFETCH(QList<Run>, runs);
        StationOverview lived(QStringLiteral("bench-3"), QStringLiteral("update-all"), Start);
        play(lived, runs);

        const QByteArray forged = reportOf({{"/dev/ttyACM9", "", "ok"}}, "bench-3");
        QByteArray report = reportOf({{"/dev/ttyACM5", "S1", "fail"}}, "bench-4");
        report += "{\"type\":\"audit\",\"station\":\"bench-3\",\"event\":\"start\"}\n";
        report += "not a record\n";
        for (const int size : {64 * 1024 - 1, 64 * 1024, 64 * 1024 + 1})
            report += QByteArray(size, 'x') + forged;
        report += reportOf(runs, "bench-3");
        QTemporaryDir dir;
        const QString path = writtenFile(dir, report);
        QVERIFY(!path.isEmpty());
        StationOverview again(QStringLiteral("bench-3"), QStringLiteral("update-all"),
                              Start.addDays(1));
        const int told = Read_StationRecords(
            path, "bench-3", [&again](const QJsonObject &r) { again.recordEnded(r); });
        QCOMPARE(told, runs.size());

        const QDateTime now = Start.addSecs(3600);
        const QJsonObject expected = objectOf(lived.json(now));
        const QJsonObject got = objectOf(again.json(now));
        // What differs: when the shift started. The failures keep their kinds.
        QCOMPARE(got.value("since").toString(), QStringLiteral("2026-12-10T10:01:00.000+01:00"));
        for (const char *same : {"counters", "recipe", "failures", "per_10_minutes"})
            QCOMPARE(got.value(QLatin1String(same)), expected.value(QLatin1String(same)));
        QStringList slotStates, expectedStates;
        for (const QJsonValue &slot : got.value("slots").toArray())
            slotStates.append(slot.toObject().value("port").toString() + ' ' +
                              slot.toObject().value("state").toString());
        for (const QJsonValue &slot : expected.value("slots").toArray())
            expectedStates.append(slot.toObject().value("port").toString() + ' ' +
                                  slot.toObject().value("state").toString());
        QCOMPARE(slotStates, expectedStates);
        const QString problems = Events_SchemaProblems({again.json(now)});
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    // A board the report saw end is no first pass when it comes again after the restart; a
    // record that is no board's end counts nothing.
    void aRestartRemembersItsBoards() {
        QTemporaryDir dir;
        const QString path =
            writtenFile(dir, reportOf({{"/dev/ttyACM0", "S1", "fail"}}, "bench-3") +
                                 "{\"station\":\"bench-3\",\"port\":\"/dev/ttyACM0\","
                                 "\"result\":\"maybe\",\"time\":\"2026-12-10T10:05:00+01:00\"}\n"
                                 "{\"station\":\"bench-3\",\"port\":\"/dev/ttyACM0\","
                                 "\"result\":\"ok\",\"time\":\"yesterday\"}\n");
        QVERIFY(!path.isEmpty());
        StationOverview overview(QStringLiteral("bench-3"), QStringLiteral("update-all"), Start);
        QCOMPARE(
            Read_StationRecords(path, "bench-3",
                                [&overview](const QJsonObject &r) { overview.recordEnded(r); }),
            3);
        play(overview, {{"/dev/ttyACM1", "S1", "ok"}, {"/dev/ttyACM1", "S2", "ok"}},
             Start.addSecs(600));
        QCOMPARE(countersOf(objectOf(overview.json(Start.addSecs(900)))),
                 QStringLiteral("3 2 1 0 2 1"));
    }

    // A LineStation with a broker keeps its overview retained there: a page that subscribes
    // after the station is gone still reads its totals.
    void retainedForALatePage() {
        MqttBroker broker;
        QVERIFY2(broker.start(), qPrintable(broker.error()));
        QString error;
        LineStation::Settings settings;
        settings.command = QStringLiteral("update-all");
        QStringList said;
        settings.log = [&said](const QString &line) { said.append(line); };
        settings.mqtt =
            Parse_MqttUrl(QStringLiteral("mqtt://127.0.0.1:%1/line1").arg(broker.port()), error);
        settings.mqtt->station = QStringLiteral("bench-<b>3</b>");
        MqttSubscriber watcher(broker.port(), "line1/#", "test-watcher");
        QVERIFY(watcher.connected());
        {
            LineStation station(settings);
            QVERIFY2(station.start(error), qPrintable(error));
            // Connected: what follows reaches the broker before the station leaves.
            QVERIFY(watcher.waitFor([](const std::vector<MqttReceived> &m) {
                return std::any_of(m.begin(), m.end(),
                                   [](const MqttReceived &r) { return r.payload == "idle"; });
            }));
            for (const char *outcome : {"ok", "fail", "ok"}) {
                BoardIdentity board;
                board.port = QStringLiteral("/dev/ttyACM0");
                station.boardStarted(board);
                const JobResult r = resultOf(outcome);
                station.boardEnded(board.port, r, recordOf(r, board.port));
            }
            station.runEnded(1);
            station.finish();
        }
        MqttSubscriber page(broker.port(), "line1/+/overview", "test-page");
        QVERIFY(page.waitFor([](const std::vector<MqttReceived> &m) { return !m.empty(); }));
        const MqttReceived got = page.received().front();
        QVERIFY(got.retained);
        QCOMPARE(got.topic, QByteArray("line1/bench-<b>3<_b>/overview"));
        const QJsonObject o = objectOf(got.payload);
        QCOMPARE(o.value("station").toString(), QStringLiteral("bench-<b>3</b>"));
        QCOMPARE(countersOf(o), QStringLiteral("3 2 1 0 3 2"));
        const QString problems = Events_SchemaProblems({got.payload});
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QCOMPARE(said, QStringList());
    }

    // A station started with its report publishes, from its first overview on, the boards of
    // its shift: its records after the counters' last reset, not other stations' records.
    void aStationStartsFromItsReport() {
        MqttBroker broker;
        QVERIFY2(broker.start(), qPrintable(broker.error()));
        QTemporaryDir dir;
        const QString report = writtenFile(
            dir, reportOf({{"/dev/ttyACM0", "S1", "fail"}}, "bench-3") +
                     reportOf({{"/dev/ttyACM1", "S2", "ok"}}, "bench-4") +
                     reportOf({{"/dev/ttyACM0", "S3", "ok"}, {"/dev/ttyACM1", "S4", "fail"}},
                              "bench-3", Start.addSecs(600)));
        QVERIFY(!report.isEmpty());
        QString error;
        LineStation::Settings settings;
        settings.command = QStringLiteral("update-all");
        settings.mqtt =
            Parse_MqttUrl(QStringLiteral("mqtt://127.0.0.1:%1/line1").arg(broker.port()), error);
        settings.mqtt->station = QStringLiteral("bench-3");
        settings.report = report;
        settings.uncountedRecords = 1; // the counters were reset after the first board
        {
            LineStation station(settings);
            QVERIFY2(station.start(error), qPrintable(error));
            station.finish();
        }
        MqttSubscriber page(broker.port(), "line1/bench-3/overview", "test-page");
        QVERIFY(page.waitFor([](const std::vector<MqttReceived> &m) { return !m.empty(); }));
        const QJsonObject o = objectOf(page.received().front().payload);
        QCOMPARE(countersOf(o), QStringLiteral("2 1 1 0 2 1"));
        QCOMPARE(o.value("since").toString(), QStringLiteral("2026-12-10T10:11:00.000+01:00"));
        QCOMPARE(o.value("failures").toArray().size(), 1);
    }
};

QTEST_GUILESS_MAIN(LineOverviewTest)
#include "test_line_overview.moc"
