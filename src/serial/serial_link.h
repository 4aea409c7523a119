#pragma once

#include "serial/arrival_sink.h"
#include "serial/link_observer.h"
#include "serial/port_open_failure.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QSerialPort>
#include <cstdint>
#include <functional>

// The one serial port to the chip's boot loader and the bounded reply buffer that arrivals land
// in. Every arrival is read into the reply buffer and handed to the arrival sink (the reply
// assembly of the command being awaited); nothing else sees the bytes. An arrival longer than the
// buffer is never stored: it is dropped, and the sink and arrivalDropped() are told.
class SerialLink : public QObject {
    Q_OBJECT

  public:
    static constexpr int RxBufSize = 512;

    // How a wait ended: an arrival; the budget spent; `stop` said so; the port closed under it
    // (the device went away); the deadline came.
    enum class Wait { Reply, TimeOut, Stopped, Gone, OutOfTime };

    explicit SerialLink(QObject *parent = nullptr);
    ~SerialLink() override;

    // Opens `portName` read-write at 115200 8N1 without flow control, closing first if open,
    // and holds its device's lock (Lock_PortDevice): a device open under another name is busy.
    bool Open(const QString &portName);
    // After a failed Open of `portName`: why, in words ("cannot open /dev/ttyACM0: no such
    // device").
    QString openFailure(const QString &portName) const {
        return deviceHeld ? Port_BusyFailure(portName)
                          : Port_OpenFailure(portName, port.error(), port.errorString());
    }
    // Discards unread input and closes; does nothing when closed.
    void Close();
    bool isOpen() const { return port.isOpen(); }
    QString portName() const { return port.portName(); }
    // The port as the last Open named it ("/dev/ttyACM0", "/tmp/rig/gk0"): the front ends' name.
    QString openedName() const { return opened; }

    // Extra milliseconds the receive handler waits for the rest of a reply (0..7; <= 0: none).
    int waitTime = 0;
    // Shown every frame written and every arrival read; none: nothing is done for it.
    LinkObserver *observer = nullptr;
    // When the link's user must be done: no wait for the device lasts beyond it, and one that
    // reaches it ends as a time-out. Forever by default.
    QDeadlineTimer deadline{QDeadlineTimer::Forever};
    bool outOfTime() const { return deadline.hasExpired(); }

    // Writes one frame. With `drain`, waits up to 2000 ms for the bytes to leave.
    void write(const uint8_t *frame, int length, bool drain);
    // Waits up to 2000 ms for pending bytes to leave.
    void drain();
    // A command is about to be sent: what arrived before it (a late reply of an earlier command,
    // the tail of a reply that came in pieces) cannot answer it. Drops it, and forgets any
    // arrival no wait has returned.
    void discardStale();

    // Waits for an arrival not waited for yet (since the last Reply or discardStale()) within a
    // budget of `polls` x `intervalMs`: looks first, then waits on the port, waking as soon as
    // bytes arrive. Runs no event loop. `stop`, if given, is asked after every interval, or
    // every 100 ms when the interval is shorter (the stop token).
    Wait Wait_Reply(int intervalMs, int polls, const std::function<bool()> &stop = {});

    // Where arrivals go from now on; none: they are read and dropped.
    void setArrivalSink(ArrivalSink *sink) { arrivalSink = sink; }

  public slots:
    // The readyRead handler.
    void serial_receiveData();

  signals:
    // An arrival of `length` bytes did not fit rxBuf and was dropped.
    void arrivalDropped(int length);
    // The device went away while the port was open (the port is closed now).
    void deviceLost();

  private:
    void onError(QSerialPort::SerialPortError error);
    void waitForArrival(int ms);
    // `ms`, or less when the deadline comes sooner.
    int withinDeadline(int ms) const;

    QSerialPort port;
    QString opened;
    uint8_t rxBuf[RxBufSize] = {};
    bool rxFlag = false; // an arrival came that no wait has returned yet
    ArrivalSink *arrivalSink = nullptr;
    bool deviceHeld = false; // the last Open found the device held under another name
};
