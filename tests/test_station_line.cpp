// The station's window on the production line, as tessara-cli --watch is on it: its options from
// station.conf, each board's end to a real Mosquitto on 127.0.0.1 equal to its record, the
// retained overview with the station's own counters (rebuilt from the report by a restart), the
// hooks before and after each board in order, and a stop while the hook before a board waits,
// which ends the hook and writes nothing on the board.
#include "line/line_options.h"
#include "line/line_station.h"
#include "station/station_window.h"
#include "support/bench_rig.h"
#include "support/mqtt_broker.h"
#include "support/process_files.h"
#include "support/station_tiles.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <csignal>
#include <memory>
#include <signal.h>

namespace {

// An executable shell script `name` in the bench's folder, run there.
QString script(const BenchRig &bench, const QString &name, const QByteArray &body) {
    QFile file(bench.path(name));
    if (!file.open(QIODevice::WriteOnly)) return QString();
    file.write("#!/bin/sh\ncd \"$(dirname \"$0\")\"\n" + body);
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return file.fileName();
}

// The station's options as tessara-station reads them: `conf` is station.conf, the bench's
// images and report on the command line.
std::optional<StationOptions> stationOptions(const BenchRig &bench, const QByteArray &conf) {
    QFile file(bench.path("station.conf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(conf) != conf.size()) return std::nullopt;
    file.close();
    const ParsedStationOptions parsed = Parse_StationOptions(
        {"--config", file.fileName(), "--mcu", bench.mcuPath, "--flash", bench.flashPath, "--model",
         "KQ31B", "--flash-ini", bench.path("Flash.ini"), "--report", bench.reportPath()});
    if (!parsed.options) qWarning("%s", qPrintable(parsed.error));
    return parsed.options;
}

// The line and the window of a station on the bench's boards 0..count-1 (slots A1..), as
// tessara-station makes them from `o`; USB serial "SN-A1", ... Check ok first.
struct LineBench {
    LineBench(const BenchRig &bench, const StationOptions &o, int count) {
        LineStation::Settings settings;
        settings.command = o.operation;
        settings.report = o.reportPath;
        QString error;
        ok = Line_Settings(o.line, settings, error);
        line = std::make_unique<LineStation>(settings);
        ok = ok && line->start(error) && report.open(o.reportPath);
        const Result<Recipe> recipe = Load_Recipe(o);
        ok = ok && recipe.ok();
        if (!ok) {
            qWarning("cannot set the station up: %s %s", qPrintable(error),
                     qPrintable(recipe.ok() ? QString() : recipe.reason()));
            return;
        }
        StationWindow::Setup setup;
        setup.recipe = recipe.value();
        QList<SlotEntry> entries;
        QStringList ports;
        for (int i = 0; i < count; ++i) {
            entries.append({bench.link(i), QStringLiteral("A%1").arg(i + 1)});
            ports.append(bench.link(i));
        }
        setup.names = SlotNames(entries);
        setup.ports = [ports] { return ports; };
        setup.usbSerialOf = [entries](const QString &port) {
            for (const SlotEntry &entry : entries)
                if (entry.path == port) return "SN-" + entry.name;
            return QString();
        };
        setup.report = &report;
        setup.station = o.station;
        setup.line = line.get();
        window = std::make_unique<StationWindow>(setup);
        window->show();
    }
    // Closed as tessara-station ends: the window, then the line.
    void close() {
        window.reset();
        line->runEnded(0);
        line->finish();
    }
    bool ok = false;
    BoardReport report;
    std::unique_ptr<LineStation> line;
    std::unique_ptr<StationWindow> window;
};

QList<QJsonObject> payloads(const std::vector<MqttReceived> &messages, const QByteArray &suffix,
                            size_t from = 0) {
    QList<QJsonObject> found;
    for (size_t i = from; i < messages.size(); ++i)
        if (messages[i].topic.endsWith(suffix))
            found.append(QJsonDocument::fromJson(messages[i].payload).object());
    return found;
}

QList<QJsonObject> endRecords(const std::vector<MqttReceived> &messages) {
    QList<QJsonObject> records;
    for (const QJsonObject &end : payloads(messages, "/end"))
        records.append(end.value("record").toObject());
    return records;
}

QJsonObject counters(int boards, int ok, int failed, int firstPassOk) {
    return QJsonObject{{"boards", boards},
                       {"ok", ok},
                       {"failed", failed},
                       {"interrupted", 0},
                       {"first_pass_boards", boards},
                       {"first_pass_ok", firstPassOk}};
}

} // namespace

class StationLineTest : public QObject {
    Q_OBJECT

  private slots:
    // Two boards, the second failing its MCU check: the broker gets both ends equal to the
    // report's records, the retained overview counts them, each board's hooks run in order
    // with its slot and serial, the hook after it reads its record; the state ends offline. A
    // restart publishes the counters rebuilt from the report before any board runs.
    void twoBoardsOnTheLine() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(1));
        bench.board(1).addFault(SimFault::on('N', 1, SimFault::BadCrc));
        MqttBroker broker;
        QVERIFY2(broker.start(), qPrintable(broker.error()));
        MqttSubscriber subscriber(broker.port(), "line1/#");
        QVERIFY(subscriber.connected());
        const QString before = script(
            bench, "before.sh",
            "echo \"before $TESSARA_SLOT $TESSARA_USB_SERIAL $TESSARA_MODEL\" >> hooks.log\n");
        const QString after = script(bench, "after.sh",
                                     "cat > after.$TESSARA_SLOT.json\n"
                                     "echo \"after $TESSARA_SLOT $TESSARA_RESULT\" >> hooks.log\n");
        const std::optional<StationOptions> o = stationOptions(
            bench, QStringLiteral("--watch\n--mqtt mqtt://127.0.0.1:%1/line1 --mqtt-drain 20\n"
                                  "--station line1-s3\n--before-board %2\n--after-board %3\n")
                       .arg(broker.port())
                       .arg(before, after)
                       .toUtf8());
        QVERIFY(o);
        auto station = std::make_unique<LineBench>(bench, *o, 2);
        QVERIFY(station->ok);

        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 2, 30000);
        const QList<QJsonObject> records = bench.report();
        QMap<QString, QJsonObject> bySlot;
        for (const QJsonObject &record : records)
            bySlot[record["slot"].toString()] = record;
        QCOMPARE(bySlot.keys(), (QStringList{"A1", "A2"}));
        QCOMPARE(bySlot["A1"]["result"].toString(), QStringLiteral("ok"));
        QCOMPARE(bySlot["A2"]["result"].toString(), QStringLiteral("fail"));
        QCOMPARE(bySlot["A2"]["usb_serial"].toString(), QStringLiteral("SN-A2"));

        // Each end carries the record as the report holds it, once.
        QVERIFY(subscriber.waitFor(
            [](const std::vector<MqttReceived> &m) { return endRecords(m).size() >= 2; }));
        QList<QJsonObject> ends = endRecords(subscriber.received());
        QCOMPARE(ends.size(), 2);
        QVERIFY(ends.contains(records[0]) && ends.contains(records[1]));

        // The hooks, each board's in order, and the record on the hook's input.
        QTRY_VERIFY_WITH_TIMEOUT(
            Read_TextFile(bench.path("hooks.log")).split('\n', Qt::SkipEmptyParts).size() == 4,
            20000);
        const QStringList hooks =
            Read_TextFile(bench.path("hooks.log")).split('\n', Qt::SkipEmptyParts);
        for (const QString slot : {"A1", "A2"}) {
            const int beforeAt = hooks.indexOf(QStringLiteral("before %1 SN-%1 KQ31B").arg(slot));
            const int afterAt = hooks.indexOf(
                QStringLiteral("after %1 %2").arg(slot, bySlot[slot]["result"].toString()));
            QVERIFY2(beforeAt >= 0 && afterAt > beforeAt, qPrintable(hooks.join(" | ")));
            QCOMPARE(QJsonDocument::fromJson(
                         Read_TextFile(bench.path("after." + slot + ".json")).toUtf8())
                         .object(),
                     bySlot[slot]);
        }

        // The retained overview: the station's counters, each slot's state.
        const auto overviewCounts = [](const QJsonObject &wanted, size_t from) {
            return [wanted, from](const std::vector<MqttReceived> &m) {
                const QList<QJsonObject> overviews = payloads(m, "/line1-s3/overview", from);
                return !overviews.isEmpty() && overviews.last()["counters"] == wanted;
            };
        };
        QVERIFY(subscriber.waitFor(overviewCounts(counters(2, 1, 1, 1), 0)));
        MqttSubscriber late(broker.port(), "line1/line1-s3/overview", "late-sub");
        QVERIFY(late.connected());
        QVERIFY(late.waitFor([](const std::vector<MqttReceived> &m) { return !m.empty(); }));
        const MqttReceived retained = late.received().front();
        QVERIFY(retained.retained);
        const QJsonObject overview = QJsonDocument::fromJson(retained.payload).object();
        QCOMPARE(overview["counters"].toObject(), counters(2, 1, 1, 1));
        QMap<QString, QString> states;
        for (const QJsonValue &slot : overview["slots"].toArray())
            states[slot["slot"].toString()] = slot["state"].toString();
        QCOMPARE(states, (QMap<QString, QString>{{"A1", "ok"}, {"A2", "fail"}}));

        station->close();
        QVERIFY(subscriber.waitFor([](const std::vector<MqttReceived> &m) {
            for (auto it = m.rbegin(); it != m.rend(); ++it)
                if (it->topic == "line1/line1-s3/state") return it->payload == "offline";
            return false;
        }));
        QStringList stateWords;
        for (const MqttReceived &m : subscriber.received())
            if (m.topic == "line1/line1-s3/state") stateWords.append(QString(m.payload));
        QVERIFY2(stateWords.contains("running"), qPrintable(stateWords.join(' ')));

        // A restart with no board seated: the overview's counters are those of the report.
        const size_t seen = subscriber.received().size();
        LineBench again(bench, *o, 0);
        QVERIFY(again.ok);
        QVERIFY(subscriber.waitFor(overviewCounts(counters(2, 1, 1, 1), seen)));
        QCOMPARE(bench.reportLines(), 2);
        again.close();
    }

    // tessara-station itself with station.conf, ended by SIGTERM: the board's end and the
    // summary of the run reach the broker before it exits, and its state is left offline.
    void theProgramOnTheLine() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        MqttBroker broker;
        QVERIFY2(broker.start(), qPrintable(broker.error()));
        MqttSubscriber subscriber(broker.port(), "line1/#");
        QVERIFY(subscriber.connected());
        QFile conf(bench.path("station.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("--all --watch\n--mqtt mqtt://127.0.0.1:%1/line1\n"
                                  "--station st9 --report %2\n--operator op1 --lot WO-1\n")
                       .arg(broker.port())
                       .arg(bench.reportPath())
                       .toUtf8());
        conf.close();
        QProcess station;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TESSARA_SERIALCOMM", bench.map(1));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        station.setProcessEnvironment(env);
        station.start(TESSARA_STATION_PATH, {"--config", conf.fileName(), "--mcu", bench.mcuPath,
                                             "--flash", bench.flashPath, "--model", "KQ31B",
                                             "--flash-ini", bench.path("Flash.ini")});
        QVERIFY(station.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 1, 20000);
        ::kill(pid_t(station.processId()), SIGTERM);
        QVERIFY(station.waitForFinished(30000));
        QCOMPARE(station.exitCode(), 143);

        QVERIFY(subscriber.waitFor([](const std::vector<MqttReceived> &m) {
            return !payloads(m, "st9/summary").isEmpty() && !m.empty() &&
                   m.back().topic == "line1/st9/state" && m.back().payload == "offline";
        }));
        const std::vector<MqttReceived> received = subscriber.received();
        QCOMPARE(endRecords(received), bench.report());
        QCOMPARE(payloads(received, "st9/summary").last()["status"].toInt(), 143);
        QCOMPARE(payloads(received, "st9/overview").last()["counters"].toObject(),
                 counters(1, 1, 0, 1));
    }

    // The hook before a board keeps it from being written: Esc while the hook waits ends the
    // hook with what it started (the record: interrupted); a hook that says no fails the board
    // in the line's words. Either way nothing is erased or written on the board.
    void hookBeforeABoard_data() {
        QTest::addColumn<QByteArray>("hook");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("tile");
        QTest::newRow("Esc while it waits")
            << QByteArray("(setsid sleep 60 & echo $! > grandchild.tmp; mv grandchild.tmp "
                          "grandchild)\necho $$ > hook.tmp; mv hook.tmp hook\nsleep 60\n")
            << "interrupted"
            << "FAIL: stopped; run it again to finish";
        QTest::newRow("it says no")
            << QByteArray("echo 'not routed here' >&2\nexit 3\n") << "fail"
            << "FAIL: refused by the line: not routed here; set the board aside and ask the "
               "line lead";
    }
    void hookBeforeABoard() {
        QFETCH(QByteArray, hook);
        QFETCH(QString, result);
        QFETCH(QString, tile);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const QByteArray mcuBefore = bench.board(0).mcuFlash();
        const QByteArray flashBefore = bench.board(0).externalFlash();
        const QString path = script(bench, "hook.sh", hook);
        const std::optional<StationOptions> o =
            stationOptions(bench, "--before-board " + path.toUtf8() + "\n");
        QVERIFY(o);
        LineBench station(bench, *o, 1);
        QVERIFY(station.ok);
        const bool stopped = result == "interrupted";
        if (stopped) {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bench.path("hook")), 20000);
            QTest::keyClick(station.window.get(), Qt::Key_Escape);
        }

        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 1, 20000);
        const QJsonObject record = bench.report().first();
        QCOMPARE(record["result"].toString(), result);
        QCOMPARE(record["slot"].toString(), QStringLiteral("A1"));
        QTRY_COMPARE(Station_TileText(*station.window, "A1").left(tile.size()), tile);
        for (const char *name : {"hook", "grandchild"}) {
            if (!stopped) break;
            const qint64 pid = Read_TextFile(bench.path(name)).trimmed().toLongLong();
            QVERIFY(pid > 0);
            QTRY_VERIFY2_WITH_TIMEOUT(Process_Gone(pid), name, 10000);
        }
        QCOMPARE(Frames_Named(bench.board(0), {"L", "J", "o", "h", "j", "k", "l"}), 0);
        QCOMPARE(bench.board(0).mcuFlash(), mcuBefore);
        QCOMPARE(bench.board(0).externalFlash(), flashBefore);
        station.close();
    }
};

QTEST_MAIN(StationLineTest)
#include "test_station_line.moc"
