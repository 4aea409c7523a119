// The ports as a technician sees them: the serial-port map joined with the USB identity that the
// system gives each port (here fake boards put in through the port-information seam), and the
// port that a --port value names, by name, by USB serial number or as the map's chip port.
#include "serial/port_choice.h"
#include "serial/port_listing.h"

#include <QDir>
#include <QtTest>

namespace {

PortIdentity usbBoard(const QString &name, const QString &serial) {
    PortIdentity id;
    id.portName = name;
    id.location = QStringLiteral("/dev/") + name;
    id.hasUsbIds = true;
    id.vendorId = 0x0483;
    id.productId = 0x5740;
    id.serialNumber = serial;
    id.manufacturer = QStringLiteral("KQ Micro");
    id.product = QStringLiteral("KQ31B Boot");
    return id;
}

SerialCommMap map(const QList<SerialPortEntry> &entries, bool guessed = false) {
    SerialCommMap m;
    m.opened = true;
    m.entries = entries;
    m.chipPortGuessed = guessed;
    return m;
}

const QString chipKernel = QStringLiteral("\\Device\\USBSER000");

} // namespace

class PortIdentityTest : public QObject {
    Q_OBJECT

  private slots:
    void listingShowsTheUsbIdentity();
    void deviceTextsCannotReachTheTerminal();
    void resolve_data();
    void resolve();
};

void PortIdentityTest::listingShowsTheUsbIdentity() {
    PortIdentity plain; // a port the system knows without USB identity
    plain.portName = QStringLiteral("ttyS0");
    plain.location = QStringLiteral("/dev/ttyS0");
    const QList<PortIdentity> system{plain, usbBoard("ttyACM0", "KQ0042"),
                                     usbBoard("ttyACM1", QString())};
    const QStringList lines =
        Port_Listing(map({{"\\Device\\Serial0", "ttyS0"},
                          {chipKernel, "ttyACM0"},
                          {"\\Device\\USBSER001", "/dev/ttyACM1"}, // matched by its location
                          {"\\Device\\USBSER002", "/tmp/ttyKQ"}}), // not a port the system knows
                     system);
    const QStringList expected{
        QStringLiteral("  \\Device\\Serial0          ttyS0"),
        QStringLiteral("* \\Device\\USBSER000        ttyACM0          usb=0483:5740 "
                       "serial=\"KQ0042\" manufacturer=\"KQ Micro\" product=\"KQ31B Boot\""),
        QStringLiteral("  \\Device\\USBSER001        /dev/ttyACM1     usb=0483:5740 "
                       "manufacturer=\"KQ Micro\" product=\"KQ31B Boot\""),
        QStringLiteral("  \\Device\\USBSER002        /tmp/ttyKQ"),
    };
    QCOMPARE(lines, expected);

    // Notes (what a probe found) in a column of their own, blank where a port has none.
    const QStringList noted =
        Port_Listing(map({{chipKernel, "ttyACM0"},
                          {"\\Device\\USBSER001", "ttyACM1"},
                          {"\\Device\\Serial0", "ttyS0"}}),
                     system, {{"ttyACM0", "model=KQ31B boot=0x1a"}, {"ttyACM1", "model=?"}});
    QCOMPARE(noted,
             (QStringList{"* \\Device\\USBSER000        ttyACM0          model=KQ31B boot=0x1a "
                          "usb=0483:5740 serial=\"KQ0042\" manufacturer=\"KQ Micro\" "
                          "product=\"KQ31B Boot\"",
                          "  \\Device\\USBSER001        ttyACM1          model=?               "
                          "usb=0483:5740 manufacturer=\"KQ Micro\" product=\"KQ31B Boot\"",
                          "  \\Device\\Serial0          ttyS0"}));
}

void PortIdentityTest::deviceTextsCannotReachTheTerminal() {
    PortIdentity id = usbBoard("ttyACM0", QStringLiteral("AB\"C\n\x1b[2J"));
    id.hasUsbIds = false;
    id.manufacturer = QString(200, QLatin1Char('M'));
    id.product = QStringLiteral("KQ\x07\tBoot");
    const QString text = Describe_UsbIdentity(id);
    QCOMPARE(text, QStringLiteral("serial=\"AB?C??[2J\" manufacturer=\"") + QString(64, 'M') +
                       QStringLiteral("...\" product=\"KQ??Boot\""));
}

void PortIdentityTest::resolve_data() {
    QTest::addColumn<QString>("portArgument");
    QTest::addColumn<bool>("guessed");
    QTest::addColumn<bool>("chipInMap");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("origin"); // or the error, when port is empty

    QTest::newRow("chip port of the map") << "" << false << true << "COM5"
                                          << "\\Device\\USBSER000 in the serial-port map";
    QTest::newRow("chip port guessed") << "" << true << true << "COM5"
                                       << "a guess: the first ttyACM device";
    QTest::newRow("no chip port")
        << "" << false << false << ""
        << "no chip connected: no \\Device\\USBSER000 in the serial-port map";
    QTest::newRow("named port") << "/dev/ttyUSB3" << false << true << "/dev/ttyUSB3"
                                << "";
    QTest::newRow("path below the working folder")
        << "ports/s1" << false << true << QDir::current().absoluteFilePath("ports/s1") << "";
    QTest::newRow("path from here") << "./s1" << false << true << "./s1"
                                    << "";
    QTest::newRow("serial number") << "serial:KQ0042" << false << true << "ttyACM2"
                                   << "USB serial number KQ0042";
    QTest::newRow("serial number is case-sensitive")
        << "serial:kq0042" << false << true << ""
        << "no chip connected: no port has the USB serial number \"kq0042\"";
    QTest::newRow("serial number on two ports")
        << "serial:TWIN" << false << true << ""
        << "the USB serial number \"TWIN\" is on several ports: ttyACM0, ttyACM3";
    QTest::newRow("serial number missing") << "serial:" << false << true << ""
                                           << "serial: needs a USB serial number";
}

void PortIdentityTest::resolve() {
    QFETCH(QString, portArgument);
    QFETCH(bool, guessed);
    QFETCH(bool, chipInMap);
    QFETCH(QString, port);
    QFETCH(QString, origin);

    QList<SerialPortEntry> entries{{"\\Device\\Serial0", "COM1"}};
    if (chipInMap) entries.append({chipKernel, "COM5"});
    const QList<PortIdentity> system{usbBoard("ttyACM0", "TWIN"), usbBoard("ttyACM2", "KQ0042"),
                                     usbBoard("ttyACM3", "TWIN"), usbBoard("ttyACM4", "")};
    const PortChoice choice = Resolve_Port(portArgument, map(entries, guessed), system);
    QCOMPARE(choice.portName, port);
    QCOMPARE(port.isEmpty() ? choice.error : choice.origin, origin);
    QCOMPARE(choice.error.isEmpty(), !port.isEmpty());
}

QTEST_GUILESS_MAIN(PortIdentityTest)
#include "test_port_identity.moc"
