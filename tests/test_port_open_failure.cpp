// Why a port could not be opened, in words: the port's error as QSerialPort reports it, and the
// real failures of opening a path that does not exist and a port that another holder keeps.
#include "serial/port_open_failure.h"
#include "serial/serial_link.h"

#include <QtTest>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

class PortOpenFailure : public QObject {
    Q_OBJECT

  private slots:
    void words_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("systemText");
        QTest::addColumn<QString>("reason");
        QTest::newRow("gone") << int(QSerialPort::DeviceNotFoundError) << "No such file"
                              << "cannot open /tmp: no such device";
        // Root may use /tmp: the port was held by another program.
        QTest::newRow("held") << int(QSerialPort::PermissionError) << "Permission denied"
                              << "cannot open /tmp: busy (in use by another program)";
        QTest::newRow("already open") << int(QSerialPort::OpenError) << ""
                                      << "cannot open /tmp: already open";
        QTest::newRow("anything else, in the system's words")
            << int(QSerialPort::UnknownError) << "Input/output error"
            << "cannot open /tmp: Input/output error";
        QTest::newRow("without words") << int(QSerialPort::UnknownError) << ""
                                       << "cannot open /tmp: unknown error";
    }
    void words() {
        QFETCH(int, error);
        QFETCH(QString, systemText);
        QFETCH(QString, reason);
        if (error == QSerialPort::PermissionError && ::access("/tmp", R_OK | W_OK) != 0)
            QSKIP("this user may not use /tmp");
        QCOMPARE(Port_OpenFailure("/tmp", QSerialPort::SerialPortError(error), systemText), reason);
    }

    void realFailures() {
        SerialLink link;
        QVERIFY(!link.Open("/dev/tessara-no-such-port"));
        QCOMPARE(link.openFailure("/dev/tessara-no-such-port"),
                 QString("cannot open /dev/tessara-no-such-port: no such device"));

        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        const QString path = QString::fromLocal8Bit(ptsname(master));
        SerialLink holder;
        QVERIFY(holder.Open(path));
        QVERIFY(!link.Open(path));
        QCOMPARE(link.openFailure(path),
                 QString("cannot open %1: busy (in use by another program)").arg(path));
        holder.Close();
        ::close(master);
    }
};

QTEST_GUILESS_MAIN(PortOpenFailure)
#include "test_port_open_failure.moc"
