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
    void onlyChangedAndDifferingBlocks();
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
    QVERIFY(mismatch.err.contains("tessara-cli: check-flash failed"));
}

// The check names the blocks that differ; the update writes only those; then all match.
void CliDeviceTest::onlyChangedAndDifferingBlocks() {
    const QByteArray flash = flashImage(4 * 32768 + 197);
    QByteArray held = flash;
    held[32768 + 7] = char(held[32768 + 7] ^ 0x10);
    held[3 * 32768] = char(held[3 * 32768] ^ 0x10);
    sim->writeExternalFlash(0, held);
    const QString flashPath = write("flash.bin", flash);
    const QString mcuPath = write("app.bin", mcuImage(5000));
    const QStringList port{"--port", sim->portPath()};
    const auto differing = [](const QString &out) {
        QStringList lines = out.split('\n');
        return lines.filter(QStringLiteral("Differs from the image: "));
    };

    const CliRun before =
        Run_Cli(QStringList{"check-flash", flashPath, "--blocks"} + port, dir.path());
    QCOMPARE(before.status, 1);
    QVERIFY(before.out.contains("Check flash CRC fail,return CRC Value: 0x"));
    QCOMPARE(differing(before.out),
             QStringList({"Differs from the image: 0x00008000-0x0000FFFF (32768 bytes)",
                          "Differs from the image: 0x00018000-0x0001FFFF (32768 bytes)"}));

    const CliRun update =
        Run_Cli(QStringList{"update-flash", flashPath, "--only-changed"} + port, dir.path());
    QVERIFY2(update.status == 0, qPrintable(update.out + update.err));
    QVERIFY(update.out.contains("\nOnly changed blocks: 2 written, 3 unchanged and skipped\n"));
    QVERIFY(update.out.endsWith("\nUpdate flash is OK!!!!!!\n"));
    QCOMPARE(sim->externalFlash(0, flash.size()), flash);

    const CliRun again =
        Run_Cli(QStringList{"update-all", mcuPath, flashPath, "--only-changed"} + port, dir.path());
    QVERIFY2(again.status == 0, qPrintable(again.out + again.err));
    QVERIFY(again.out.contains("\nOnly changed blocks: 0 written, 5 unchanged and skipped\n"));

    const CliRun after =
        Run_Cli(QStringList{"check-flash", flashPath, "--blocks"} + port, dir.path());
    QCOMPARE(after.status, 0);
    QVERIFY(after.out.endsWith("Check flash CRC pass.\n" + after.out.section('\n', -3, -3) +
                               "\nall blocks match\n"));
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
        << "Time over!\nFail to Connect a mcu device\ntessara-cli: update-mcu failed"
        << "Update MCU is fail.....";
    QTest::newRow("erase refused") << QStringList{"update-mcu", "app.bin"} << 'L' << 1
                                   << int(SimFault::WrongLetter) << "tessara-cli: update-mcu failed"
                                   << "Erase flash NG!!!";
    QTest::newRow("information reply corrupted")
        << QStringList{"info"} << 'G' << 1 << int(SimFault::BadCrc) << "tessara-cli: info failed"
        << "Get infomation crc32 error";
    QTest::newRow("flash part not answering")
        << QStringList{"flash-info"} << 'm' << 0 << int(SimFault::WrongLetter)
        << "tessara-cli: flash-info failed"
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
