// The serial link against a bare pseudo-terminal whose master side the test drives byte by byte:
// how arrivals reach the sink through the bounded reply buffer, how the wait wakes and ends, and a
// vanishing device.
#include "serial/serial_link.h"
#include "support/arrival_recorder.h"

#include <QDeadlineTimer>
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
    ArrivalRecorder *sink = nullptr;

    // Sends `bytes` from the device and waits (bounded) until the link has handed them out.
    void arrive(const QByteArray &bytes) {
        pty->send(bytes);
        QCOMPARE(link->Wait_Reply(10, 6000), SerialLink::Wait::Reply);
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
        sink = new ArrivalRecorder(*link);
    }
    void cleanup() {
        delete sink;
        delete link;
        delete pty;
    }

    void eachArrivalIsHandedOutAsItCame() {
        arrive(filled(40, 'a'));
        arrive(filled(24, 'b'));
        QCOMPARE(sink->arrivals, (QList<QByteArray>{filled(40, 'a'), filled(24, 'b')}));
    }

    // Without a wait time the handler takes what has come; with one it waits for the rest. The
    // wait time here is long enough that the piece sent later always comes within it.
    void waitTimeJoinsAReplySentInPieces_data() {
        QTest::addColumn<int>("waitTime");
        QTest::addColumn<QList<int>>("arrivalSizes");
        QTest::newRow("no wait: first piece alone") << 0 << QList<int>{20, 44};
        QTest::newRow("a wait: one arrival") << 30000 << QList<int>{64};
    }
    void waitTimeJoinsAReplySentInPieces() {
        QFETCH(int, waitTime);
        QFETCH(QList<int>, arrivalSizes);
        link->waitTime = waitTime;
        pty->send(filled(20, 'x'));
        std::thread late;
        // From another thread: the link does not run timers while it waits on the port.
        if (waitTime > 0) late = std::thread([this] { sendAfter(5, filled(44, 'y')); });
        QCOMPARE(link->Wait_Reply(10, 200), SerialLink::Wait::Reply);
        if (late.joinable())
            late.join();
        else
            arrive(filled(44, 'y')); // only once the first piece was taken
        QList<int> sizes;
        for (const QByteArray &a : sink->arrivals)
            sizes << a.size();
        QCOMPARE(sizes, arrivalSizes);
    }

    // However the pieces are read, the sink gets every byte once, in order, even when several
    // arrivals come between two waits.
    void everyArrivalReachesTheSink() {
        const QByteArray sent = filled(5, 'a') + filled(12, 'b') + filled(47, 'c');
        std::thread device([this] {
            pty->send(filled(5, 'a'));
            sendAfter(1, filled(12, 'b'));
            sendAfter(1, filled(47, 'c'));
        });
        for (int i = 0; i < 200 && sink->bytes().size() < sent.size(); ++i)
            link->Wait_Reply(10, 1);
        device.join();
        QCOMPARE(sink->bytes(), sent);
    }

    void anOversizeArrivalIsDroppedNotTakenAsAReply() {
        QSignalSpy dropped(link, &SerialLink::arrivalDropped);
        arrive(filled(64, 'k'));
        pty->send(filled(600, 'z'));
        QCOMPARE(link->Wait_Reply(10, 20), SerialLink::Wait::TimeOut);
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(dropped.first().first().toInt(), 600);
        QCOMPARE(sink->lostArrivals, 1);
        QCOMPARE(sink->arrivals, QList<QByteArray>{filled(64, 'k')});
    }

    // An arrival comes once: the wait that returned it does not return it again.
    void aWaitReturnsEachArrivalOnce() {
        arrive(filled(64, 'r'));
        QCOMPARE(link->Wait_Reply(10, 2), SerialLink::Wait::TimeOut);
    }

    void theWaitWakesOnTheReplyNotAtTheEndOfTheInterval() {
        constexpr int IntervalMs = 60000;
        std::thread late([this] { sendAfter(5, filled(64, 'r')); });
        const QDeadlineTimer intervalEnd(IntervalMs);
        const SerialLink::Wait result = link->Wait_Reply(IntervalMs, 1);
        late.join();
        QCOMPARE(result, SerialLink::Wait::Reply);
        // The reply ended the wait, not the interval.
        QVERIFY(!intervalEnd.hasExpired());
    }

    void aSilentDeviceTimesOutAfterTheBudget() {
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(link->Wait_Reply(20, 3), SerialLink::Wait::TimeOut);
        QVERIFY(clock.elapsed() >= 55);
    }

    void theStopRequestEndsTheWait() {
        int asked = 0;
        QCOMPARE(link->Wait_Reply(5, 1000, [&] { return ++asked == 3; }),
                 SerialLink::Wait::Stopped);
        QCOMPARE(asked, 3);
    }

    // A short interval (a flash block's 1 ms) does not wake the thread every interval while
    // the chip works: the stop token is asked about every 100 ms, and the whole budget is waited.
    void aShortIntervalDoesNotWakeTheWaitEachInterval() {
        int asked = 0;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(link->Wait_Reply(1, 300, [&] { return ++asked, false; }),
                 SerialLink::Wait::TimeOut);
        QVERIFY(clock.elapsed() >= 300);
        QVERIFY2(asked <= 4, qPrintable(QString::number(asked)));
    }

    void aVanishedDeviceClosesThePortAndEndsWaitsAtOnce() {
        QSignalSpy lost(link, &SerialLink::deviceLost);
        pty->close();
        QCOMPARE(link->Wait_Reply(10, 50), SerialLink::Wait::Gone);
        QCOMPARE(lost.count(), 1);
        QVERIFY(!link->isOpen());
    }
};

QTEST_GUILESS_MAIN(SerialLinkTest)
#include "test_serial_link.moc"
