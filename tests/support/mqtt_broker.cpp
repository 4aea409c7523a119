#include "support/mqtt_broker.h"

#include <QDeadlineTimer>
#include <QFile>
#include <arpa/inet.h>
#include <mosquitto.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

int MqttBroker::FreePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

MqttBroker::MqttBroker() : listenPort(FreePort()) {}

MqttBroker::~MqttBroker() {
    stop();
}

bool MqttBroker::start(const QByteArray &extraConfig) {
    if (!extraConfig.isNull()) extra = extraConfig;
    const QString config = folder.filePath(QStringLiteral("mosquitto.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        failure = QStringLiteral("cannot write ") + config;
        return false;
    }
    // As root it would become the user mosquitto, who cannot read our temporary folder.
    file.write(
        "listener " + QByteArray::number(listenPort) + " 127.0.0.1\nuser root\n" +
        (extra.contains("password_file") ? "allow_anonymous false\n" : "allow_anonymous true\n") +
        "persistence true\npersistence_location " + folder.path().toUtf8() +
        "/\nlog_dest stderr\nlog_type error\nlog_type warning\nlog_type notice\nlog_type "
        "information\n" +
        extra);
    file.close();
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("mosquitto"), {QStringLiteral("-c"), config});
    if (!process.waitForStarted()) {
        failure = QStringLiteral("mosquitto did not start (is it installed?)");
        return false;
    }
    // It says so once it listens.
    QByteArray said;
    const QDeadlineTimer deadline(10000);
    while (!said.contains(" running")) {
        if (deadline.hasExpired() || !process.waitForReadyRead(int(deadline.remainingTime()))) {
            failure = QStringLiteral("mosquitto is not running: ") + QString::fromUtf8(said);
            return false;
        }
        said += process.readAll();
    }
    return true;
}

void MqttBroker::stop() {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
}

MqttSubscriber::MqttSubscriber(int port, const QByteArray &topics, const QByteArray &clientId,
                               const QByteArray &user, const QByteArray &password)
    : filter(topics) {
    mosquitto_lib_init();
    client = mosquitto_new(clientId.constData(), false, this);
    if (!user.isEmpty()) mosquitto_username_pw_set(client, user.constData(), password.constData());
    mosquitto_reconnect_delay_set(client, 1, 1, false);
    mosquitto_connect_callback_set(client, [](mosquitto *m, void *object, int rc) {
        auto *self = static_cast<MqttSubscriber *>(object);
        if (rc == 0) mosquitto_subscribe(m, nullptr, self->filter.constData(), 1);
    });
    mosquitto_subscribe_callback_set(client, [](mosquitto *, void *object, int, int, const int *) {
        auto *self = static_cast<MqttSubscriber *>(object);
        std::lock_guard<std::mutex> lock(self->mutex);
        self->subscribed = true;
        self->arrived.notify_all();
    });
    mosquitto_message_callback_set(client, [](mosquitto *, void *object,
                                              const mosquitto_message *m) {
        auto *self = static_cast<MqttSubscriber *>(object);
        std::lock_guard<std::mutex> lock(self->mutex);
        self->messages.push_back({QByteArray(m->topic),
                                  QByteArray(static_cast<const char *>(m->payload), m->payloadlen),
                                  m->retain});
        self->arrived.notify_all();
    });
    mosquitto_connect(client, "127.0.0.1", port, 30);
    mosquitto_loop_start(client);
}

MqttSubscriber::~MqttSubscriber() {
    mosquitto_disconnect(client);
    mosquitto_loop_stop(client, false);
    mosquitto_destroy(client);
}

bool MqttSubscriber::connected() {
    std::unique_lock<std::mutex> lock(mutex);
    return arrived.wait_for(lock, std::chrono::seconds(10), [this] { return subscribed; });
}

bool MqttSubscriber::waitFor(const std::function<bool(const std::vector<MqttReceived> &)> &done,
                             int timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex);
    return arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                            [&] { return done(messages); });
}

std::vector<MqttReceived> MqttSubscriber::received() {
    std::lock_guard<std::mutex> lock(mutex);
    return messages;
}
