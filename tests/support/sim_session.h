#pragma once

#include "protocol/session.h"
#include "serial/serial_link.h"
#include "sim/sim_device.h"
#include "support/recording_observer.h"

#include <QByteArray>
#include <QString>

// A simulated chip with the host side connected to it: a started SimDevice, the real
// SerialLink (QSerialPort) opened on its pseudo-terminal, a RecordingObserver and a
// DeviceSession over both. Check ok() first (QVERIFY2(s.ok(), qPrintable(s.error()))).
//
//     SimSession s(QStringLiteral("KQ580"));
//     QVERIFY2(s.ok(), qPrintable(s.error()));
//     s.identify();                          // or run the real probe
//     ... operation(s.session) ...
//     QCOMPARE(s.sim.received().last().name, QStringLiteral("O"));
class SimSession {
  public:
    explicit SimSession(const SimConfig &config = SimConfig());
    // The defaults of a named model (KQ31A, KQ31B, KQ3200, KQ31C, KQ31D, KQ580, KQ581, KQ47).
    explicit SimSession(const QString &model);
    ~SimSession();

    SimDevice sim;
    SerialLink link;
    RecordingObserver ui;
    DeviceSession session;

    bool ok() const { return started && link.isOpen(); }
    QString error() const { return failure; }

    // Gives the session the simulated chip's model, as a successful probe would.
    void identify();
    // Opens the link again on the device's current path (after it vanished and came back).
    bool reopen();

    // Waits (bounded) until the simulator has received at least `count` frames.
    bool waitForFrames(int count, int timeoutMs = 5000) const;

    // Raw traffic, for tests of the simulator itself: writes `frame` and collects what arrives
    // until `replyBytes` bytes are in or `timeoutMs` has passed.
    QByteArray exchange(const QByteArray &frame, int replyBytes = 64, int timeoutMs = 2000);
    // Collects arriving bytes until `bytes` are in or `timeoutMs` has passed.
    QByteArray collect(int bytes, int timeoutMs);
    // The arrivals one by one (each as the link stored it), for `timeoutMs`.
    QList<QByteArray> arrivals(int timeoutMs, int maxArrivals = 1000);

  private:
    void connectHost();

    bool started = false;
    QString failure;
    QMetaObject::Connection lossReport;
};

// Raw-frame helpers for tests that talk to the simulator byte by byte.
namespace simwire {
uint32_t le32(const QByteArray &b, int at);
void put16(QByteArray &b, int at, uint32_t value);
void put32(QByteArray &b, int at, uint32_t value);
uint32_t crc(const QByteArray &b);
// A zero-filled frame of `size` bytes with `letter` at byte 0.
QByteArray frame(char letter, int size = 64);
// A 'K' handshake frame proposing `code`, with time stamp `timestamp`.
QByteArray handshake(char selector, uint32_t code, uint32_t timestamp = 1);
} // namespace simwire
