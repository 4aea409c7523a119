#include "sim_session.h"

#include <QElapsedTimer>

namespace {
SimConfig configFor(const QString &model) {
    SimConfig config;
    SimConfig::forModel(model, &config);
    return config;
}
} // namespace

SimSession::SimSession(const SimConfig &config) : sim(config), session(link, ui) {
    connectHost();
}

SimSession::SimSession(const QString &model) : sim(configFor(model)), session(link, ui) {
    if (!sim::modelByName(model)) {
        failure = QStringLiteral("unknown model ") + model;
        return;
    }
    connectHost();
}

void SimSession::connectHost() {
    started = sim.start();
    if (!started) {
        failure = QStringLiteral("simulator: ") + sim.errorString();
        return;
    }
    if (!link.Open(sim.portPath())) failure = QStringLiteral("cannot open ") + sim.portPath();
}

void SimSession::identify() {
    session.modelCode = sim.config().modelCode;
}

bool SimSession::reopen() {
    if (!sim.waitForPresence(true, 5000)) return false;
    return link.Open(sim.portPath());
}

bool SimSession::waitForFrames(int count, int timeoutMs) const {
    return sim.waitForFrames(count, timeoutMs);
}

QByteArray SimSession::exchange(const QByteArray &frame, int replyBytes, int timeoutMs) {
    link.rxFlag = 0;
    link.write(reinterpret_cast<const uint8_t *>(frame.constData()), frame.size(), true);
    return collect(replyBytes, timeoutMs);
}

QByteArray SimSession::collect(int bytes, int timeoutMs) {
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (got.size() < bytes && clock.elapsed() < timeoutMs) {
        if (link.Wait_Reply(5, 1) == SerialLink::Wait::Reply) {
            got.append(reinterpret_cast<const char *>(link.rxBuf), link.rxLen);
            link.rxFlag = 0;
        }
    }
    return got;
}

QList<QByteArray> SimSession::arrivals(int timeoutMs, int maxArrivals) {
    QList<QByteArray> list;
    QElapsedTimer clock;
    clock.start();
    while (list.size() < maxArrivals && clock.elapsed() < timeoutMs) {
        if (link.Wait_Reply(5, 1) == SerialLink::Wait::Reply) {
            list.append(QByteArray(reinterpret_cast<const char *>(link.rxBuf), link.rxLen));
            link.rxFlag = 0;
        }
    }
    return list;
}
