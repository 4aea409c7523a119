#include "line/line_station.h"

#include "line/station_records.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QThread>
#include <algorithm>

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
    // Before this run's events: the ends of earlier runs that the broker never acknowledged.
    const QList<QByteArray> owed = acked.owed();
    for (const QByteArray &record : owed) {
        const QString port = QJsonDocument::fromJson(record).object().value("port").toString();
        mqtt->deliver(End_Event(port, record, QDateTime::currentDateTime()));
    }
    if (!owed.isEmpty() && settings.log)
        settings.log(QStringLiteral("MQTT: %1 board %2 of earlier runs owed to the broker, sent "
                                    "first")
                         .arg(owed.size())
                         .arg(owed.size() == 1 ? QStringLiteral("end") : QStringLiteral("ends")));
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

void LineStation::publishOverview() {
    if (overview) mqtt->setOverview(overview->json(QDateTime::currentDateTime()));
}
