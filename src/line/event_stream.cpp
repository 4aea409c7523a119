#include "line/event_stream.h"

#include <QDateTime>
#include <QMutexLocker>
#include <chrono>

EventStream::EventStream(Clock c) : clock(std::move(c)) {
    if (!clock) {
        clock = [] {
            using namespace std::chrono;
            return qint64(
                duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
        };
    }
}

void EventStream::addSink(EventSink *sink) {
    QMutexLocker lock(&mutex);
    sinks.push_back(sink);
}

void EventStream::emitEvent(const LineEvent &event) {
    for (EventSink *sink : sinks)
        sink->deliver(event);
}

void EventStream::boardArrived(const BoardIdentity &board) {
    QMutexLocker lock(&mutex);
    emitEvent(Arrival_Event(board, QDateTime::currentDateTime()));
}

void EventStream::boardStarted(const QString &port, const QString &command) {
    QMutexLocker lock(&mutex);
    boards.insert(port, BoardProgress());
    emitEvent(Start_Event(port, command, QDateTime::currentDateTime()));
}

void EventStream::boardIdentified(const BoardIdentity &board) {
    QMutexLocker lock(&mutex);
    emitEvent(Identified_Event(board, QDateTime::currentDateTime()));
}

void EventStream::phaseStarted(const QString &port, ProgressPhase phase) {
    QMutexLocker lock(&mutex);
    BoardProgress &board = boards[port];
    board.phase = phase;
    board.told = -1;
    emitEvent(Phase_Event(port, phase, QDateTime::currentDateTime()));
}

void EventStream::progress(const QString &port, int percent) {
    percent = qBound(0, percent, 100);
    QMutexLocker lock(&mutex);
    BoardProgress &board = boards[port];
    if (percent == board.told) return;
    const qint64 now = clock();
    const bool due = board.toldAt < 0 || now - board.toldAt >= ProgressIntervalMs;
    if (!due && percent != 100) return;
    board.told = percent;
    board.toldAt = now;
    emitEvent(Progress_Event(port, board.phase, percent, QDateTime::currentDateTime()));
}

void EventStream::logLine(const QString &port, const QString &text) {
    QMutexLocker lock(&mutex);
    emitEvent(Log_Event(port, text, QDateTime::currentDateTime()));
}

void EventStream::message(const QString &port, const QString &text) {
    QMutexLocker lock(&mutex);
    emitEvent(Message_Event(port, text, QDateTime::currentDateTime()));
}

void EventStream::boardEnded(const QString &port, const QByteArray &record) {
    QMutexLocker lock(&mutex);
    boards.remove(port);
    emitEvent(End_Event(port, record, QDateTime::currentDateTime()));
}

void EventStream::runEnded(const RunSummary &summary) {
    QMutexLocker lock(&mutex);
    emitEvent(Summary_Event(summary, QDateTime::currentDateTime()));
}

void EventLines::deliver(const LineEvent &event) {
    const QByteArray line = event.json + '\n';
    if (device) {
        device->write(line);
        return;
    }
    std::fwrite(line.constData(), 1, size_t(line.size()), stream);
    std::fflush(stream);
}
