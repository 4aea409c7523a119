// One device, one name: the names of a simulated chip's port (its pseudo-terminal, a link to it,
// a link to the link) resolve to one device, and the port is held by the device: a second
// opening under any other name is refused as busy, never let write into a port in use.
#include "serial/port_device.h"
#include "serial/serial_link.h"
#include "sim/sim_device.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class PortDeviceTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void namesOfOneDevice_data();
    void namesOfOneDevice();
    void secondOpeningUnderAnyNameIsBusy_data();
    void secondOpeningUnderAnyNameIsBusy();
    void duplicatesInAPortList_data();
    void duplicatesInAPortList();

  private:
    // The names by which a row refers to a port: "pty", "link", "link to link", "other" (a
    // second chip), "missing".
    QString name(const QString &which) const;

    QTemporaryDir dir;
    SimDevice *sim = nullptr;
    SimDevice *other = nullptr;
};

void PortDeviceTest::init() {
    SimConfig config;
    config.linkPath = dir.filePath("ttyKQ");
    sim = new SimDevice(config);
    other = new SimDevice();
    QVERIFY2(sim->start(), qPrintable(sim->errorString()));
    QVERIFY2(other->start(), qPrintable(other->errorString()));
    QFile::remove(dir.filePath("ttyKQ.again"));
    QVERIFY(QFile::link(config.linkPath, dir.filePath("ttyKQ.again")));
}

void PortDeviceTest::cleanup() {
    delete sim;
    delete other;
    sim = other = nullptr;
}

QString PortDeviceTest::name(const QString &which) const {
    if (which == "pty") return sim->portPath();
    if (which == "link") return sim->linkPath();
    if (which == "link to link") return dir.filePath("ttyKQ.again");
    if (which == "relative link")
        return QStringLiteral("./") + QDir::current().relativeFilePath(sim->linkPath());
    if (which == "other") return other->portPath();
    if (which == "bare name") return QStringLiteral("ptmx");
    if (which == "ptmx path") return QStringLiteral("/dev/ptmx");
    return dir.filePath("no-such-port");
}

void PortDeviceTest::namesOfOneDevice_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("a link and its terminal") << "link"
                                             << "pty" << true;
    QTest::newRow("a link to the link") << "link to link"
                                        << "pty" << true;
    QTest::newRow("a relative path") << "relative link"
                                     << "link" << true;
    QTest::newRow("a bare name is one under /dev") << "bare name"
                                                   << "ptmx path" << true;
    QTest::newRow("two chips") << "pty"
                               << "other" << false;
    QTest::newRow("a device and a missing one") << "pty"
                                                << "missing" << false;
}
void PortDeviceTest::namesOfOneDevice() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QString errorA, errorB;
    const QString deviceA = Port_Device(name(a), &errorA);
    const QString deviceB = Port_Device(name(b), &errorB);
    QVERIFY2(deviceA.startsWith("char "), qPrintable(deviceA + errorA));
    QCOMPARE(deviceA == deviceB, same);
    if (b == "missing") {
        QVERIFY(deviceB.isEmpty());
        QCOMPARE(errorB, QString("No such file or directory"));
    }
}

void PortDeviceTest::secondOpeningUnderAnyNameIsBusy_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("busy");
    QTest::newRow("the link held, the terminal asked") << "link"
                                                       << "pty" << true;
    QTest::newRow("the terminal held, the link asked") << "pty"
                                                       << "link" << true;
    QTest::newRow("a link to the link asked") << "pty"
                                              << "link to link" << true;
    QTest::newRow("the same name") << "link"
                                   << "link" << true;
    QTest::newRow("another chip is free") << "link"
                                          << "other" << false;
}
void PortDeviceTest::secondOpeningUnderAnyNameIsBusy() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, busy);
    SerialLink holder, prober;
    QVERIFY(holder.Open(name(first)));
    QCOMPARE(prober.Open(name(second)), !busy);
    if (!busy) return;
    QCOMPARE(prober.openFailure(name(second)),
             QStringLiteral("cannot open %1: busy (in use by another program)").arg(name(second)));
    QCOMPARE(sim->receivedCount(), 0);
    // Once the holder lets go, the device is free under every name.
    holder.Close();
    QVERIFY(prober.Open(name(second)));
    QVERIFY(!holder.Open(name(first)));
}

void PortDeviceTest::duplicatesInAPortList_data() {
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QList<QStringList>>("duplicates");
    QTest::newRow("all apart") << QStringList{"a", "b", "c"} << QStringList{"1", "2", "3"}
                               << QList<QStringList>{};
    QTest::newRow("one device named twice, apart")
        << QStringList{"ttyACM0", "ttyACM1", "/dev/serial/by-id/kq"}
        << QStringList{"char 166:0", "char 166:1", "char 166:0"}
        << QList<QStringList>{{"ttyACM0", "/dev/serial/by-id/kq"}};
    QTest::newRow("two groups, in the list's order")
        << QStringList{"b1", "a1", "b2", "a2", "a3"} << QStringList{"B", "A", "B", "A", "A"}
        << QList<QStringList>{{"b1", "b2"}, {"a1", "a2", "a3"}};
    QTest::newRow("absent ports are no duplicates")
        << QStringList{"x", "y", "z"} << QStringList{"", "", "Z"} << QList<QStringList>{};
}
void PortDeviceTest::duplicatesInAPortList() {
    QFETCH(QStringList, ports);
    QFETCH(QStringList, devices);
    QFETCH(QList<QStringList>, duplicates);
    QCOMPARE(Duplicate_Ports(ports, devices), duplicates);
}

QTEST_GUILESS_MAIN(PortDeviceTest)
#include "test_port_device.moc"
