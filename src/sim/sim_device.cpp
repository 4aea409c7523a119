#include "sim/sim_device.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

SimDevice::SimDevice(const SimConfig &config)
    : loader(config), framer([this](uint8_t letter) { return loader.frameSize(letter); }),
      linkName(config.linkPath) {}

SimDevice::~SimDevice() {
    stop();
}

bool SimDevice::start() {
    std::lock_guard<std::mutex> lock(mutex);
    if (running) return true;
    error.clear();
    wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd < 0) {
        error = QStringLiteral("eventfd failed");
        return false;
    }
    if (!pty.open(&error) ||
        (!linkName.isEmpty() && !pointLink(linkName, pty.slavePath(), &error))) {
        pty.close();
        ::close(wakeFd);
        wakeFd = -1;
        return false;
    }
    clock.start();
    present = true;
    appeared = 1;
    running = true;
    stopping = false;
    worker = std::thread([this] { serve(); });
    return true;
}

void SimDevice::stop() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!running) return;
        stopping = true;
    }
    wake();
    worker.join();
    std::lock_guard<std::mutex> lock(mutex);
    pty.close();
    present = false;
    running = false;
    ::close(wakeFd);
    wakeFd = -1;
    if (!linkName.isEmpty()) QFile::remove(linkName);
    changed.notify_all();
}

void SimDevice::wake() {
    const uint64_t one = 1;
    if (wakeFd >= 0 && ::write(wakeFd, &one, sizeof one) < 0) {
        // The counter is saturated, so the thread is being woken anyway.
    }
}

QString SimDevice::errorString() const {
    std::lock_guard<std::mutex> lock(mutex);
    return error;
}

QString SimDevice::portPath() const {
    std::lock_guard<std::mutex> lock(mutex);
    return pty.slavePath();
}

bool SimDevice::isPresent() const {
    std::lock_guard<std::mutex> lock(mutex);
    return present;
}

int SimDevice::appearances() const {
    std::lock_guard<std::mutex> lock(mutex);
    return appeared;
}

bool SimDevice::waitForPresence(bool wanted, int timeoutMs) const {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                            [&] { return present == wanted; });
}

void SimDevice::vanish(int returnAfterMs) {
    {
        std::lock_guard<std::mutex> lock(mutex);
        vanishRequest = std::max(returnAfterMs, -1);
    }
    wake();
}

void SimDevice::addFault(const SimFault &fault) {
    std::lock_guard<std::mutex> lock(mutex);
    faults.add(fault);
}

void SimDevice::addPowerCut(const SimPowerCut &cut) {
    std::lock_guard<std::mutex> lock(mutex);
    faults.add(cut);
}

int SimDevice::powerCuts() const {
    std::lock_guard<std::mutex> lock(mutex);
    return powerCutCount;
}

void SimDevice::clearFaults() {
    std::lock_guard<std::mutex> lock(mutex);
    faults.clear();
}

QVector<SimFrame> SimDevice::received() const {
    std::lock_guard<std::mutex> lock(mutex);
    return frames;
}

int SimDevice::receivedCount() const {
    std::lock_guard<std::mutex> lock(mutex);
    return frameCount;
}

bool SimDevice::waitForFrames(int count, int timeoutMs) const {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                            [&] { return frameCount >= count; });
}

void SimDevice::clearReceived() {
    std::lock_guard<std::mutex> lock(mutex);
    frames.clear();
    frameCount = 0;
}

void SimDevice::setLogSink(std::function<void(const QString &)> sink) {
    std::lock_guard<std::mutex> lock(mutex);
    logSink = std::move(sink);
}

SimConfig SimDevice::config() const {
    std::lock_guard<std::mutex> lock(mutex);
    return loader.config();
}

void SimDevice::setConfig(const SimConfig &config) {
    std::lock_guard<std::mutex> lock(mutex);
    loader.setConfig(config);
}

QByteArray SimDevice::mcuFlash() const {
    std::lock_guard<std::mutex> lock(mutex);
    return loader.mcuFlash;
}

void SimDevice::writeMcuFlash(int offset, const QByteArray &bytes) {
    std::lock_guard<std::mutex> lock(mutex);
    if (offset >= 0 && qint64(offset) + bytes.size() <= loader.mcuFlash.size())
        loader.mcuFlash.replace(offset, bytes.size(), bytes);
}

QByteArray SimDevice::externalFlash(qint64 offset, qint64 length) const {
    std::lock_guard<std::mutex> lock(mutex);
    const qint64 size = loader.externalFlash.size();
    offset = qBound<qint64>(0, offset, size);
    if (length < 0 || length > size - offset) length = size - offset;
    return loader.externalFlash.read(offset, std::min<qint64>(length, INT_MAX));
}

void SimDevice::writeExternalFlash(qint64 offset, const QByteArray &bytes) {
    std::lock_guard<std::mutex> lock(mutex);
    if (offset >= 0 && offset + bytes.size() <= loader.externalFlash.size())
        loader.externalFlash.write(offset, bytes);
}

QByteArray SimDevice::wordMemory() const {
    std::lock_guard<std::mutex> lock(mutex);
    return loader.wordMemory;
}

SimBootRecords SimDevice::bootRecords() const {
    std::lock_guard<std::mutex> lock(mutex);
    return loader.bootRecords;
}

int SimDevice::flashAddrMode() const {
    std::lock_guard<std::mutex> lock(mutex);
    return loader.flashAddrMode;
}

qint64 SimDevice::busyUs() const {
    std::lock_guard<std::mutex> lock(mutex);
    return busyTotalUs;
}

// ---- the serving thread ----

void SimDevice::serve() {
    for (;;) {
        pollfd fds[2] = {{wakeFd, POLLIN, 0}, {-1, 0, 0}};
        int timeout;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (present) {
                fds[1].fd = pty.master();
                fds[1].events = short((working() ? 0 : POLLIN) | (output.isEmpty() ? 0 : POLLOUT));
            }
            timeout = pollTimeoutMs();
        }
        ::poll(fds, 2, timeout);

        QStringList logLines;
        std::function<void(const QString &)> sink;
        {
            std::lock_guard<std::mutex> lock(mutex);
            uint64_t counter;
            while (::read(wakeFd, &counter, sizeof counter) > 0) {
            }
            if (stopping) return;
            if (vanishRequest != -2) {
                if (present) disappear(vanishRequest);
                vanishRequest = -2;
            }
            if (!present && returnAtMs >= 0 && clock.elapsed() >= returnAtMs) reappear();
            if (present && powerFailsAtUs >= 0 && nowUs() >= powerFailsAtUs) {
                sendDueReplies(); // what was due before the power failed
                flushOutput();
                powerFail();
            }
            if (present) {
                readFromHost(logLines);
                discardIdlePartial(logLines);
            }
            if (present) {
                sendDueReplies();
                flushOutput();
            }
            sink = logSink;
        }
        if (sink)
            for (const QString &line : logLines)
                sink(line);
    }
}

// Until the next thing that is due: a reply, the end of the work in hand, the idle reset of a
// partial frame, a return.
int SimDevice::pollTimeoutMs() const {
    qint64 dueUs = LLONG_MAX;
    if (!present && returnAtMs >= 0) dueUs = returnAtMs * 1000;
    if (present) {
        if (!pending.empty()) dueUs = std::min(dueUs, pending.front().dueUs);
        if (working()) dueUs = std::min(dueUs, busyUntilUs);
        if (powerFailsAtUs >= 0) dueUs = std::min(dueUs, powerFailsAtUs);
        if (framer.pendingBytes() > 0) dueUs = std::min(dueUs, idleResetDueUs());
    }
    if (dueUs == LLONG_MAX) return -1;
    return int(qBound<qint64>(0, (dueUs - nowUs() + 999) / 1000, 60000));
}

// A partial frame is idle from its last byte, or from the end of the work that kept the chip
// from reading the rest.
qint64 SimDevice::idleResetDueUs() const {
    return std::max(lastByteMs * 1000, busyUntilUs) +
           qint64(loader.config().frameIdleResetMs) * 1000;
}

void SimDevice::readFromHost(QStringList &logLines) {
    static constexpr int ChunkSize = 64 * 1024;
    // A few chunks per pass, so that due replies are not held back by a steady stream.
    static constexpr int ChunksPerPass = 8;
    static thread_local std::vector<char> chunk(ChunkSize);
    for (int i = 0; i < ChunksPerPass && !working(); ++i) {
        const ssize_t n = ::read(pty.master(), chunk.data(), ChunkSize);
        if (n <= 0) return; // EAGAIN: all read
        lastByteMs = clock.elapsed();
        std::vector<QByteArray> complete;
        framer.feed(chunk.data(), int(n), complete);
        for (const QByteArray &frame : complete) {
            handleFrame(frame, logLines);
            if (!present) return; // what the host sent after the device went away is lost
        }
    }
}

void SimDevice::handleFrame(const QByteArray &bytes, QStringList &logLines) {
    SimFrame frame;
    frame.timeMs = clock.elapsed();
    frame.bytes = bytes;
    const SimPowerCut *cut = faults.powerCutAt(bytes);
    const SimPowerCut powerCut = cut ? *cut : SimPowerCut();
    SimResponse response = loader.handle(frame, cut ? powerCut.percent : 100);
    faults.apply(frame, response);
    if (cut)
        frame.note += (frame.note.isEmpty() ? QString() : QStringLiteral(", ")) +
                      QStringLiteral("power cut at %1% of its work").arg(powerCut.percent);
    record(frame, logLines);

    // Timed from the answer, so that a long computation (a CRC over megabytes under the
    // sanitizers) does not send replies meant to be apart in one burst; frames read together
    // with one that made the chip busy wait for it, one after the other.
    const qint64 startUs = std::max(nowUs(), busyUntilUs);
    busyUntilUs = startUs + response.busyUs;
    busyTotalUs += response.busyUs;
    for (const SimReply &reply : response.replies)
        pending.push_back({startUs + reply.atUs, nextOrder++, reply.bytes});
    std::stable_sort(pending.begin(), pending.end(), [](const Pending &a, const Pending &b) {
        return a.dueUs != b.dueUs ? a.dueUs < b.dueUs : a.order < b.order;
    });
    if (cut) {
        // As far into its time as into its work; what was due before that still goes out.
        powerFailsAtUs = startUs + response.busyUs * powerCut.percent / 100;
        powerBackAfterMs = powerCut.backAfterMs;
        if (powerFailsAtUs <= nowUs()) powerFail();
        return;
    }
    if (response.vanish) disappear(response.returnAfterMs);
}

// A frame that stops half-way is dropped once the line has been idle, so that the next command
// starts a fresh frame. It gets no reply: the host has given up on it by then.
void SimDevice::discardIdlePartial(QStringList &logLines) {
    if (framer.pendingBytes() == 0 || nowUs() < idleResetDueUs()) return;
    SimFrame frame;
    frame.timeMs = clock.elapsed();
    frame.bytes = framer.discard();
    frame.letter = uint8_t(frame.bytes.at(0));
    frame.name = QString(QChar(frame.letter));
    frame.reject(QStringLiteral("incomplete frame: %1 of %2 bytes")
                     .arg(frame.bytes.size())
                     .arg(loader.frameSize(frame.letter)));
    record(frame, logLines);
}

void SimDevice::record(SimFrame &frame, QStringList &logLines) {
    frame.index = frameCount++;
    if (logSink) logLines.append(frame.text());
    if (loader.config().keepRecord) frames.append(frame);
    changed.notify_all();
}

void SimDevice::sendDueReplies() {
    const qint64 now = nowUs();
    while (!pending.empty() && pending.front().dueUs <= now &&
           (powerFailsAtUs < 0 || pending.front().dueUs < powerFailsAtUs)) {
        output += pending.front().bytes;
        pending.erase(pending.begin());
        // Each reply leaves in its own write, so that pieces sent apart arrive apart.
        flushOutput();
    }
}

void SimDevice::flushOutput() {
    while (!output.isEmpty()) {
        const ssize_t n = ::write(pty.master(), output.constData(), size_t(output.size()));
        if (n <= 0) return; // full: POLLOUT brings us back
        output.remove(0, int(n));
    }
}

void SimDevice::disappear(int returnAfterMs) {
    pty.close();
    // An unplugged device's node goes with it; a link left behind could come to point at
    // somebody else's terminal.
    if (!linkName.isEmpty()) QFile::remove(linkName);
    framer.discard();
    pending.clear();
    output.clear();
    busyUntilUs = 0; // what it was doing is lost
    powerFailsAtUs = -1;
    loader.restart();
    present = false;
    returnAtMs = returnAfterMs >= 0 ? clock.elapsed() + returnAfterMs : -1;
    changed.notify_all();
}

void SimDevice::powerFail() {
    ++powerCutCount;
    disappear(powerBackAfterMs);
    loader.powerCycle();
}

void SimDevice::reappear() {
    returnAtMs = -1;
    if (!pty.open(&error) || (!linkName.isEmpty() && !pointLink(linkName, pty.slavePath(), &error)))
        return;
    present = true;
    ++appeared;
    changed.notify_all();
}
