#include "sim_session.h"

#include "protocol/crc32.h"
#include "support/arrival_recorder.h"

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

SimSession::~SimSession() {
    // The link outlives the front end; a loss it notices while it closes is nobody's news.
    QObject::disconnect(lossReport);
}

void SimSession::connectHost() {
    // As the window and tessara-cli do, the operator hears of a device that went away.
    lossReport = QObject::connect(&link, &SerialLink::deviceLost,
                                  [this] { ui.logLine(QStringLiteral("Lost the device")); });
    started = sim.start();
    if (!started) {
        failure = QStringLiteral("simulator: ") + sim.errorString();
        return;
    }
    if (!link.Open(sim.portPath())) failure = QStringLiteral("cannot open ") + sim.portPath();
}

void SimSession::identify() {
    session.identity.model = Find_ChipModel(sim.config().modelCode);
}

bool SimSession::reopen() {
    if (!sim.waitForPresence(true, 5000)) return false;
    return link.Open(sim.portPath());
}

bool SimSession::waitForFrames(int count, int timeoutMs) const {
    return sim.waitForFrames(count, timeoutMs);
}

QByteArray SimSession::exchange(const QByteArray &frame, int replyBytes, int timeoutMs) {
    link.discardStale();
    link.write(reinterpret_cast<const uint8_t *>(frame.constData()), frame.size(), true);
    return collect(replyBytes, timeoutMs);
}

QByteArray SimSession::collect(int bytes, int timeoutMs) {
    const ArrivalRecorder recorder(link);
    QElapsedTimer clock;
    clock.start();
    while (recorder.bytes().size() < bytes && clock.elapsed() < timeoutMs)
        link.Wait_Reply(5, 1);
    return recorder.bytes();
}

QList<QByteArray> SimSession::arrivals(int timeoutMs, int maxArrivals) {
    const ArrivalRecorder recorder(link);
    QElapsedTimer clock;
    clock.start();
    while (recorder.arrivals.size() < maxArrivals && clock.elapsed() < timeoutMs)
        link.Wait_Reply(5, 1);
    return recorder.arrivals.mid(0, maxArrivals);
}

namespace simwire {

uint32_t le32(const QByteArray &b, int at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

void put16(QByteArray &b, int at, uint32_t value) {
    b[at] = char(value & 0xFF);
    b[at + 1] = char((value >> 8) & 0xFF);
}

void put32(QByteArray &b, int at, uint32_t value) {
    put16(b, at, value & 0xFFFF);
    put16(b, at + 2, value >> 16);
}

uint32_t crc(const QByteArray &b) {
    return crc32_calc(reinterpret_cast<const uint8_t *>(b.constData()), size_t(b.size()));
}

QByteArray frame(char letter, int size) {
    QByteArray f(size, '\0');
    f[0] = letter;
    return f;
}

QByteArray handshake(char selector, uint32_t code, uint32_t timestamp) {
    QByteArray f = frame('K');
    f[1] = selector;
    f[2] = 'K';
    f[3] = 'Q';
    put32(f, 4, timestamp);
    QByteArray input = f.left(8) + QByteArray(4, '\0');
    put32(input, 8, code);
    put32(f, 8, crc(input));
    f[16] = char(0x7F);
    return f;
}

} // namespace simwire
