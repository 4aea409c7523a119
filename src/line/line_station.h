#pragma once

#include "jobs/board_thread.h"
#include "jobs/job_request.h"
#include "jobs/job_result.h"
#include "line/event_stream.h"
#include "line/line_hook.h"
#include "line/mqtt_publisher.h"
#include "line/station_overview.h"
#include "protocol/observer.h"

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QThread;

// What the production line hears of a station's boards and asks of them, for every front end that
// runs boards (tessara-cli's single board, gang and watch; a station's window): each board's
// events to the sinks (--json lines, the MQTT publisher), the line's approval as a gate of the
// board's job (--before-board), and the hook told how each board ended (--after-board), run on a
// thread of its own so that no board and no event waits for it. Used on one thread (the one that
// made it), but for the gate, which the boards' threads call.
class LineStation {
  public:
    struct Settings {
        QString command;      // as the events name it: "update-all"
        FILE *json = nullptr; // --json: the events, one per line, on this stream
        LineHook beforeBoard; // none: every board goes ahead
        LineHook afterBoard;  // none: nothing is run after a board
        std::optional<MqttSettings> mqtt;
        // The report of the run: the ends the broker has not acknowledged are kept beside it
        // (AckedEnds) and sent first by the next run, and the overview counts the station's boards
        // it already holds (Read_StationRecords). None: what a run cannot deliver is lost.
        QString report;
        // The station's first records in the report that its counters no longer count (those
        // before a reset of its counters): the overview counts the others again at the start.
        int uncountedRecords = 0;
        // How long the end of a run waits for its events to reach the broker.
        int drainMs = MqttPublisher::DefaultDrainMs;
        // A line for the operator (stderr, the journal): the broker's trouble, a failed hook
        // after a board. Called on the publisher's and the hooks' threads too.
        std::function<void(const QString &)> log;
    };

    explicit LineStation(Settings settings);
    // finish() if it was not called.
    ~LineStation();
    LineStation(const LineStation &) = delete;
    LineStation &operator=(const LineStation &) = delete;

    // Starts the MQTT publisher, if any, with the ends owed by earlier runs first; false (with
    // `error`) when it cannot be set up at all. A broker that is not there is no error.
    bool start(QString &error);

    // The line's approval, to append to the gates of a board's request (after a release's
    // checks): the --before-board hook with the board's identity (boardStarted) and the chip the
    // gate sees. None when there is no such hook.
    std::optional<Gate> gate();
    // `request` with that approval as its last gate.
    JobRequest gated(JobRequest request);

    // A board is found and its run starts: `arrival` and `start`, and the board is running.
    void boardStarted(const BoardIdentity &board);
    // What `board` shows comes as its events; then boardStarted(identity).
    void follow(BoardThread *board, QObject *context, const BoardIdentity &identity);
    // The board's run is over: `record` is its report record (Board_ReportLine), made once for
    // the report and for the line. Its `end` event, and the --after-board hook on its thread.
    void boardEnded(const QString &port, const JobResult &result, const QByteArray &record);
    // A board named `name` that was not there (it never started): its end with `record`, and
    // the hook after it, as for a board that ran.
    void boardAbsent(const QString &name, const JobResult &result, const QByteArray &record);
    // The run is over, with the program's exit status: its summary, the boards counted as they
    // ended.
    void runEnded(int status);
    // The overview's counters, when the front end keeps its own (StationOverview::setCounters):
    // `counters` is asked each time the overview is published, from now on.
    struct Counters {
        QJsonObject counts;
        QDateTime since;
    };
    void countWith(std::function<Counters()> counters);
    // The front end's counters changed outside a board's start or end (reset): published now.
    void countersChanged() { publishOverview(); }
    // Waits for the hooks after the boards and takes the station off the broker ("offline").
    void finish();

    EventStream &events() { return stream; }

  private:
    // The ends that earlier reports beside this run's one still owe, oldest report first.
    void sendEarlierReports();
    // Queues `records` as owed ends, their acknowledgements kept in `keptIn`; with a `station`
    // (not null), only the records that name it. How many were queued.
    int sendOwed(AckedEnds &keptIn, const QList<QByteArray> &records, const QString &station);
    void setRunning(int change);
    void publishOverview();
    // A board's end told: its event, the summary's count, the hook after it.
    void told(const QString &port, const JobResult &result, const QByteArray &record);

    const Settings settings;
    EventStream stream;
    std::unique_ptr<EventLines> jsonLines;
    AckedEnds acked;
    std::vector<std::unique_ptr<AckedEnds>> earlierAcked; // outlive the publisher
    std::unique_ptr<MqttPublisher> mqtt;
    std::unique_ptr<StationOverview> overview; // with the publisher, for the line lead's page
    std::function<Counters()> counters;        // none: the overview counts the runs itself
    int running = 0;
    RunSummary summary;
    bool finished = false;
    std::vector<std::unique_ptr<QThread>> afterHooks;

    QMutex mutex;                         // guards `boards`
    QHash<QString, BoardIdentity> boards; // by port, for the gate
};
