#pragma once

#include "line/line_event.h"

#include <QHash>
#include <QIODevice>
#include <QMutex>
#include <QString>
#include <cstdio>
#include <functional>
#include <vector>

// Where events go: the --json lines, the MQTT publisher. Called with the stream's lock held, in
// the order the events happened, one at a time: a sink must not call back into the stream.
class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void deliver(const LineEvent &event) = 0;
};

// Turns what the boards of a run do into events, for every sink. Safe to call from any thread:
// each board's thread tells its own board's happenings, and each event reaches the sinks whole
// and in order. Progress is thinned to at most one event per board every 100 ms; a phase's 100 %
// always goes out, and a percent already told is never told again.
class EventStream {
  public:
    // Milliseconds of a steady clock; a test may drive its own.
    using Clock = std::function<qint64()>;
    static constexpr qint64 ProgressIntervalMs = 100;

    explicit EventStream(Clock clock = {});

    // Before the first event; the stream does not own the sink.
    void addSink(EventSink *sink);

    // The board's port was found: in a gang when the run starts, in a watch when it appears.
    void boardArrived(const BoardIdentity &board);
    // The command starts on it.
    void boardStarted(const QString &port, const QString &command);
    // The chip answered as `board.model` with `board.bootVersion`.
    void boardIdentified(const BoardIdentity &board);
    void phaseStarted(const QString &port, ProgressPhase phase);
    void progress(const QString &port, int percent);
    void logLine(const QString &port, const QString &text);
    // A text the window would show in a message box ("Time over!"), or a reason of our own.
    void message(const QString &port, const QString &text);
    // The board's run is over; `record` is its report record (Board_ReportLine).
    void boardEnded(const QString &port, const QByteArray &record);
    // The run is over (a gang's table, a watch's summary).
    void runEnded(const RunSummary &summary);

  private:
    struct BoardProgress {
        std::optional<ProgressPhase> phase;
        int told = -1;      // the last percent told in this phase; -1: none
        qint64 toldAt = -1; // when the last progress of the board was told; -1: never
    };

    void emitEvent(const LineEvent &event);

    Clock clock;
    QMutex mutex;
    std::vector<EventSink *> sinks;
    QHash<QString, BoardProgress> boards; // by port
};

// The --json output: each event as one line on a stream or a device, written whole and flushed
// at once, so that a reader sees it as it happens. A reader that went away ends nothing.
class EventLines : public EventSink {
  public:
    explicit EventLines(FILE *to) : stream(to) {}
    explicit EventLines(QIODevice *to) : device(to) {}
    void deliver(const LineEvent &event) override;

  private:
    FILE *stream = nullptr;
    QIODevice *device = nullptr;
};
