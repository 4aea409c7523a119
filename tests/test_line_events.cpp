// The events a run gives the line: one JSON object per line, valid under the schema in the tree
// whatever the texts hold, progress thinned per board with each phase's 100 % kept, and whole
// lines in order when several board threads speak at once.
#include "jobs/board_report.h"
#include "line/event_stream.h"
#include "support/event_schema.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QtTest>
#include <memory>
#include <unistd.h>

namespace {

// What reached a sink.
class Recorder : public EventSink {
  public:
    void deliver(const LineEvent &event) override { events.append(event); }
    QList<LineEvent> events;
    QByteArrayList lines() const {
        QByteArrayList all;
        for (const LineEvent &e : events)
            all.append(e.json);
        return all;
    }
};

QJsonObject objectOf(const QByteArray &line) {
    return QJsonDocument::fromJson(line).object();
}

QByteArray okRecord(const QString &port) {
    JobResult o;
    o.chip = ChipIdentity{Find_ChipModelByName("KQ31B"), 0x1a};
    o.seconds = 1.25;
    o.mcuImage = BoardImage{QStringLiteral("/srv/app.bin"), 0x7444bd83, 30720, QByteArray()};
    return Board_ReportLine(o, port, QStringLiteral("update-mcu"), QDateTime::currentDateTime());
}

QByteArray failedRecord(const QString &port) {
    JobResult o;
    o.failure = Fail(FailureKind::Refused,
                     QStringLiteral("refused by the line: no order for \"KQ0042\"\n"));
    return Board_ReportLine(o, port, QStringLiteral("update-all"), QDateTime::currentDateTime());
}

// One board's whole run as a gang would tell it.
void tellRun(EventStream &stream, const QString &port, const QString &text) {
    BoardIdentity board;
    board.port = port;
    board.slot = QStringLiteral("1");
    board.usbSerial = QStringLiteral("KQ0042");
    stream.boardArrived(board);
    stream.boardStarted(port, QStringLiteral("update-mcu"));
    board.model = QStringLiteral("KQ31B");
    board.bootVersion = 0x1a;
    stream.boardIdentified(board);
    stream.progress(port, 3); // before any phase
    stream.phaseStarted(port, ProgressPhase::McuWrite);
    stream.progress(port, 50);
    stream.logLine(port, text);
    stream.message(port, QStringLiteral("Time over!"));
    stream.phaseStarted(port, ProgressPhase::FlashCrcCheck);
    stream.progress(port, 100);
    stream.boardEnded(port, okRecord(port));
}

} // namespace

class LineEventsTest : public QObject {
    Q_OBJECT

  private slots:
    // Every kind of event, with texts that a line-oriented reader or a JSON writer could trip
    // on, is one line and valid under the schema; the fields say what happened.
    void eachEventIsOneValidLine_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "/dev/ttyACM0"
                               << "Update MCU is OK!!!!!!";
        QTest::newRow("quotes and backslashes") << "C:\\ports\\\"COM5\""
                                                << "a \"quoted\" \\ path";
        QTest::newRow("line ends and controls") << "tty\nACM1"
                                                << "one\ntwo\r\x01\x1b[31m three";
        QTest::newRow("not ASCII") << "/dev/ttyACM2"
                                   << "Flash 名字 \u00e9\u00e8";
        QTest::newRow("empty text") << "/dev/ttyACM3"
                                    << "";
    }
    void eachEventIsOneValidLine() {
        QFETCH(QString, port);
        QFETCH(QString, text);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        EventLines lines(&out);
        Recorder recorder;
        qint64 now = 0;
        EventStream stream([&] { return now += 1000; }); // no progress held back
        stream.addSink(&lines);
        stream.addSink(&recorder);
        tellRun(stream, port, text);
        stream.boardEnded(port, failedRecord(port));
        stream.runEnded(RunSummary{QStringLiteral("update-mcu"), 2, 1, 1, 0, 1});

        const QByteArrayList written = out.data().split('\n');
        QCOMPARE(written.last(), QByteArray()); // every line ended
        QCOMPARE(written.mid(0, written.size() - 1), recorder.lines());
        const QString problems = Events_SchemaProblems(recorder.lines());
        QVERIFY2(problems.isEmpty(), qPrintable(problems));

        QStringList names;
        for (const LineEvent &e : recorder.events) {
            const QJsonObject o = objectOf(e.json);
            QCOMPARE(o.value("v").toInt(), 1);
            QCOMPARE(o.value("event").toString(), QLatin1String(Event_Name(e.kind)));
            if (e.kind != LineEvent::Summary) QCOMPARE(o.value("port").toString(), port);
            names.append(o.value("event").toString());
        }
        QCOMPARE(names,
                 QStringList({"arrival", "start", "identified", "progress", "phase", "progress",
                              "log", "message", "phase", "progress", "end", "end", "summary"}));
        const auto nth = [&](int i) { return objectOf(recorder.events.at(i).json); };
        QCOMPARE(nth(0).value("usb_serial").toString(), QStringLiteral("KQ0042"));
        QCOMPARE(nth(2).value("boot_version").toString(), QStringLiteral("0x1a"));
        QVERIFY(nth(3).value("phase").isNull());
        QCOMPARE(nth(5).value("phase").toString(), QStringLiteral("mcu_write"));
        QCOMPARE(nth(6).value("text").toString(), text);
        QCOMPARE(nth(9).value("percent").toInt(), 100);
        // The end embeds the report's record as it is.
        QJsonObject embedded = nth(10).value("record").toObject(),
                    record = objectOf(okRecord(port));
        QVERIFY(embedded.take("time").isString() && record.take("time").isString());
        QCOMPARE(embedded, record);
        QCOMPARE(nth(11).value("record").toObject().value("reason").toString(),
                 QStringLiteral("refused by the line: no order for \"KQ0042\"\n"));
        QCOMPARE(nth(12).value("failed").toInt(), 1);
    }

    // The check itself: events that break the format are caught, each for its own fault.
    void schemaRefusesBrokenEvents_data() {
        QTest::addColumn<QByteArray>("line");
        const QByteArray head = R"({"v":1,"time":"2026-12-10T14:30:17.123+01:00",)";
        QTest::newRow("valid (control)") << head + R"("event":"log","port":"p","text":"x"})";
        QTest::newRow("no port") << head + R"("event":"log","text":"x"})";
        QTest::newRow("other version")
            << QByteArray(R"({"v":2,"time":"2026-12-10T14:30:17.123Z","event":"log",)"
                          R"("port":"p","text":"x"})");
        QTest::newRow("percent over 100")
            << head + R"("event":"progress","port":"p","phase":null,"percent":101})";
        QTest::newRow("unknown phase") << head + R"("event":"phase","port":"p","phase":"x"})";
        QTest::newRow("stray field") << head + R"("event":"log","port":"p","text":"x","y":1})";
        QTest::newRow("time without offset")
            << QByteArray(R"({"v":1,"time":"2026-12-10T14:30:17.123","event":"log",)"
                          R"("port":"p","text":"x"})");
        QTest::newRow("failure without reason")
            << head + R"("event":"end","port":"p","record":{"time":"2026-12-10T14:30:17Z",)"
                      R"("port":"p","command":"probe","model":null,"boot_version":null,)"
                      R"("result":"fail","seconds":0.5}})";
        QTest::newRow("two objects on a line")
            << head + R"("event":"log","port":"p","text":"x"}{"v":1})";
    }
    void schemaRefusesBrokenEvents() {
        QFETCH(QByteArray, line);
        const bool valid = QByteArray(QTest::currentDataTag()).startsWith("valid");
        QCOMPARE(Events_SchemaProblems({line}).isEmpty(), valid);
    }

    // At most one progress event per board every 100 ms, the last percent of a phase (100)
    // always, never the same percent twice; each board has its own budget.
    void progressIsThinnedPerBoard() {
        qint64 now = 0;
        EventStream stream([&] { return now; });
        Recorder recorder;
        stream.addSink(&recorder);
        const QString a = QStringLiteral("a"), b = QStringLiteral("b");
        stream.phaseStarted(a, ProgressPhase::McuWrite);
        stream.phaseStarted(b, ProgressPhase::FlashWrite);
        for (int percent = 0; percent <= 100; ++percent) { // 1 s for each board
            stream.progress(a, percent);
            stream.progress(b, percent);
            stream.progress(b, percent); // told twice
            now += 10;
        }
        stream.progress(a, 100); // again at the end
        QMap<QString, QList<int>> told;
        QMap<QString, QList<qint64>> when;
        for (const LineEvent &e : recorder.events) {
            if (e.kind != LineEvent::Progress) continue;
            told[e.port].append(objectOf(e.json).value("percent").toInt());
        }
        const QList<int> expected{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
        QCOMPARE(told.value(a), expected);
        QCOMPARE(told.value(b), expected);

        // 100 % comes within the interval of the last one told: it still goes, once.
        now += 1000;
        stream.phaseStarted(a, ProgressPhase::McuCrcCheck);
        stream.progress(a, 40);
        now += 5;
        stream.progress(a, 70);
        stream.progress(a, 100);
        stream.progress(a, 100);
        QCOMPARE(objectOf(recorder.events.last().json).value("percent").toInt(), 100);
        QCOMPARE(objectOf(recorder.events.last().json).value("phase").toString(),
                 QStringLiteral("mcu_crc_check"));
        int afterPhase = 0;
        for (int i = recorder.events.size() - 1; recorder.events.at(i).kind != LineEvent::Phase;
             --i)
            ++afterPhase;
        QCOMPARE(afterPhase, 2); // 40 and 100
    }

    // Eight board threads at once: every line whole and valid, each board's events in order.
    void boardThreadsDoNotMix() {
        QTemporaryFile file;
        QVERIFY(file.open());
        FILE *stream = fdopen(dup(file.handle()), "w");
        QVERIFY(stream);
        EventLines lines(stream);
        EventStream events;
        events.addSink(&lines);
        constexpr int Boards = 8, Lines = 500;
        std::vector<std::unique_ptr<QThread>> threads;
        for (int b = 0; b < Boards; ++b) {
            threads.emplace_back(QThread::create([&events, b] {
                const QString port = QStringLiteral("/dev/ttyACM%1").arg(b);
                events.boardStarted(port, QStringLiteral("update-all"));
                for (int i = 0; i < Lines; ++i) {
                    events.logLine(port, QStringLiteral("line %1 %2").arg(i).arg(QString(40, 'x')));
                    events.progress(port, i * 100 / (Lines - 1));
                }
                events.boardEnded(port, okRecord(port));
            }));
            threads.back()->start();
        }
        for (auto &t : threads)
            QVERIFY(t->wait(60000));
        fclose(stream);

        QFile written(file.fileName());
        QVERIFY(written.open(QIODevice::ReadOnly));
        QByteArrayList all = written.readAll().split('\n');
        QCOMPARE(all.takeLast(), QByteArray());
        QMap<QString, int> next;
        QMap<QString, int> ends;
        for (const QByteArray &line : all) {
            QJsonParseError error;
            const QJsonObject o = QJsonDocument::fromJson(line, &error).object();
            QVERIFY2(error.error == QJsonParseError::NoError, line.constData());
            const QString port = o.value("port").toString();
            if (o.value("event").toString() == QLatin1String("log")) {
                const int i = o.value("text").toString().section(' ', 1, 1).toInt();
                QCOMPARE(i, next[port]++);
            }
            if (o.value("event").toString() == QLatin1String("end")) ++ends[port];
        }
        QCOMPARE(next.size(), Boards);
        for (const int count : next)
            QCOMPARE(count, Lines);
        for (const int count : ends)
            QCOMPARE(count, 1);
        const QString problems = Events_SchemaProblems(all);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }
};

QTEST_GUILESS_MAIN(LineEventsTest)
#include "test_line_events.moc"
