// tessara-cli against a simulated chip: the probe on the chip's port from the serial-port map,
// a whole update-all with both checks, and failures that must end with status 1.
#include "sim/sim_device.h"
#include "support/cli_process.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A plain MCU image whose run address (bytes 4-7) is 0x0800A000: it lands at offset 0x2000.
QByteArray mcuImage(int length) {
    QByteArray image(length, '\0');
    for (int i = 0; i < length; ++i)
        image[i] = char((i * 7 + 3) & 0xFF);
    const uint32_t run = 0x0800A000;
    for (int i = 0; i < 4; ++i)
        image[4 + i] = char((run >> (8 * i)) & 0xFF);
    return image;
}

QByteArray flashImage(int length) {
    QByteArray image(length, '\0');
    for (int i = 0; i < length; ++i)
        image[i] = char((i * 131 + (i >> 9)) & 0xFF);
    return image;
}

QString chipMap(const SimDevice &sim) {
    return QStringLiteral("\\Device\\Serial0=/dev/null;\\Device\\USBSER000=") + sim.portPath();
}

} // namespace

class CliDeviceTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void probeFindsTheChipPortAndLogsLikeTheWindow();
    void quietPrintsNothing();
    void updateAllThenBothChecks();
    void firstLineNamesTheFlashIni();
    void failures_data();
    void failures();

  private:
    QString write(const QString &name, const QByteArray &bytes);

    QTemporaryDir dir;
    SimDevice *sim = nullptr;
};

void CliDeviceTest::init() {
    sim = new SimDevice(SimConfig()); // a KQ31B with a 16 MiB W25Q128 (0xEF4018)
    QVERIFY2(sim->start(), qPrintable(sim->errorString()));
}

void CliDeviceTest::cleanup() {
    delete sim;
    sim = nullptr;
}

QString CliDeviceTest::write(const QString &name, const QByteArray &bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return QString();
    return file.fileName();
}

void CliDeviceTest::probeFindsTheChipPortAndLogsLikeTheWindow() {
    const CliRun run = Run_Cli({"probe"}, dir.path(), chipMap(*sim));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QStringLiteral("KQ31B Boot_Version:1a\nMCU type: KQ31B\n"));
    QCOMPARE(run.err, QString());
    // Tried the KQ31A first, as the window's probe does, then found the KQ31B.
    QCOMPARE(sim->receivedCount(), 2);
}

void CliDeviceTest::quietPrintsNothing() {
    const CliRun run = Run_Cli({"flash-info", "--quiet", "--port", sim->portPath()}, dir.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err, QString());
    QVERIFY(sim->receivedCount() >= 3); // two probe handshakes and the flash-ID request
}

void CliDeviceTest::updateAllThenBothChecks() {
    const QByteArray mcu = mcuImage(5000);
    const QByteArray flash = flashImage(70000); // two 32 KiB blocks and a remainder
    const QString mcuPath = write("app.bin", mcu);
    const QString flashPath = write("flash.bin", flash);
    QVERIFY(!mcuPath.isEmpty() && !flashPath.isEmpty());
    const QStringList port{"--port", sim->portPath()};

    const CliRun update = Run_Cli(QStringList{"update-all", mcuPath, flashPath} + port, dir.path());
    QVERIFY2(update.status == 0, qPrintable(update.out + update.err));
    QVERIFY(update.out.contains("sAddr:0x00002000 eAddr:0x00003388\n"));
    QVERIFY(update.out.contains("\nUpdate MCU is OK!!!!!!\n\n"));
    QVERIFY(update.out.contains("Flash ID: "));
    QVERIFY(update.out.endsWith("Check flash CRC pass.\n" + update.out.section('\n', -4, -4) +
                                "\n\nUpdate flash is OK!!!!!!\n"));
    QCOMPARE(update.err, QString()); // no message box, and stderr is no terminal: no bar
    QCOMPARE(sim->mcuFlash().mid(0x2000, mcu.size()), mcu);
    QCOMPARE(sim->externalFlash(0, flash.size()), flash);

    const CliRun checkMcu = Run_Cli(QStringList{"check-mcu", mcuPath} + port, dir.path());
    QCOMPARE(checkMcu.status, 0);
    QVERIFY(checkMcu.out.contains("enter_Addr:0x0800A000\n"));
    QVERIFY(checkMcu.out.endsWith("Check MCU CRC is OK...\n"));

    const CliRun checkFlash = Run_Cli(QStringList{"check-flash", flashPath} + port, dir.path());
    QCOMPARE(checkFlash.status, 0);
    QVERIFY(checkFlash.out.contains("Check flash CRC pass.\n"));

    // The same check against a changed image is a failure.
    QByteArray other = flash;
    other[100] = char(other[100] ^ 0x5A);
    const CliRun mismatch =
        Run_Cli(QStringList{"check-flash", write("other.bin", other)} + port, dir.path());
    QCOMPARE(mismatch.status, 1);
    QVERIFY(mismatch.out.contains("Check flash CRC fail,return CRC Value: 0x"));
    QCOMPARE(mismatch.err, QString("tessara-cli: the external flash does not hold the image\n"));
}

// The first log line names the Flash.ini read: --flash-ini while it exists, else the search.
void CliDeviceTest::firstLineNamesTheFlashIni() {
    QTemporaryDir other;
    const QString chosen = other.filePath("parts.ini");
    const QString current = write("Flash.ini", "0xEF4018,4096,4096,FromCurrentDir,\n");
    const QStringList command{"flash-info", "--flash-ini", chosen, "--port", sim->portPath()};

    const CliRun missing = Run_Cli(command, dir.path());
    QCOMPARE(missing.status, 0);
    QCOMPARE(missing.out.section('\n', 0, 0),
             "Flash.ini: " + current + " (--flash-ini \"" + chosen + "\" does not exist)");
    QVERIFY(missing.out.contains("Name: FromCurrentDir\n"));

    QFile file(chosen);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[FLASH]\n0xEF4018,4096,4096,Chosen,\n");
    file.close();
    const CliRun found = Run_Cli(command, dir.path());
    QCOMPARE(found.status, 0);
    QCOMPARE(found.out.section('\n', 0, 0), "Flash.ini: " + chosen);
    QVERIFY(found.out.contains("Flash ID: 0xef4018  Size: 16777216  Name: Chosen\n"));
}

void CliDeviceTest::failures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<char>("letter");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("stderrText");
    QTest::addColumn<QString>("stdoutText");

    QTest::newRow("silent at the probe")
        << QStringList{"info"} << 'K' << 1 << int(SimFault::Silence)
        << "Time over!\ntessara-cli: no known chip answered"
        << "";
    QTest::newRow("silent at the update's handshake")
        << QStringList{"update-mcu", "app.bin"} << 'K' << 3 << int(SimFault::Silence)
        << "Time over!\nFail to Connect a mcu device\ntessara-cli: the handshake was not answered"
        << "Update MCU is fail.....";
    QTest::newRow("erase refused")
        << QStringList{"update-mcu", "app.bin"} << 'L' << 1 << int(SimFault::WrongLetter)
        << "tessara-cli: the MCU erase was refused"
        << "Erase flash NG!!!";
    QTest::newRow("information reply corrupted")
        << QStringList{"info"} << 'G' << 1 << int(SimFault::BadCrc)
        << "tessara-cli: the device information arrived damaged (CRC)"
        << "Get infomation crc32 error";
    QTest::newRow("flash part not answering")
        << QStringList{"flash-info"} << 'm' << 0 << int(SimFault::WrongLetter)
        << "tessara-cli: the flash ID request was refused"
        << "";
    QTest::newRow("run on a boot-update loader refused")
        << QStringList{"run"} << 'O' << 0 << int(SimFault::Silence)
        << "Connect to a boot update device,error to run"
        << "";
}

void CliDeviceTest::failures() {
    QFETCH(QStringList, arguments);
    QFETCH(char, letter);
    QFETCH(int, occurrence);
    QFETCH(int, kind);
    QFETCH(QString, stderrText);
    QFETCH(QString, stdoutText);

    QVERIFY(!write("app.bin", mcuImage(3000)).isEmpty());
    if (arguments.first() == QLatin1String("run")) {
        SimConfig config = sim->config();
        config.bootKindCode = 0xEEBA0020; // the boot-update loader
        sim->setConfig(config);
    }
    sim->addFault(SimFault::on(letter, occurrence, SimFault::Kind(kind)));
    const CliRun run = Run_Cli(arguments + QStringList{"--port", sim->portPath()}, dir.path());
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(stderrText), qPrintable(run.err));
    QVERIFY2(run.out.contains(stdoutText), qPrintable(run.out));
}

QTEST_GUILESS_MAIN(CliDeviceTest)
#include "test_cli_device.moc"
