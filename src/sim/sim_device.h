#pragma once

#include "sim/sim_boot_loader.h"
#include "sim/sim_config.h"
#include "sim/sim_faults.h"
#include "sim/sim_framer.h"
#include "sim/sim_pty.h"
#include "sim/sim_record.h"

#include <QElapsedTimer>
#include <QString>
#include <QVector>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// A simulated KQ chip in its boot loader, on a pseudo-terminal.
//
//     SimDevice sim(config);
//     sim.start();                 // opens the pty and serves it from its own thread
//     port.open(sim.portPath());   // the host side
//
// Every public function may be called from any thread while it serves. The decoded record of
// the frames it received, its memories and its state are returned as snapshots.
class SimDevice {
  public:
    explicit SimDevice(const SimConfig &config = SimConfig());
    ~SimDevice();
    SimDevice(const SimDevice &) = delete;
    SimDevice &operator=(const SimDevice &) = delete;

    // Opens the pseudo-terminal (and the link, if configured) and starts serving.
    bool start();
    // Stops serving, closes the pty and removes the link. Also done by the destructor.
    void stop();
    QString errorString() const;

    // The path the host opens: the current pty's slave (it changes when the device returns
    // after vanishing; the link, if any, follows it).
    QString portPath() const;
    QString linkPath() const { return linkName; }
    bool isPresent() const;
    // How many times the device has appeared: 1 after start(), +1 per return.
    int appearances() const;
    bool waitForPresence(bool present, int timeoutMs) const;
    // Pulls the plug now; the device comes back after `returnAfterMs` (< 0: never).
    void vanish(int returnAfterMs = -1);

    void addFault(const SimFault &fault);
    // The power fails in the middle of a command (SimPowerCut).
    void addPowerCut(const SimPowerCut &cut);
    // How many times the power has failed.
    int powerCuts() const;
    void clearFaults();

    // The frames received so far, decoded, in order (none kept without keepRecord).
    QVector<SimFrame> received() const;
    int receivedCount() const;
    // Waits until at least `count` frames have been received; false on time-out.
    bool waitForFrames(int count, int timeoutMs) const;
    void clearReceived();
    // Called on the simulator's thread with each frame's log line; must not call back into
    // the device.
    void setLogSink(std::function<void(const QString &)> sink);

    SimConfig config() const;
    // Changes identity, flash part or timing; the model and the memories stay.
    void setConfig(const SimConfig &config);

    QByteArray mcuFlash() const;
    void writeMcuFlash(int offset, const QByteArray &bytes);
    QByteArray externalFlash(qint64 offset = 0, qint64 length = -1) const;
    void writeExternalFlash(qint64 offset, const QByteArray &bytes);
    // The 64 KiB that 'I' word writes land in (the KQ580 patch tables and downloaded loader).
    QByteArray wordMemory() const;
    SimBootRecords bootRecords() const;
    int flashAddrMode() const;
    // How long the chip has spent erasing, programming and computing CRCs since start().
    qint64 busyUs() const;

  private:
    struct Pending {
        qint64 dueUs;
        quint64 order;
        QByteArray bytes;
    };

    void serve();
    qint64 nowUs() const { return clock.nsecsElapsed() / 1000; }
    // Busy with a command: the bytes that follow wait on the line.
    bool working() const { return busyUntilUs > nowUs(); }
    int pollTimeoutMs() const;
    qint64 idleResetDueUs() const;
    void readFromHost(QStringList &logLines);
    void handleFrame(const QByteArray &bytes, QStringList &logLines);
    void discardIdlePartial(QStringList &logLines);
    void record(SimFrame &frame, QStringList &logLines);
    void sendDueReplies();
    void flushOutput();
    void disappear(int returnAfterMs);
    // Whatever the chip was doing stops here; it comes back as the cut says.
    void powerFail();
    void reappear();
    void wake();

    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    std::thread worker;
    int wakeFd = -1;
    bool running = false;
    bool stopping = false;
    int vanishRequest = -2; // -2: none; else the return delay of a requested vanish

    SimBootLoader loader;
    SimFaults faults;
    SimFramer framer;
    SimPty pty;
    QString linkName;
    QString error;
    bool present = false;
    int appeared = 0;
    qint64 returnAtMs = -1;
    qint64 lastByteMs = 0;
    qint64 busyUntilUs = 0;
    qint64 busyTotalUs = 0;
    // A power cut under way: when the power fails (-1: none) and when it comes back.
    qint64 powerFailsAtUs = -1;
    int powerBackAfterMs = -1;
    int powerCutCount = 0;

    QVector<SimFrame> frames;
    int frameCount = 0; // also those not kept
    std::function<void(const QString &)> logSink;
    std::vector<Pending> pending;
    quint64 nextOrder = 0;
    QByteArray output;
    QElapsedTimer clock;
};
