#include "line/mqtt_publisher.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <mosquitto.h>

namespace {

constexpr int KeepAliveSeconds = 30;
// Messages handed to the client and not yet acknowledged by the broker: beyond this, the rest
// wait in the queue, where they are bounded and weighed.
constexpr int InFlightLimit = 100;
// The client's wait before connecting again, doubled after each failure up to the longest: a
// broker that comes back is found within a few seconds.
constexpr int ReconnectFirstSeconds = 1;
constexpr int ReconnectLongestSeconds = 4;

QString ends(int count) {
    return count == 1 ? QStringLiteral("1 board end") : QStringLiteral("%1 board ends").arg(count);
}

std::once_flag libraryReady;

MqttPublisher *publisherOf(void *object) {
    return static_cast<MqttPublisher *>(object);
}

QString kindCounts(const QMap<LineEvent::Kind, int> &counts) {
    QStringList parts;
    int total = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        parts.append(
            QStringLiteral("%1 %2").arg(it.value()).arg(QLatin1String(Event_Name(it.key()))));
        total += it.value();
    }
    return QStringLiteral("%1 events (%2)").arg(total).arg(parts.join(QStringLiteral(", ")));
}

} // namespace

MqttPublisher::MqttPublisher(const MqttSettings &s, Log l, int queueLimit)
    : settings(s), log(std::move(l)), queue(queueLimit) {}

MqttPublisher::~MqttPublisher() {
    stop(0);
}

QString MqttPublisher::brokerName() const {
    return QStringLiteral("%1:%2").arg(settings.host).arg(settings.port);
}

QByteArray MqttPublisher::stateTopic() const {
    return (settings.prefix + QLatin1Char('/') + Topic_Level(settings.station) +
            QStringLiteral("/state"))
        .toUtf8();
}

QByteArray MqttPublisher::overviewTopic() const {
    return (settings.prefix + QLatin1Char('/') + Topic_Level(settings.station) +
            QStringLiteral("/overview"))
        .toUtf8();
}

QByteArray MqttPublisher::eventTopic(const LineEvent &event) const {
    QString topic = settings.prefix + QLatin1Char('/') + Topic_Level(settings.station);
    // The run's summary and the lines of no board are the station's own.
    if (!event.port.isEmpty()) topic += QLatin1Char('/') + Topic_Level(event.port);
    return (topic + QLatin1Char('/') + QLatin1String(Event_Name(event.kind))).toUtf8();
}

QByteArray MqttPublisher::stateWord(State state) {
    switch (state) {
    case State::Running:
        return "running";
    case State::Idle:
        return "idle";
    case State::Online:
        break;
    }
    return "online";
}

bool MqttPublisher::start(QString &error) {
    std::call_once(libraryReady, [] { mosquitto_lib_init(); });
    const QByteArray id = "tessara-" + Topic_Level(settings.station).toUtf8() + '-' +
                          QByteArray::number(QCoreApplication::applicationPid());
    client = mosquitto_new(id.constData(), true, this);
    if (!client) {
        error = QStringLiteral("cannot set up the MQTT client: %1").arg(strerror(errno));
        return false;
    }
    mosquitto_int_option(client, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_reconnect_delay_set(client, ReconnectFirstSeconds, ReconnectLongestSeconds, true);
    mosquitto_connect_callback_set(
        client, [](mosquitto *, void *object, int rc) { publisherOf(object)->onConnect(rc); });
    mosquitto_disconnect_callback_set(
        client, [](mosquitto *, void *object, int rc) { publisherOf(object)->onDisconnect(rc); });
    mosquitto_publish_callback_set(
        client, [](mosquitto *, void *object, int mid) { publisherOf(object)->onPublish(mid); });
    // What the client itself finds wrong (a TLS handshake that fails) is said once.
    mosquitto_log_callback_set(client, [](mosquitto *, void *object, int level, const char *text) {
        if (level & MOSQ_LOG_ERR) publisherOf(object)->noteProblem(QString::fromUtf8(text));
    });
    int rc = MOSQ_ERR_SUCCESS;
    if (!settings.username.isEmpty())
        rc = mosquitto_username_pw_set(client, settings.username.toUtf8().constData(),
                                       settings.password.toUtf8().constData());
    if (rc == MOSQ_ERR_SUCCESS && settings.tls)
        rc = mosquitto_int_option(client, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
    const QByteArray willTopic = stateTopic();
    if (rc == MOSQ_ERR_SUCCESS)
        rc = mosquitto_will_set(client, willTopic.constData(), 7, "offline", 1, true);
    if (rc != MOSQ_ERR_SUCCESS) {
        error = QStringLiteral("cannot set up the MQTT client: %1").arg(mosquitto_strerror(rc));
        mosquitto_destroy(client);
        client = nullptr;
        return false;
    }
    sender = std::thread([this] { sendLoop(); });
    return true;
}

void MqttPublisher::setState(State value) {
    std::lock_guard<std::mutex> lock(mutex);
    state = value;
    stateDue = true;
    wake.notify_all();
}

void MqttPublisher::setOverview(const QByteArray &json) {
    std::lock_guard<std::mutex> lock(mutex);
    overview = json;
    overviewDue = true;
    wake.notify_all();
}

void MqttPublisher::deliver(const LineEvent &event) {
    deliverOwed(event, acked);
}

void MqttPublisher::deliverOwed(const LineEvent &event, AckedEnds *keptIn) {
    MqttMessage message;
    message.topic = eventTopic(event);
    message.payload = event.json;
    message.kind = event.kind;
    message.qos = event.kind == LineEvent::End || event.kind == LineEvent::Summary ? 1 : 0;
    message.record = event.record;
    message.keptIn = keptIn;
    std::lock_guard<std::mutex> lock(mutex);
    if (const std::optional<LineEvent::Kind> gone = queue.push(std::move(message)))
        noteDropped(*gone);
    wake.notify_all();
}

void MqttPublisher::noteDropped(LineEvent::Kind kind) {
    if (dropped.isEmpty())
        log(QStringLiteral("MQTT: the queue for the broker at %1 is full (%2 events): events are "
                           "dropped until it can be sent, progress first, a board's end last")
                .arg(brokerName())
                .arg(queue.capacity()));
    ++dropped[kind];
}

void MqttPublisher::noteProblem(const QString &problem) {
    std::lock_guard<std::mutex> lock(mutex);
    if (problem == lastProblem || stopping) return;
    lastProblem = problem;
    log(QStringLiteral("MQTT: %1 (broker %2); events wait in a queue of %3 and are sent once it "
                       "can be reached")
            .arg(problem, brokerName())
            .arg(queue.capacity()));
}

void MqttPublisher::sendLoop() {
    std::unique_lock<std::mutex> lock(mutex);
    connectFirst(lock);
    if (stopping) return;
    for (;;) {
        wake.wait(lock, [this] {
            const bool room = inFlight.size() < InFlightLimit;
            return stopping ||
                   (connected && room &&
                    (onlineDue || stateDue || overviewDue || !queue.isEmpty() || offlineDue));
        });
        if (stopping) return;
        // The state first, so that a subscriber knows the station before its events; "offline"
        // last, after everything else went.
        MqttMessage message;
        message.qos = 1;
        message.retain = true;
        message.topic = stateTopic();
        if (onlineDue) {
            message.payload = "online";
            onlineDue = false;
        } else if (stateDue) {
            message.payload = stateWord(state);
            stateDue = false;
        } else if (overviewDue) {
            message.topic = overviewTopic();
            message.payload = overview;
            message.kind = LineEvent::Summary;
            overviewDue = false;
        } else if (!queue.isEmpty()) {
            message = *queue.pop();
        } else {
            message.payload = "offline";
            offlineDue = false;
        }
        lock.unlock();
        int mid = 0;
        const int sent =
            mosquitto_publish(client, &mid, message.topic.constData(), message.payload.size(),
                              message.payload.constData(), message.qos, message.retain);
        lock.lock();
        // A QoS 1 message is kept by the client even when the connection just went: it goes
        // again on reconnection. Anything else that did not go is lost.
        if (sent == MOSQ_ERR_SUCCESS || (sent == MOSQ_ERR_NO_CONN && message.qos > 0)) {
            if (!earlyAcks.remove(mid))
                inFlight.insert(mid, {message.qos, message.record, message.keptIn});
            else if (!message.record.isEmpty())
                noteAcknowledged(message.record, message.keptIn);
        } else if (message.kind == LineEvent::End) {
            // Tried again, after what waits: an end is never given up.
            queue.push(std::move(message));
        } else if (sent == MOSQ_ERR_NO_CONN) {
            noteDropped(message.kind);
        } else {
            log(QStringLiteral("MQTT: a %1 event could not be published: %2")
                    .arg(QLatin1String(Event_Name(message.kind)),
                         QString::fromUtf8(mosquitto_strerror(sent))));
        }
        if (connected && queue.isEmpty() && !dropped.isEmpty()) {
            log(QStringLiteral("MQTT: the queue is sent; %1 were dropped while it was full")
                    .arg(kindCounts(dropped)));
            dropped.clear();
        }
        wake.notify_all();
    }
}

void MqttPublisher::onConnect(int rc) {
    std::unique_lock<std::mutex> lock(mutex);
    if (rc != 0) {
        lock.unlock();
        noteProblem(QStringLiteral("the broker refused the connection: %1")
                        .arg(QString::fromUtf8(mosquitto_connack_string(rc))));
        return;
    }
    connected = true;
    onlineDue = true;
    stateDue = true;
    overviewDue = !overview.isEmpty();
    if (!lastProblem.isEmpty()) {
        log(QStringLiteral("MQTT: connected to %1").arg(brokerName()));
        lastProblem.clear();
    }
    wake.notify_all();
}

void MqttPublisher::onDisconnect(int rc) {
    std::unique_lock<std::mutex> lock(mutex);
    connected = false;
    // What went with QoS 0 is gone with the connection; QoS 1 messages go again.
    for (auto it = inFlight.begin(); it != inFlight.end();)
        it = it.value().qos == 0 ? inFlight.erase(it) : std::next(it);
    wake.notify_all();
    if (rc == 0 || stopping) return;
    lock.unlock();
    noteProblem(
        QStringLiteral("lost the connection: %1").arg(QString::fromUtf8(mosquitto_strerror(rc))));
}

void MqttPublisher::onPublish(int mid) {
    std::lock_guard<std::mutex> lock(mutex);
    const auto sent = inFlight.find(mid);
    if (sent == inFlight.end()) {
        earlyAcks.insert(mid);
    } else {
        if (!sent->record.isEmpty()) noteAcknowledged(sent->record, sent->keptIn);
        inFlight.erase(sent);
    }
    wake.notify_all();
}

void MqttPublisher::noteAcknowledged(const QByteArray &record, AckedEnds *keptIn) {
    QString error;
    if (!keptIn || keptIn->acknowledged(record, error)) return;
    if (error == lastAckProblem) return;
    lastAckProblem = error;
    log(QStringLiteral("MQTT: %1: ends the broker has will be sent again by the next run")
            .arg(error));
}

void MqttPublisher::connectFirst(std::unique_lock<std::mutex> &lock) {
    // Until the first try goes out (a refused or unreachable broker fails at once); after it, the
    // client's own thread connects again after every loss.
    int delay = ReconnectFirstSeconds;
    for (;;) {
        // Unlocked: the client's callbacks take the lock.
        lock.unlock();
        const QByteArray host = settings.host.toUtf8();
        const int rc =
            mosquitto_connect_async(client, host.constData(), settings.port, KeepAliveSeconds);
        const QString why = rc == MOSQ_ERR_ERRNO ? QString::fromLocal8Bit(strerror(errno))
                                                 : QString::fromUtf8(mosquitto_strerror(rc));
        if (rc != MOSQ_ERR_SUCCESS)
            noteProblem(QStringLiteral("cannot reach the broker: %1").arg(why));
        lock.lock();
        if (rc == MOSQ_ERR_SUCCESS) break;
        if (wake.wait_for(lock, std::chrono::seconds(delay), [this] { return stopping; })) return;
        delay = qMin(delay * 2, ReconnectLongestSeconds);
    }
    lock.unlock();
    mosquitto_loop_start(client);
    lock.lock();
}

void MqttPublisher::stop(int waitMs) {
    if (!client) return;
    std::unique_lock<std::mutex> lock(mutex);
    offlineDue = true;
    wake.notify_all();
    // A short run waits for the broker too, connecting if it must.
    wake.wait_for(lock, std::chrono::milliseconds(waitMs), [this] {
        return connected && queue.isEmpty() && inFlight.isEmpty() && !offlineDue && !stateDue &&
               !onlineDue && !overviewDue;
    });
    stopping = true;
    int owedEnds = queue.count(LineEvent::End), unsent = queue.size();
    for (const Sent &sent : qAsConst(inFlight)) {
        unsent += sent.qos > 0 ? 1 : 0;
        owedEnds += sent.record.isEmpty() ? 0 : 1;
    }
    const QString why = lastProblem.isEmpty()
                            ? (connected ? QStringLiteral("not acknowledged in time")
                                         : QStringLiteral("still connecting"))
                            : lastProblem;
    lock.unlock();
    wake.notify_all();
    if (sender.joinable()) sender.join();
    mosquitto_disconnect(client);
    mosquitto_loop_stop(client, false);
    mosquitto_destroy(client);
    client = nullptr;
    if (owedEnds > 0)
        log(QStringLiteral("MQTT: %1 not delivered to the broker at %2 (%3): %4")
                .arg(ends(owedEnds), brokerName(), why,
                     acked && acked->isOpen()
                         ? QStringLiteral("the next run sends them first (%1)").arg(acked->path())
                         : QStringLiteral("lost to the line: without --report no run sends "
                                          "them again")));
    else if (unsent > 0)
        log(QStringLiteral("MQTT: %1 events were not sent to the broker at %2 (%3)")
                .arg(unsent)
                .arg(brokerName(), why));
}
