// The window's port scan on its own: the serial-port map (TESSARA_SERIALCOMM) into a real port
// box, the chip's port found and opened, the timer's looks, hot-plug and a chip that went away,
// against a window that only records what it is asked.
#include "app/port_scan.h"

#include <QComboBox>
#include <QTimer>
#include <QtTest>

namespace {

// The window as the scan sees it: a port that opens when asked, and what was asked.
class RecordingWindow : public PortScan::Window {
  public:
    bool scanMustWait() const override { return busy; }
    bool chipPortOpen() const override { return open; }
    void openChipPort() override {
        opened << box->currentText();
        open = opens;
    }
    void closeChipPort() override {
        ++closes;
        open = false;
    }
    void chipPortGone() override { ++gone; }
    void scanLog(const QString &text) override { log << text; }

    QComboBox *box = nullptr;
    bool busy = false, open = false;
    bool opens = true; // whether an open succeeds
    QStringList opened, log;
    int closes = 0, gone = 0;
};

void setPortMap(const QString &map) {
    qputenv("TESSARA_SERIALCOMM", map.toLocal8Bit());
}

const QString chipMap = QStringLiteral("\\Device\\Serial0=COM1;\\Device\\USBSER000=COM5");

struct Scan {
    Scan() : scan(window, box, nullptr) {
        window.box = &box;
        box.addItem(QStringLiteral("stale"));
    }
    QStringList items() const {
        QStringList names;
        for (int i = 0; i < box.count(); ++i)
            names << box.itemText(i);
        return names;
    }
    bool rescanIn(int ms) const { return scan.timer().isActive() && scan.timer().interval() == ms; }

    QComboBox box;
    RecordingWindow window;
    PortScan scan;
};

} // namespace

class PortScanTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { qunsetenv("TESSARA_SERIALCOMM"); }

    void firstLookASecondAfterStart() {
        setPortMap(chipMap);
        Scan s;
        QVERIFY(s.rescanIn(1000));
        QVERIFY(s.window.opened.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(s.window.opened, QStringList{"COM5"}, 60000);
        QVERIFY(!s.scan.timer().isActive()); // one look per start
    }

    // Only the entry named exactly \Device\USBSER000 is the chip's port; every entry is listed.
    void theChipsPortIsFoundByItsExactName_data() {
        QTest::addColumn<QString>("kernelName");
        QTest::addColumn<bool>("chip");
        QTest::newRow("exact") << "\\Device\\USBSER000" << true;
        QTest::newRow("other case") << "\\device\\usbser000" << false;
        QTest::newRow("second port") << "\\Device\\USBSER001" << false;
        QTest::newRow("longer") << "\\Device\\USBSER0000" << false;
        QTest::newRow("no leading backslash") << "Device\\USBSER000" << false;
        QTest::newRow("leading blank") << " \\Device\\USBSER000" << false;
    }
    void theChipsPortIsFoundByItsExactName() {
        QFETCH(QString, kernelName);
        QFETCH(bool, chip);
        setPortMap("\\Device\\Serial0=COM1;" + kernelName + "=COM7");
        Scan s;
        s.scan.Timer1_Out_Event();
        QCOMPARE(s.items(), (QStringList{"COM1", "COM7"}));
        QCOMPARE(s.scan.portIndex(), chip ? 1 : -1);
        QCOMPARE(s.scan.lastPortIndex(), chip ? 1 : -1);
        QCOMPARE(s.box.currentIndex(), chip ? 1 : 0);
        QCOMPARE(s.window.opened, chip ? QStringList{"COM7"} : QStringList());
        QVERIFY(!s.scan.timer().isActive());
    }

    void getCommReadsOneEntry() {
        setPortMap(chipMap);
        Scan s;
        QCOMPARE(s.scan.GetComm(0), QString("COM1"));
        QCOMPARE(s.scan.portIndex(), -1);
        QCOMPARE(s.scan.GetComm(1), QString("COM5"));
        QCOMPARE(s.scan.portIndex(), 1);
        QCOMPARE(s.scan.GetComm(2), QString(" "));
        QCOMPARE(s.scan.GetComm(-1), QString(" "));
    }

    // An open port is not opened again; a look while a job runs waits half a second.
    void aLookOpensOnlyWhatIsClosedAndWaitsForAJob() {
        setPortMap(chipMap);
        Scan s;
        s.window.open = true;
        s.scan.Timer1_Out_Event();
        QVERIFY(s.window.opened.isEmpty());
        QCOMPARE(s.box.currentText(), QString("COM5"));

        s.window.open = false;
        s.window.busy = true;
        s.box.clear();
        s.scan.Timer1_Out_Event();
        QVERIFY(s.window.opened.isEmpty());
        QCOMPARE(s.box.count(), 0); // not even looked at
        QVERIFY(s.rescanIn(500));
        s.window.busy = false;
        QTRY_COMPARE_WITH_TIMEOUT(s.window.opened, QStringList{"COM5"}, 60000);
    }

    // An arrival has the closed port looked for in half a second; an open one only logs it.
    void arrivalLooksAgainOnlyWhenClosed() {
        setPortMap(chipMap);
        Scan s;
        s.scan.Timer1_Out_Event();
        s.window.open = false;
        s.scan.Port_Arrived("COM5");
        QCOMPARE(s.window.log, QStringList{"Insert COM5"});
        QVERIFY(s.rescanIn(500));

        Scan alreadyOpen;
        alreadyOpen.scan.Timer1_Out_Event();
        alreadyOpen.scan.Port_Arrived("COM9");
        QCOMPARE(alreadyOpen.window.log, QStringList{"Insert COM9"});
        QVERIFY(!alreadyOpen.scan.timer().isActive());
    }

    // Another port leaving only logs; the chip's open port leaving closes it, and the scan looks
    // for the chip every half second until its port opens again.
    void removalOfTheChipsPortAwaitsItsReturn() {
        setPortMap(chipMap);
        Scan s;
        s.scan.Timer1_Out_Event();
        QVERIFY(s.window.open);
        s.scan.Port_Removed("COM1");
        QCOMPARE(s.window.log, QStringList{"Remove COM1"});
        QCOMPARE(s.window.closes, 0);
        QVERIFY(!s.scan.isAwaitingChip());

        s.scan.Port_Removed("COM5");
        QCOMPARE(s.window.log.last(), QString("Remove COM5"));
        QCOMPARE(s.window.closes, 1);
        QCOMPARE(s.window.gone, 1);
        QVERIFY(s.scan.isAwaitingChip());
        QVERIFY(s.rescanIn(500));

        // Not back yet: the look finds nothing and looks again.
        setPortMap("\\Device\\Serial0=COM1");
        s.scan.Timer1_Out_Event();
        QCOMPARE(s.window.opened.size(), 1);
        QVERIFY(s.rescanIn(500));
        // Back, but its port does not open yet: looked for again.
        setPortMap(chipMap);
        s.window.opens = false;
        s.scan.Timer1_Out_Event();
        QCOMPARE(s.window.opened.size(), 2);
        QVERIFY(s.rescanIn(500));
        // Open: the looks stop; the window says when the chip is identified.
        s.window.opens = true;
        s.scan.Timer1_Out_Event();
        QCOMPARE(s.window.opened.size(), 3);
        QVERIFY(!s.scan.timer().isActive());
        s.scan.chipBack();
        QVERIFY(!s.scan.isAwaitingChip());
    }

    // Windows before 10: any device change closes the port, and after a second the map is
    // read again: the chip's port still listed is opened two seconds later; gone, it is said.
    void deviceNodeChangeClosesThenLooksAgain() {
        setPortMap(chipMap);
        Scan s;
        s.scan.Timer1_Out_Event();
        s.scan.DevNodes_Changed();
        QCOMPARE(s.window.closes, 1);
        QCOMPARE(s.window.gone, 1);
        QTRY_COMPARE_WITH_TIMEOUT(s.window.log, QStringList{"Insert COM1"}, 60000);
        QVERIFY(s.rescanIn(2000));

        setPortMap("\\Device\\Serial0=COM1");
        s.scan.DevNodes_Changed();
        QTRY_COMPARE_WITH_TIMEOUT(s.window.log.size(), 2, 60000);
        QCOMPARE(s.window.log.last(), QString("Remove COM1"));
        QCOMPARE(s.scan.lastPortIndex(), -1);

        // While a job runs it is left alone.
        s.window.busy = true;
        s.scan.DevNodes_Changed();
        QCOMPARE(s.window.closes, 2);
    }
};

QTEST_MAIN(PortScanTest)
#include "test_port_scan.moc"
