#include "serial/serial_link.h"

#include "serial/port_device.h"
#include "serial/port_write.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cstring>

SerialLink::SerialLink(QObject *parent) : QObject(parent) {
    // One connection for the life of the link, so that one arrival runs the handler once.
    connect(&port, &QSerialPort::readyRead, this, &SerialLink::serial_receiveData,
            Qt::DirectConnection);
    connect(&port, &QSerialPort::errorOccurred, this, &SerialLink::onError);
}

SerialLink::~SerialLink() {
    Close();
}

bool SerialLink::Open(const QString &portName) {
    Close();
    opened = portName;
    port.setPortName(portName);
    port.setBaudRate(QSerialPort::Baud115200);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    deviceHeld = false;
    if (!port.open(QIODevice::ReadWrite)) return false;
    if (!Lock_PortDevice(port)) {
        deviceHeld = true;
        port.close();
        return false;
    }
    return true;
}

void SerialLink::Close() {
    if (!port.isOpen()) return;
    // Unread input is stale; output is not discarded, so that a command written just before
    // closing (the run command that restarts the chip) still reaches the device.
    port.clear(QSerialPort::Input);
    port.close();
}

void SerialLink::write(const uint8_t *frame, int length, bool drainAfter) {
    if (!port.isOpen()) return;
    if (observer) observer->sent(frame, length);
    const char *bytes = reinterpret_cast<const char *>(frame);
    const int direct = Write_PortDirect(port, bytes, length);
    if (direct < length) port.write(bytes + direct, length - direct);
    if (drainAfter) drain();
}

void SerialLink::drain() {
    if (port.isOpen() && port.bytesToWrite() > 0) port.waitForBytesWritten(withinDeadline(2000));
}

int SerialLink::withinDeadline(int ms) const {
    return deadline.isForever() ? ms : int(qBound<qint64>(0, deadline.remainingTime(), ms));
}

void SerialLink::discardStale() {
    if (port.isOpen()) port.clear(QSerialPort::Input);
    rxFlag = false;
}

SerialLink::Wait SerialLink::Wait_Reply(int intervalMs, int polls,
                                        const std::function<bool()> &stop) {
    // One wait on the port may span many intervals: it ends as bytes arrive, so a short interval
    // only made the thread wake for nothing (a flash block's 1 ms, a thousand times a second
    // for each board while the chip programs). The intervals still set the budget, and how
    // soon a stop is seen: every interval, or every StopCheckMs when that is longer.
    constexpr int StopCheckMs = 100;
    const qint64 budgetMs = qint64(intervalMs) * polls;
    const int sliceMs = std::max(intervalMs, StopCheckMs);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (rxFlag) {
            rxFlag = false;
            return Wait::Reply;
        }
        // A closed port (the device went away) can bring no reply.
        if (!port.isOpen()) return Wait::Gone;
        if (outOfTime()) return Wait::OutOfTime;
        const qint64 leftMs = budgetMs - clock.elapsed();
        if (leftMs <= 0) return Wait::TimeOut;
        waitForArrival(withinDeadline(int(std::min<qint64>(leftMs, sliceMs))));
        if (stop && stop()) {
            if (!rxFlag) return Wait::Stopped;
            rxFlag = false;
            return Wait::Reply;
        }
    }
}

// Waits at most `ms` for bytes, returning as soon as they have arrived.
void SerialLink::waitForArrival(int ms) {
    if (!port.isOpen()) {
        QThread::msleep(ms);
        return;
    }
    if (port.bytesAvailable() > 0) {
        serial_receiveData();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    // waitForReadyRead emits readyRead, which runs the handler. It also returns early when
    // only our own pending output was flushed; keep waiting for the rest of the interval.
    while (!rxFlag && port.isOpen()) {
        const int left = ms - int(clock.elapsed());
        if (left <= 0) return;
        if (!port.waitForReadyRead(left) && port.error() != QSerialPort::TimeoutError &&
            port.error() != QSerialPort::NoError) {
            // A broken port answers at once; sleep out the interval rather than spin.
            const int rest = ms - int(clock.elapsed());
            if (rest > 0) QThread::msleep(rest);
            return;
        }
    }
}

void SerialLink::serial_receiveData() {
    if (waitTime > 0) port.waitForReadyRead(waitTime);
    const QByteArray data = port.readAll();
    if (data.isEmpty()) return;
    if (observer)
        observer->received(reinterpret_cast<const uint8_t *>(data.constData()), data.size());
    if (data.size() > RxBufSize) {
        if (arrivalSink) arrivalSink->lost();
        emit arrivalDropped(data.size());
        return;
    }
    std::memcpy(rxBuf, data.constData(), size_t(data.size()));
    if (arrivalSink) arrivalSink->arrived(rxBuf, data.size());
    rxFlag = true;
}

void SerialLink::onError(QSerialPort::SerialPortError error) {
    // A hung-up line reads end-of-file, which QSerialPort reports as a ReadError again on every
    // event pass; like a vanished device it is closed and reported.
    const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (!gone || !port.isOpen()) return;
    port.close();
    emit deviceLost();
}
