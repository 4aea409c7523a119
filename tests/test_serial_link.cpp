// The serial link against a bare pseudo-terminal whose master side the test drives byte by byte:
// how arrivals land in the reply buffer, how the wait wakes and ends, and a vanishing device.
#include "serial/serial_link.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The device end of a pseudo-terminal; the link opens the other end.
class PtyMaster {
  public:
    PtyMaster() {
        fd = posix_openpt(O_RDWR | O_NOCTTY);
        if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) return;
        termios raw;
        tcgetattr(fd, &raw);
        cfmakeraw(&raw);
        tcsetattr(fd, TCSANOW, &raw);
        slave = QString::fromLocal8Bit(ptsname(fd));
    }
    ~PtyMaster() { close(); }
    void close() {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    void send(const QByteArray &bytes) const {
        QVERIFY(::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size());
    }
    int fd = -1;
    QString slave;
};

QByteArray filled(int n, char c) {
    return QByteArray(n, c);
}

} // namespace

class SerialLinkTest : public QObject {
    Q_OBJECT

    PtyMaster *pty = nullptr;
    SerialLink *link = nullptr;

    // Sends `bytes` from the device and waits (bounded) until the link has stored them.
    void arrive(const QByteArray &bytes) {
        link->rxFlag = 0;
        pty->send(bytes);
        QCOMPARE(link->Wait_Reply(10, 200), SerialLink::Wait::Reply);
    }

    void sendAfter(int ms, const QByteArray &bytes) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        pty->send(bytes);
    }

  private slots:
    void init() {
        pty = new PtyMaster;
        QVERIFY(!pty->slave.isEmpty());
        link = new SerialLink;
        QVERIFY(link->Open(pty->slave));
    }
    void cleanup() {
        delete link;
        delete pty;
    }

    void eachArrivalStartsAtOffsetZero() {
        arrive(filled(40, 'a'));
        QCOMPARE(link->rxLen, 40);
        arrive(filled(24, 'b'));
        QCOMPARE(link->rxLen, 24);
        const QByteArray buf(reinterpret_cast<const char *>(link->rxBuf), 40);
        QCOMPARE(buf, filled(24, 'b') + filled(16, 'a'));
    }

    void waitTimeJoinsAReplySentInPieces_data() {
        QTest::addColumn<int>("waitTime");
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<int>("firstArrival");
        QTest::newRow("no wait: first piece alone") << 0 << 50 << 20;
        QTest::newRow("7 ms: one arrival") << 7 << 1 << 64;
    }
    void waitTimeJoinsAReplySentInPieces() {
        QFETCH(int, waitTime);
        QFETCH(int, gapMs);
        QFETCH(int, firstArrival);
        link->waitTime = waitTime;
        link->rxFlag = 0;
        pty->send(filled(20, 'x'));
        // From another thread: the link does not run timers while it waits on the port.
        std::thread late([this, gapMs] { sendAfter(gapMs, filled(44, 'y')); });
        const SerialLink::Wait result = link->Wait_Reply(10, 200);
        late.join();
        QCOMPARE(result, SerialLink::Wait::Reply);
        QCOMPARE(link->rxLen, firstArrival);
    }

    // However the pieces are read, the sink gets every byte once, in order, even when several
    // arrivals come between two looks at rxFlag.
    void everyArrivalReachesTheSink() {
        QByteArray joined;
        link->arrivalSink = [&joined](const uint8_t *bytes, int length) {
            joined.append(reinterpret_cast<const char *>(bytes), length);
        };
        const QByteArray sent = filled(5, 'a') + filled(12, 'b') + filled(47, 'c');
        std::thread device([this] {
            pty->send(filled(5, 'a'));
            sendAfter(1, filled(12, 'b'));
            sendAfter(1, filled(47, 'c'));
        });
        for (int i = 0; i < 200 && joined.size() < sent.size(); ++i) {
            link->rxFlag = 0;
            link->Wait_Reply(10, 1);
        }
        device.join();
        link->arrivalSink = nullptr;
        QCOMPARE(joined, sent);
    }

    void anOversizeArrivalIsDroppedNotTakenAsAReply() {
        QSignalSpy dropped(link, &SerialLink::arrivalDropped);
        arrive(filled(64, 'k'));
        link->rxFlag = 0;
        pty->send(filled(600, 'z'));
        QCOMPARE(link->Wait_Reply(10, 20), SerialLink::Wait::TimeOut);
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(dropped.first().first().toInt(), 600);
        QCOMPARE(link->rxLen, 64);
        QCOMPARE(link->rxBuf[0], uint8_t('k'));
    }

    void theWaitWakesOnTheReplyNotAtTheEndOfTheInterval() {
        link->rxFlag = 0;
        std::thread late([this] { sendAfter(5, filled(64, 'r')); });
        QElapsedTimer clock;
        clock.start();
        const SerialLink::Wait result = link->Wait_Reply(2000, 1);
        late.join();
        QCOMPARE(result, SerialLink::Wait::Reply);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    void aSilentDeviceTimesOutAfterTheBudget() {
        link->rxFlag = 0;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(link->Wait_Reply(20, 3), SerialLink::Wait::TimeOut);
        QVERIFY(clock.elapsed() >= 55);
    }

    void theStopRequestEndsTheWait() {
        link->rxFlag = 0;
        int asked = 0;
        QCOMPARE(link->Wait_Reply(5, 1000, [&] { return ++asked == 3; }),
                 SerialLink::Wait::Stopped);
        QCOMPARE(asked, 3);
    }

    void aVanishedDeviceClosesThePortAndEndsWaitsAtOnce() {
        QSignalSpy lost(link, &SerialLink::deviceLost);
        pty->close();
        link->rxFlag = 0;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(link->Wait_Reply(10, 50), SerialLink::Wait::TimeOut);
        QCOMPARE(lost.count(), 1);
        QVERIFY(!link->isOpen());
    }
};

QTEST_GUILESS_MAIN(SerialLinkTest)
#include "test_serial_link.moc"
