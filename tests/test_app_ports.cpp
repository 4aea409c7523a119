// The window's port scan at work, and opening and closing the port, on a real pseudo-terminal
// opened through the serial-port map (the scan's own cases: test_port_scan).
#include "serial/port_monitor.h"
#include "support/window_rig.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>
#include <QtTest>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

// The far end of a pseudo-terminal standing in for a chip that answers every 64-byte frame with
// a reply of the wrong letter: the model probe then ends at once with "unknown".
class WrongLetterDevice {
  public:
    WrongLetterDevice() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            qFatal("no pseudo-terminal");
        path = QString::fromLocal8Bit(ptsname(master));
        notifier = std::make_unique<QSocketNotifier>(master, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this] { serve(); });
    }
    ~WrongLetterDevice() { unplug(); }

    // The device vanishes: its side of the line is gone.
    void unplug() {
        notifier.reset();
        if (master >= 0) ::close(master);
        master = -1;
    }

    // Bytes the device sends on its own.
    void send(const QByteArray &bytes) {
        if (::write(master, bytes.constData(), size_t(bytes.size())) != bytes.size())
            qWarning("bytes not written");
    }

    QString path;
    QByteArray received;

  private:
    void serve() {
        char buf[512];
        const ssize_t n = ::read(master, buf, sizeof buf);
        if (n <= 0) { // no one has the port open just now: look again a little later
            notifier->setEnabled(false);
            QTimer::singleShot(10, notifier.get(), [this] { notifier->setEnabled(true); });
            return;
        }
        received.append(buf, int(n));
        while (received.size() >= answered + 64) {
            answered += 64;
            const QByteArray reply(64, 'Z');
            if (::write(master, reply.constData(), size_t(reply.size())) != reply.size())
                qWarning("reply not written");
        }
    }

    int master = -1;
    int answered = 0;
    std::unique_ptr<QSocketNotifier> notifier;
};

// What a chip other than the KQ580 gets: every action button but flash mode.
QStringList allButFlashMode() {
    return WindowRig::actionButtons().mid(1);
}

QStringList comboItems(const WindowRig &rig) {
    auto *combo = rig.child<QComboBox>("comboBox_Comm");
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

void setPortMap(const QString &map) {
    qputenv("TESSARA_SERIALCOMM", map.toLocal8Bit());
}

QString chipMap(const WrongLetterDevice &device) {
    return "\\Device\\Serial0=COM1;\\Device\\USBSER000=" + device.path;
}

// Opens the chip's port as the first scan does; true once it is open and the chip identified.
bool openChipPort(WindowRig &rig) {
    rig.window->Timer1_Out_Event();
    return rig.idle() && rig.window->isPortOpen();
}

QString openButtonText(const WindowRig &rig) {
    return rig.child<QPushButton>("pushButton_OpenCom")->text();
}

} // namespace

class AppPortsTest : public QObject {
    Q_OBJECT

  private slots:
    void timerOpensTheChipPortASecondAfterStart() {
        WrongLetterDevice device;
        setPortMap(chipMap(device));
        WindowRig rig;
        QElapsedTimer clock;
        clock.start();
        MainWindow &w = rig.start();
        QTRY_VERIFY_WITH_TIMEOUT(w.isPortOpen(), 60000);
        QVERIFY(clock.elapsed() >= 900);

        QCOMPARE(comboItems(rig), (QStringList{"COM1", device.path}));
        QCOMPARE(w.portScan().portIndex(), 1);
        QCOMPARE(rig.child<QComboBox>("comboBox_Comm")->currentIndex(), 1);
        QCOMPARE(openButtonText(rig), QString("Close Comm"));
        QVERIFY(device.received.startsWith('K')); // the model probe
        QTRY_COMPARE(rig.child<QLineEdit>("lineEdit_McuType")->text(), QString("unknown"));
        QCOMPARE(rig.enabledActionButtons(), allButFlashMode());
        QVERIFY(rig.log().contains("Connect device,and return error command"));
        QVERIFY(!w.isBusy());
        QVERIFY(!w.portScan().timer().isActive()); // one scan per start
        QVERIFY(rig.boxes.boxes.isEmpty());
    }

    void openFailShowsTheBoxAndChangesNothing() {
        setPortMap("\\Device\\USBSER000=/dev/tessara-no-such-port");
        WindowRig rig;
        MainWindow &w = rig.start();
        w.Timer1_Out_Event();
        QVERIFY(rig.idle());
        QCOMPARE(rig.boxes.boxes.size(), 1);
        const MessageBoxResponder::Box &box = rig.boxes.boxes[0];
        QCOMPARE(box.title, QString("Title"));
        QCOMPARE(box.text, QString("Open fail"));
        // And in words, in the log.
        QCOMPARE(rig.log().last(),
                 QString("cannot open /dev/tessara-no-such-port: no such device"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!box.hasParent);
        QVERIFY(!w.isPortOpen());
        QCOMPARE(openButtonText(rig), QString("Open Comm"));
        QVERIFY(rig.enabledActionButtons().isEmpty());
        QVERIFY(!w.isBusy());
    }

    void openCommButtonClosesAndReopens() {
        WrongLetterDevice device;
        setPortMap(chipMap(device));
        WindowRig rig;
        MainWindow &w = rig.start();
        QVERIFY(openChipPort(rig));
        rig.child<QComboBox>("comboBox_WaitTime")->blockSignals(true);
        rig.child<QComboBox>("comboBox_WaitTime")->setCurrentIndex(3);
        rig.child<QComboBox>("comboBox_WaitTime")->blockSignals(false);

        auto *button = rig.child<QPushButton>("pushButton_OpenCom");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!w.isPortOpen());
        QCOMPARE(w.choices().waitTime, 3); // the button takes the box's value
        QCOMPARE(button->text(), QString("Open Comm"));
        QCOMPARE(rig.enabledActionButtons(), QStringList{"pushButton_OpenCom"});
        QVERIFY(!w.isBusy());

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(rig.idle());
        QVERIFY(w.isPortOpen());
        QCOMPARE(button->text(), QString("Close Comm"));
        QCOMPARE(rig.enabledActionButtons(), allButFlashMode());
        QVERIFY(!w.isBusy());
        QVERIFY(rig.boxes.boxes.isEmpty());
    }

    // A port that will not open leaves Open Comm as it was, to try again.
    void failedReopenLeavesOpenComm() {
        WrongLetterDevice device;
        setPortMap(chipMap(device));
        WindowRig rig;
        MainWindow &w = rig.start();
        QVERIFY(openChipPort(rig));
        auto *button = rig.child<QPushButton>("pushButton_OpenCom");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!w.isPortOpen());
        setPortMap("\\Device\\USBSER000=/dev/tessara-no-such-port");
        w.Chenck_KQ_Vcom_device();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(rig.idle());
        QVERIFY(!w.isPortOpen());
        QCOMPARE(rig.boxes.texts(), QStringList{"Open fail"});
        QCOMPARE(button->text(), QString("Open Comm"));
        QCOMPARE(rig.enabledActionButtons(), QStringList{"pushButton_OpenCom"});
    }

    void closeSerialPortLeavesTheButtons() {
        WrongLetterDevice device;
        setPortMap(chipMap(device));
        WindowRig rig;
        MainWindow &w = rig.start();
        w.Timer1_Out_Event();
        QVERIFY(rig.idle());
        w.Close_SerialPort();
        QVERIFY(!w.isPortOpen());
        QCOMPARE(openButtonText(rig), QString("Open Comm"));
        QCOMPARE(rig.enabledActionButtons(), allButFlashMode());
        w.Close_SerialPort(); // closed already: nothing happens
        QCOMPARE(openButtonText(rig), QString("Open Comm"));
    }

    void removingTheOpenPortClosesItAndRescans() {
        WrongLetterDevice device;
        setPortMap(chipMap(device));
        WindowRig rig;
        MainWindow &w = rig.start();
        w.Timer1_Out_Event();
        QVERIFY(rig.idle());
        QVERIFY(w.isPortOpen());
        auto *monitor = w.findChild<PortMonitor *>();
        QVERIFY(monitor);

        emit monitor->portRemoved("ttyS9"); // some other port
        QCOMPARE(rig.log().last(), QString("Remove ttyS9"));
        QVERIFY(w.isPortOpen());
        QVERIFY(!w.portScan().timer().isActive());

        emit monitor->portRemoved(device.path);
        QCOMPARE(rig.log().last(), "Remove " + device.path);
        QVERIFY(!w.isPortOpen());
        QCOMPARE(openButtonText(rig), QString("Open Comm"));
        QVERIFY(rig.enabledActionButtons().isEmpty());
        QVERIFY(w.portScan().timer().isActive());
        QCOMPARE(w.portScan().timer().interval(), 500);
        // Still listed, so the rescan opens it again.
        QTRY_VERIFY_WITH_TIMEOUT(w.isPortOpen(), 60000);
        QCOMPARE(openButtonText(rig), QString("Close Comm"));
        QVERIFY(rig.boxes.boxes.isEmpty());
    }

    void arrivalStartsTheScanOnlyWhenClosed() {
        WrongLetterDevice device;
        setPortMap(chipMap(device));
        WindowRig rig;
        MainWindow &w = rig.start();
        auto *monitor = w.findChild<PortMonitor *>();
        QVERIFY(monitor);

        emit monitor->portArrived("ttyACM0");
        QCOMPARE(rig.log().last(), QString("Insert ttyACM0"));
        QVERIFY(w.portScan().timer().isActive());
        QCOMPARE(w.portScan().timer().interval(), 500);
        QTRY_VERIFY_WITH_TIMEOUT(w.isPortOpen(), 60000);

        emit monitor->portArrived("ttyACM1");
        QCOMPARE(rig.log().last(), QString("Insert ttyACM1"));
        QVERIFY(!w.portScan().timer().isActive());
    }

    void lostDeviceClosesThePortAndRescans() {
        auto device = std::make_unique<WrongLetterDevice>();
        setPortMap(chipMap(*device));
        WindowRig rig;
        MainWindow &w = rig.start();
        w.Timer1_Out_Event();
        QVERIFY(rig.idle());
        QVERIFY(w.isPortOpen());
        const QString path = device->path;
        device.reset(); // hang up
        QTRY_VERIFY_WITH_TIMEOUT(!w.isPortOpen(), 60000);
        QVERIFY(rig.log().contains("Lost the device on " + path + ", port closed"));
        QCOMPARE(openButtonText(rig), QString("Open Comm"));
        QVERIFY(rig.enabledActionButtons().isEmpty());
        QVERIFY(w.portScan().timer().isActive());
    }

    void oversizeArrivalIsLogged() {
        WrongLetterDevice device;
        setPortMap(chipMap(device));
        WindowRig rig;
        MainWindow &w = rig.start();
        w.Timer1_Out_Event();
        QVERIFY(rig.idle());
        QVERIFY(w.isPortOpen());
        device.send(QByteArray(3000, '\x55'));
        QTRY_VERIFY(
            !rig.log()
                 .filter(QRegularExpression("^Reply of \\d+ bytes is longer than the reply buffer, "
                                            "dropped$"))
                 .isEmpty());
        QVERIFY(w.isPortOpen());
    }
};

QTEST_MAIN(AppPortsTest)
#include "test_app_ports.moc"
