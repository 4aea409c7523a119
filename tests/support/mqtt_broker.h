#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

struct mosquitto;

// A real Mosquitto broker on 127.0.0.1, on a port that was free, with a configuration file and a
// persistence folder of its own, so that a broker stopped and started again keeps what it held
// for its subscribers. Check start()'s result first.
class MqttBroker {
  public:
    MqttBroker();
    ~MqttBroker();

    // Starts it and waits until it listens; false (with error()) when it does not.
    // `extraConfig`: lines added to its configuration (a password file, ...), kept for a restart.
    bool start(const QByteArray &extraConfig = QByteArray());
    // Stops it the way a service manager does (SIGTERM) and waits until it is gone.
    void stop();
    int port() const { return listenPort; }
    QString error() const { return failure; }
    QString dir() const { return folder.path(); }

    // A port on 127.0.0.1 that nothing listens on now.
    static int FreePort();

  private:
    QTemporaryDir folder;
    QByteArray extra;
    int listenPort = 0;
    QProcess process;
    QString failure;
};

// One message a subscriber received.
struct MqttReceived {
    QByteArray topic;
    QByteArray payload;
    bool retained = false;
};

// A subscriber with a session the broker keeps while it is away (QoS 1), connected again by its
// own thread after a loss: what was published meanwhile still reaches it.
class MqttSubscriber {
  public:
    MqttSubscriber(int port, const QByteArray &filter, const QByteArray &clientId = "test-sub",
                   const QByteArray &user = QByteArray(),
                   const QByteArray &password = QByteArray());
    ~MqttSubscriber();
    bool connected();

    // Waits until `done` holds for what arrived (asked after each arrival); false at `timeoutMs`.
    bool waitFor(const std::function<bool(const std::vector<MqttReceived> &)> &done,
                 int timeoutMs = 20000);
    std::vector<MqttReceived> received();

  private:
    mosquitto *client = nullptr;
    QByteArray filter;
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<MqttReceived> messages;
    bool subscribed = false;
};
