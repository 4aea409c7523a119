// tessara-cli's command line: what it refuses, with which status and reason, before any device
// is touched; help, version and the port list.
#include "flash/loader_images.h"
#include "protocol/handshake.h"
#include "sim/sim_config.h"
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
    void unreadableFlashIniStopsBeforeThePort();

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
    QTest::newRow("empty trace file")
        << QStringList{"probe", "--trace="} << QString() << 2 << "--trace needs a file name";
    QTest::newRow("trace file that cannot be written")
        << QStringList{"probe", "--port", "/dev/null", "--trace", "/nonexistent/kq.trace"}
        << QString() << 2 << "cannot write the trace file \"/nonexistent/kq.trace\"";
    QTest::newRow("serial number without a number")
        << QStringList{"probe", "--port", "serial:"} << QString() << 2
        << "serial: needs a USB serial number";
    QTest::newRow("serial number no port has: no chip connected")
        << QStringList{"probe", "--port", "serial:NO-SUCH-BOARD"} << QString() << 1
        << "no chip connected: no port has the USB serial number \"NO-SUCH-BOARD\"";
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
    QTest::newRow("probe outside ports")
        << QStringList{"probe", "--probe"} << QString() << 2 << "--probe does not apply to probe";
    QTest::newRow("missing image file")
        << QStringList{"update-flash", "absent.bin", "--port", "/dev/null"} << QString() << 2
        << "cannot read image \"absent.bin\": no such file";
    QTest::newRow("image is a directory") << QStringList{"check-mcu", ".", "--port", "/dev/null"}
                                          << QString() << 2 << "cannot read image \".\"";
    QTest::newRow("no chip port in the map: no chip connected")
        << QStringList{"probe"} << noChip << 1 << "no chip connected";
    QTest::newRow("--all with --port") << QStringList{"probe", "--all", "--port", "/dev/null"}
                                       << QString() << 2 << "--all and --port exclude each other";
    QTest::newRow("port named twice")
        << QStringList{"probe", "--port", "/dev/a", "--port", "/dev/a"} << QString() << 2
        << "--port \"/dev/a\" is given twice";
    QTest::newRow("watch on the port list")
        << QStringList{"ports", "--watch"} << QString() << 2 << "--watch does not apply to ports";
    QTest::newRow("report that cannot be opened")
        << QStringList{"probe", "--port", "/dev/null", "--report", "."} << QString() << 2
        << "cannot open the report \".\"";
    QTest::newRow("port that cannot be opened")
        << QStringList{"probe", "--port", "/nonexistent/ttyACM9"} << QString() << 1
        << "Open fail\ntessara-cli: cannot open /nonexistent/ttyACM9: no such device\n";
    QTest::newRow("mapped chip port that cannot be opened")
        << QStringList{"run"} << QStringLiteral("\\Device\\USBSER000=/nonexistent/ttyACM0") << 1
        << "Open fail\ntessara-cli: cannot open /nonexistent/ttyACM0: no such device\n";
}

void CliUsageTest::refusals() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, serialComm);
    QFETCH(int, status);
    QFETCH(QString, reason);

    const CliRun run = Run_Cli(arguments, dir.path(), serialComm, 10000);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    // A port that was tried is named in the one log line; a refusal before it prints nothing.
    const bool portTried = reason.startsWith(QLatin1String("Open fail"));
    QVERIFY2(portTried ? run.out.startsWith("Port: /nonexistent/") && run.out.count('\n') == 1
                       : run.out.isEmpty(),
             qPrintable(run.out));
}

void CliUsageTest::helpAndVersion() {
    const CliRun help = Run_Cli({"--help"}, dir.path());
    QCOMPARE(help.status, 0);
    for (const char *command : {"ports", "probe", "info", "flash-info", "update-mcu", "check-mcu",
                                "update-flash", "check-flash", "update-all", "run", "flash-mode"})
        QVERIFY2(help.out.contains(QLatin1String("  ") + QLatin1String(command)), command);
    for (const char *text :
         {"--erase-whole", "--only-changed", "--blocks", "--trace <FILE>", "--verbose",
          "serial:NUMBER", "TESSARA_SERIALCOMM", "a guess, the first ttyACM device", "Ctrl-C",
          "\nExit status:\n  0    success", "\n  2    bad usage, before anything is sent",
          "\n  129  stopped by SIGHUP", "\n  130  stopped by Ctrl-C", "\n  143  stopped by SIGTERM",
          "Examples:\n  tessara-cli ports\n  tessara-cli --port serial:"})
        QVERIFY2(help.out.contains(QLatin1String(text)), text);

    const CliRun version = Run_Cli({"--version"}, dir.path());
    QCOMPARE(version.status, 0);
    const FlashModeLoaders loaders = BuiltIn_Loaders();
    const auto built = [](const LoaderImage &l) {
        return l.builtIn() ? "built in" : "not built in";
    };
    QCOMPARE(version.out,
             QStringLiteral("tessara-cli 3.21\n"
                            "Handshake proof tags (shared with the boot loader, never shown):\n"
                            "  TESSARA_PROOF_TAG        %1\n"
                            "  TESSARA_PROOF_TAG_KQ580  %2\n"
                            "KQ580 flash-mode loaders:\n"
                            "  TESSARA_NOR_LOADER       %3\n"
                            "  TESSARA_NAND_LOADER      %4\n")
                 .arg(ProofTag_IsDefault(false) ? "the default" : "set for this build",
                      ProofTag_IsDefault(true) ? "the default" : "set for this build",
                      built(loaders.nor), built(loaders.nand)));
    // The tags are the build's secret with the boot loader: whatever they are, never printed.
    const SimConfig sim; // the simulator's tags are the build's
    QVERIFY(!version.out.contains(QLatin1String(sim.proofTag)));
    QVERIFY(!version.out.contains(QLatin1String(sim.proofTagKq580)));
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

    // Without the map of TESSARA_SERIALCOMM, the system's ports, and the chip's is a guess.
    const CliRun system = Run_Cli({"ports"}, dir.path());
    QCOMPARE(system.status, 0);
    QVERIFY2(system.out.endsWith("(*) the chip's port is a guess on Linux: the first ttyACM "
                                 "device. Name it with --port NAME, --port serial:NUMBER or "
                                 "TESSARA_SERIALCOMM.\n"),
             qPrintable(system.out));
}

// A Flash.ini that exists but cannot be read is named, and nothing is sent.
void CliUsageTest::unreadableFlashIniStopsBeforeThePort() {
    QTemporaryDir here;
    const QString ini = here.filePath("Flash.ini");
    QVERIFY(QDir().mkpath(ini));
    const CliRun run = Run_Cli({"update-flash", QCoreApplication::applicationFilePath(), "--port",
                                "/nonexistent/ttyACM9", "--flash-ini", ini},
                               here.path());
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err, "tessara-cli: Cannot read Flash.ini \"" + ini + "\": it is a directory\n");
}

QTEST_GUILESS_MAIN(CliUsageTest)
#include "test_cli_usage.moc"
