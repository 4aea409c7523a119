#pragma once

#include "line/acked_ends.h"
#include "line/event_stream.h"
#include "line/mqtt_queue.h"
#include "line/mqtt_settings.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

struct mosquitto;

// Publishes a station's events to the line's MQTT broker (docs/events.md names the topics):
// each event under PREFIX/STATION/PORT/EVENT (the run's summary under PREFIX/STATION/summary),
// a board's end and the summary with QoS 1, the rest with QoS 0; the station's state, retained,
// under PREFIX/STATION/state, with "offline" as the last will.
// The broker never holds a board up: deliver() only queues, and a thread of the publisher's own
// connects (again and again while the broker is away, from the first try on) and sends. While the
// broker cannot be reached the events wait in a bounded queue (MqttQueue), sent in order once it
// can; what had to give way is said in a log line, and a board's end never does. The report file,
// not the broker, is the record of truth: with AckedEnds, each end the broker acknowledges is
// kept beside it, and the ends a run could not deliver are sent first by the next.
class MqttPublisher : public EventSink {
  public:
    enum class State { Online, Running, Idle };
    // A line for the operator (stderr, the journal); called on the publisher's threads.
    using Log = std::function<void(const QString &line)>;
    static constexpr int DefaultQueueLimit = 1000;
    static constexpr int DefaultDrainMs = 5000;

    MqttPublisher(const MqttSettings &settings, Log log, int queueLimit = DefaultQueueLimit);
    // stop(0) if stop() was not called.
    ~MqttPublisher() override;
    MqttPublisher(const MqttPublisher &) = delete;
    MqttPublisher &operator=(const MqttPublisher &) = delete;

    // Where the broker's acknowledgements of ends are kept, before start(); not owned.
    void keepAcknowledged(AckedEnds *ends) { acked = ends; }
    // Starts connecting and returns at once; false (with `error`) only when the client cannot be
    // set up at all (TLS, memory). A broker that is not there is no error: it is tried again.
    bool start(QString &error);
    // Running: boards are being written; Idle: none is. Retained, and sent again on each connect.
    void setState(State state);
    void deliver(const LineEvent &event) override;
    // An end owed by another report than the one of keepAcknowledged(): its acknowledgement is
    // kept in `keptIn` (not owned; it outlives the publisher).
    void deliverOwed(const LineEvent &end, AckedEnds *keptIn);
    // The station's overview (StationOverview), retained: only the latest is kept and sent,
    // after the state, and again on each connect.
    void setOverview(const QByteArray &json);
    // Says "offline", then waits at most `waitMs` for the queue to reach the broker (connecting
    // meanwhile if it must), and disconnects. The ends still owed are said in a log line: how
    // many, why (the broker not reached, refusing, still connecting, not acknowledging), and
    // whether the next run sends them.
    void stop(int waitMs = DefaultDrainMs);

    // The topics.
    QByteArray stateTopic() const;
    QByteArray overviewTopic() const;
    QByteArray eventTopic(const LineEvent &event) const;
    QString brokerName() const; // "host:port", for log lines

  private:
    void sendLoop();
    void onConnect(int rc);
    void onDisconnect(int rc);
    void onPublish(int mid);
    void connectFirst(std::unique_lock<std::mutex> &lock);
    void noteAcknowledged(const QByteArray &record, AckedEnds *keptIn);
    void noteDropped(LineEvent::Kind kind);   // with the lock held
    void noteProblem(const QString &problem); // a connection problem, said once
    static QByteArray stateWord(State state);

    const MqttSettings settings;
    const Log log;
    mosquitto *client = nullptr;
    AckedEnds *acked = nullptr;
    std::thread sender;

    std::mutex mutex; // guards what follows
    std::condition_variable wake;
    MqttQueue queue;
    State state = State::Online;
    QByteArray overview; // the latest overview; empty: none yet
    bool overviewDue = false;
    bool stateDue = false;  // the state is to be (re)published
    bool onlineDue = false; // "online", once connected, before the state
    bool connected = false;
    bool everConnected = false;
    bool stopping = false;
    bool offlineDue = false;
    // Handed to the client, not yet acknowledged, by mid.
    struct Sent {
        int qos = 0;
        QByteArray record; // an end's
        AckedEnds *keptIn = nullptr;
    };
    QHash<int, Sent> inFlight;
    QSet<int> earlyAcks;                // acknowledged before their publish call returned
    QMap<LineEvent::Kind, int> dropped; // since the queue last overflowed
    QString lastProblem;                // the last connection problem logged
    QString lastAckProblem;             // the last failure to keep an acknowledgement
};
