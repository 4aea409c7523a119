// tessara-cli's command line: what it refuses, with which status and reason, before any device
// is touched; help, version and the port list.
#include "support/cli_process.h"

#include <QTemporaryDir>
#include <QtTest>

class CliUsageTest : public QObject {
    Q_OBJECT

  private slots:
    void refusals_data();
    void refusals();
    void helpAndVersion();
    void portsMarksTheChipPort();

  private:
    QTemporaryDir dir;
};

void CliUsageTest::refusals_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("serialComm"); // null: no map override
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");

    const QString noChip = QStringLiteral("\\Device\\Serial0=/dev/null");
    QTest::newRow("no command") << QStringList() << QString() << 2 << "no command given";
    QTest::newRow("unknown command")
        << QStringList{"flash"} << QString() << 2 << "unknown command \"flash\"";
    QTest::newRow("unknown option")
        << QStringList{"probe", "--fast"} << QString() << 2 << "Unknown option 'fast'";
    QTest::newRow("missing image")
        << QStringList{"update-mcu"} << QString() << 2 << "usage: update-mcu IMAGE";
    QTest::newRow("one image of two") << QStringList{"update-all", "a.bin"} << QString() << 2
                                      << "usage: update-all MCU_IMAGE FLASH_IMAGE";
    QTest::newRow("image where none is taken")
        << QStringList{"probe", "a.bin"} << QString() << 2 << "probe takes no file";
    QTest::newRow("wait time above 7") << QStringList{"--wait-time", "8", "probe"} << QString() << 2
                                       << "--wait-time takes a whole number from 0 to 7";
    QTest::newRow("wait time negative")
        << QStringList{"--wait-time=-1", "probe"} << QString() << 2 << "--wait-time takes";
    QTest::newRow("wait time not a number")
        << QStringList{"--wait-time", "3ms", "probe"} << QString() << 2 << "not \"3ms\"";
    QTest::newRow("boot setting 3") << QStringList{"--boot-setting", "3", "probe"} << QString() << 2
                                    << "--boot-setting takes a whole number from 0 to 2";
    QTest::newRow("option without value")
        << QStringList{"probe", "--port"} << QString() << 2 << "Missing value after '--port'";
    QTest::newRow("empty port") << QStringList{"probe", "--port="} << QString() << 2
                                << "--port needs a port name";
    QTest::newRow("nand outside flash-mode")
        << QStringList{"run", "--nand"} << QString() << 2 << "--nand does not apply to run";
    QTest::newRow("erase-whole on a check")
        << QStringList{"check-flash", "f.bin", "--erase-whole"} << QString() << 2
        << "--erase-whole does not apply to check-flash";
    QTest::newRow("only-changed with erase-whole")
        << QStringList{"update-all", "a.bin", "f.bin", "--only-changed", "--erase-whole"}
        << QString() << 2
        << "--only-changed cannot be used with --erase-whole: an erased flash has nothing to keep";
    QTest::newRow("only-changed on a check")
        << QStringList{"check-flash", "f.bin", "--only-changed"} << QString() << 2
        << "--only-changed does not apply to check-flash";
    QTest::newRow("blocks on an update")
        << QStringList{"update-flash", "f.bin", "--blocks"} << QString() << 2
        << "--blocks does not apply to update-flash";
    QTest::newRow("missing image file")
        << QStringList{"update-flash", "absent.bin", "--port", "/dev/null"} << QString() << 2
        << "cannot read image \"absent.bin\": no such file";
    QTest::newRow("image is a directory") << QStringList{"check-mcu", ".", "--port", "/dev/null"}
                                          << QString() << 2 << "cannot read image \".\"";
    QTest::newRow("no chip port in the map")
        << QStringList{"probe"} << noChip << 2 << "no chip port (\\Device\\USBSER000)";
    QTest::newRow("port that cannot be opened")
        << QStringList{"probe", "--port", "/nonexistent/ttyACM9"} << QString() << 1
        << "cannot open port \"/nonexistent/ttyACM9\"";
    QTest::newRow("mapped chip port that cannot be opened")
        << QStringList{"info"} << QStringLiteral("\\Device\\USBSER000=/nonexistent/ttyACM0") << 1
        << "Open fail";
}

void CliUsageTest::refusals() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, serialComm);
    QFETCH(int, status);
    QFETCH(QString, reason);

    const CliRun run = Run_Cli(arguments, dir.path(), serialComm, 10000);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
}

void CliUsageTest::helpAndVersion() {
    const CliRun help = Run_Cli({"--help"}, dir.path());
    QCOMPARE(help.status, 0);
    for (const char *command : {"ports", "probe", "info", "flash-info", "update-mcu", "check-mcu",
                                "update-flash", "check-flash", "update-all", "run", "flash-mode"})
        QVERIFY2(help.out.contains(QLatin1String("  ") + QLatin1String(command)), command);
    for (const char *option : {"--erase-whole", "--only-changed", "--blocks"})
        QVERIFY2(help.out.contains(QLatin1String(option)), option);

    const CliRun version = Run_Cli({"--version"}, dir.path());
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QStringLiteral("tessara-cli 3.21\n"));
}

void CliUsageTest::portsMarksTheChipPort() {
    const CliRun run =
        Run_Cli({"ports"}, dir.path(),
                QStringLiteral(
                    "\\Device\\Serial0=ttyS0;\\Device\\USBSER000=/tmp/kq;\\Device\\USBSER001=x"));
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith("  \\Device\\Serial0") && lines[0].endsWith(" ttyS0"));
    QVERIFY(lines[1].startsWith("* \\Device\\USBSER000") && lines[1].endsWith(" /tmp/kq"));
    QVERIFY(lines[2].startsWith("  \\Device\\USBSER001"));
}

QTEST_GUILESS_MAIN(CliUsageTest)
#include "test_cli_usage.moc"
