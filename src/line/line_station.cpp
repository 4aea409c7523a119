#include "line/line_station.h"

#include "line/earlier_reports.h"
#include "line/station_records.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QThread>
#include <algorithm>

namespace {

// What one start reads of the earlier reports' owed records, at most: ends beyond it wait for
// the next start.
constexpr qint64 EarlierReportsBytes = 16 * 1024 * 1024;

QString boardEnds(int count) {
    return count == 1 ? QStringLiteral("1 board end") : QStringLiteral("%1 board ends").arg(count);
}

} // namespace

LineStation::LineStation(Settings s) : settings(std::move(s)) {
    summary.command = settings.command;
    if (settings.json) {
        jsonLines = std::make_unique<EventLines>(settings.json);
        stream.addSink(jsonLines.get());
    }
}

LineStation::~LineStation() {
    finish();
}

bool LineStation::start(QString &error) {
    if (!settings.mqtt) return true;
    if (!settings.report.isEmpty() && !acked.open(settings.report, error)) return false;
    mqtt = std::make_unique<MqttPublisher>(*settings.mqtt, settings.log);
    mqtt->keepAcknowledged(&acked);
    if (!mqtt->start(error)) {
        mqtt.reset();
        return false;
    }
    // Before this run's events: the ends of earlier runs that the broker never acknowledged,
    // those of earlier reports (another day's) first, then those of this run's report.
    if (!settings.report.isEmpty()) sendEarlierReports();
    const int owed = sendOwed(acked, acked.owed(), QString());
    if (owed > 0 && settings.log)
        settings.log(QStringLiteral("MQTT: %1 of earlier runs owed to the broker, sent first")
                         .arg(boardEnds(owed)));
    stream.addSink(mqtt.get());
    mqtt->setState(MqttPublisher::State::Idle);
    overview = std::make_unique<StationOverview>(settings.mqtt->station, settings.command,
                                                 QDateTime::currentDateTime());
    // The shift goes on: the boards this station's report already holds count, from the first
    // one after the counters' last reset.
    if (!settings.report.isEmpty()) {
        int seen = 0;
        Read_StationRecords(settings.report, settings.mqtt->station, [&](const QJsonObject &r) {
            if (seen++ >= settings.uncountedRecords) overview->recordEnded(r);
        });
    }
    publishOverview();
    return true;
}

void LineStation::sendEarlierReports() {
    qint64 budget = EarlierReportsBytes;
    const QStringList reports = Earlier_OwingReports(settings.report);
    for (const QString &path : reports) {
        auto ends = std::make_unique<AckedEnds>();
        QString error;
        if (!ends->open(path, error)) {
            if (settings.log) settings.log(QStringLiteral("MQTT: %1").arg(error));
            continue;
        }
        const QList<QByteArray> records = ends->owed(budget);
        for (const QByteArray &record : records)
            budget -= record.size();
        // Another station's records are left to it.
        const int owed = sendOwed(*ends, records, settings.mqtt->station);
        if (owed > 0 && settings.log)
            settings.log(QStringLiteral("MQTT: %1 owed to the broker by the earlier report \"%2\", "
                                        "sent first")
                             .arg(boardEnds(owed), path));
        earlierAcked.push_back(std::move(ends));
        if (budget <= 0) {
            if (settings.log)
                settings.log(QStringLiteral("MQTT: earlier reports owe more ends than a start "
                                            "reads; the next run sends the rest"));
            break;
        }
    }
}

int LineStation::sendOwed(AckedEnds &keptIn, const QList<QByteArray> &records,
                          const QString &station) {
    int sent = 0;
    for (const QByteArray &record : records) {
        const QJsonObject r = QJsonDocument::fromJson(record).object();
        if (!station.isNull() && (r.contains(QStringLiteral("type")) ||
                                  r.value(QStringLiteral("station")).toString() != station))
            continue;
        const QString port = r.value(QStringLiteral("port")).toString();
        mqtt->deliverOwed(End_Event(port, record, QDateTime::currentDateTime()), &keptIn);
        ++sent;
    }
    return sent;
}

std::optional<Gate> LineStation::gate() {
    if (!settings.beforeBoard.isSet()) return std::nullopt;
    return [this](const GateFacts &facts) -> Result<> {
        BoardIdentity board;
        {
            QMutexLocker lock(&mutex);
            board = boards.value(facts.port);
        }
        board.port = facts.port;
        board.model = facts.chip.name();
        board.bootVersion = facts.chip.bootVersion;
        const QString refusal = settings.beforeBoard.beforeBoard(board, facts.stopRequested);
        if (refusal.isEmpty()) return Done{};
        return Fail(FailureKind::Refused, refusal);
    };
}

JobRequest LineStation::gated(JobRequest request) {
    if (const std::optional<Gate> approval = gate()) request.gates.push_back(*approval);
    return request;
}

void LineStation::boardStarted(const BoardIdentity &board) {
    {
        QMutexLocker lock(&mutex);
        boards.insert(board.port, board);
    }
    stream.boardArrived(board);
    stream.boardStarted(board.port, settings.command);
    if (overview) overview->boardStarted(board, QDateTime::currentDateTime());
    setRunning(+1);
}

void LineStation::follow(BoardThread *board, QObject *context, const BoardIdentity &identity) {
    const QString port = board->port();
    EventStream *events = &stream;
    QObject::connect(board, &BoardThread::logLine, context,
                     [events, port](const QString &text) { events->logLine(port, text); });
    QObject::connect(board, &BoardThread::message, context,
                     [events, port](const QString &text) { events->message(port, text); });
    QObject::connect(board, &BoardThread::phaseStarted, context,
                     [events, port](ProgressPhase phase) { events->phaseStarted(port, phase); });
    QObject::connect(board, &BoardThread::progress, context,
                     [events, port](int percent) { events->progress(port, percent); });
    QObject::connect(board, &BoardThread::chipIdentified, context,
                     [events, port](const QString &model) {
                         BoardIdentity chip;
                         chip.port = port;
                         chip.model = model;
                         events->boardIdentified(chip);
                     });
    boardStarted(identity);
}

void LineStation::boardEnded(const QString &port, const JobResult &result,
                             const QByteArray &record) {
    setRunning(-1);
    told(port, result, record);
}

void LineStation::boardAbsent(const QString &name, const JobResult &result,
                              const QByteArray &record) {
    told(name, result, record);
}

void LineStation::told(const QString &port, const JobResult &result, const QByteArray &record) {
    BoardIdentity board;
    {
        QMutexLocker lock(&mutex);
        board = boards.take(port);
    }
    board.port = port;
    stream.boardEnded(port, record);
    if (overview) {
        overview->boardEnded(port, result, record, QDateTime::currentDateTime());
        publishOverview();
    }
    ++summary.boards;
    ++(result.ok() ? summary.ok : result.interrupted() ? summary.interrupted : summary.failed);
    if (!settings.afterBoard.isSet()) return;

    if (result.chip) board.model = result.chip->name();
    if (result.chip && result.chip->known()) board.bootVersion = result.chip->bootVersion;
    // Hooks that are done are let go, so that a watch of days keeps only those still running.
    afterHooks.erase(
        std::remove_if(afterHooks.begin(), afterHooks.end(),
                       [](const std::unique_ptr<QThread> &t) { return t->isFinished(); }),
        afterHooks.end());
    afterHooks.emplace_back(QThread::create([this, board, record] {
        const QString problem = settings.afterBoard.afterBoard(board, record);
        if (problem.isEmpty()) return;
        stream.logLine(board.port, problem);
        if (settings.log) settings.log(board.port + QStringLiteral(": ") + problem);
    }));
    afterHooks.back()->start();
}

void LineStation::runEnded(int status) {
    summary.status = status;
    stream.runEnded(summary);
}

void LineStation::finish() {
    if (finished) return;
    finished = true;
    for (const auto &hook : afterHooks)
        hook->wait();
    afterHooks.clear();
    if (mqtt) mqtt->stop(settings.drainMs);
}

void LineStation::setRunning(int change) {
    running += change;
    if (mqtt)
        mqtt->setState(running > 0 ? MqttPublisher::State::Running : MqttPublisher::State::Idle);
    publishOverview();
}

void LineStation::countWith(std::function<Counters()> given) {
    counters = std::move(given);
    publishOverview();
}

void LineStation::publishOverview() {
    if (!overview) return;
    if (counters) {
        const Counters now = counters();
        overview->setCounters(now.counts, now.since);
    }
    mqtt->setOverview(overview->json(QDateTime::currentDateTime()));
}
