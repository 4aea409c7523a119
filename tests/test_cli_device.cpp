// tessara-cli against a simulated chip: the probe on the chip's port from the serial-port map,
// a whole update-all with both checks, and failures that must end with status 1.
#include "sim/sim_device.h"
#include "support/cli_process.h"
#include "support/model_codes.h"

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

// The reply letter of a command: the lower-case flash commands answer with their letter + 0x10.
char replyLetterOf(char command) {
    return command >= 'a' && command <= 'z' ? char(command + 0x10) : command;
}

// Checks a trace, line by line, against the frames the simulator received: every frame shown is
// the next one received, byte for byte; a count line stands for that many frames of the same
// train, and the frame shown after it ends its block; every arrival answers the command before
// it; the clock never runs backwards.
void checkTrace(const QStringList &lines, const QVector<SimFrame> &frames) {
    int next = 0;
    qint64 lastUs = 0;
    char command = 0;
    bool trainEnds = false; // a count line came: the next frame shown ends its block
    for (const QString &line : lines) {
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(f.size() >= 5 && f[1] == QLatin1String("us"), qPrintable(line));
        const qint64 us = f[0].toLongLong();
        QVERIFY2(us >= lastUs, qPrintable(line));
        lastUs = us;
        if (f[2] == QLatin1String("TX") && f[3] == QLatin1String("...")) {
            // "... N packets not shown, B bytes"
            const int count = f[4].toInt();
            int bytes = 0;
            for (int i = next; i < next + count && i < frames.size(); ++i) {
                QVERIFY2(QByteArray("JjkI").contains(char(frames[i].letter)), qPrintable(line));
                bytes += frames[i].bytes.size();
            }
            QVERIFY2(count > 0, qPrintable(line));
            QCOMPARE(f[8].toInt(), bytes);
            next += count;
            trainEnds = true;
            continue;
        }
        // "T us DIR LETTER LENGTH hex...", "xx" for a byte the trace keeps to itself
        const QStringList hex = f.mid(5);
        QCOMPARE(hex.size(), f[4].toInt());
        QByteArray bytes;
        QList<int> hidden;
        for (int i = 0; i < hex.size(); ++i) {
            if (hex[i] == QLatin1String("xx")) hidden.append(i);
            bytes += char(hex[i].toInt(nullptr, 16)); // 0 for xx
        }
        const uint8_t letter = uint8_t(bytes[0]);
        QCOMPARE(f[3], letter > 0x20 && letter < 0x7F ? QString(QLatin1Char(char(letter)))
                                                      : QString::asprintf("0x%02x", letter));
        if (f[2] == QLatin1String("TX")) {
            QVERIFY2(next < frames.size(), qPrintable(line));
            QByteArray sent = frames[next++].bytes;
            // The handshake's CRC only.
            if (!hidden.isEmpty()) {
                QCOMPARE(hidden, (QList<int>{8, 9, 10, 11}));
                QCOMPARE(char(sent[0]), 'K');
                sent.replace(8, 4, QByteArray(4, '\0'));
            }
            QCOMPARE(bytes, sent);
            command = bytes[0];
            if (trainEnds)
                QVERIFY2(command == 'l' || command == 'I' || (command == 'J' && bytes[1] == '2'),
                         qPrintable(line));
            trainEnds = false;
        } else {
            QCOMPARE(f[2], QStringLiteral("RX"));
            QCOMPARE(char(bytes[0]), replyLetterOf(command));
        }
    }
    QCOMPARE(next, frames.size());
}

} // namespace

class CliDeviceTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void probeFindsTheChipPortAndLogsLikeTheWindow();
    void infoSaysEachFieldOnce();
    void quietPrintsNothing();
    void traceOfAnUpdate_data();
    void traceOfAnUpdate();
    void updateAllThenBothChecks();
    void firstLineNamesTheFlashIni();
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
    QCOMPARE(run.out, QStringLiteral("Port: %1 (\\Device\\USBSER000 in the serial-port map)\n"
                                     "KQ31B Boot_Version:1a\nMCU type: KQ31B\n")
                          .arg(sim->portPath()));
    QCOMPARE(run.err, QString());
    // Tried the KQ31A first, as the window's probe does, then found the KQ31B.
    QCOMPARE(sim->receivedCount(), 2);
}

void CliDeviceTest::infoSaysEachFieldOnce() {
    const QString ini = write("Flash.ini", "0xEF4018,4096,4096,W25Q128JV,\n");
    const CliRun run = Run_Cli({"info", "--port", sim->portPath()}, dir.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QStringLiteral("Port: %1\nFlash.ini: %2\nKQ31B Boot_Version:1a\n"
                                     "MCU type: KQ31B\n"
                                     "Flash ID: 0xef4018  Size: 16777216  Name: W25Q128JV\n"
                                     "FlashID:0xef4018\n")
                          .arg(sim->portPath(), ini));
    QCOMPARE(sim->received().last().name, QStringLiteral("G")); // the reply it reports was read
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

// The log line after the port's names the Flash.ini read: --flash-ini while it exists, else the
// search.
void CliDeviceTest::firstLineNamesTheFlashIni() {
    QTemporaryDir other;
    const QString chosen = other.filePath("parts.ini");
    const QString current = write("Flash.ini", "0xEF4018,4096,4096,FromCurrentDir,\n");
    const QStringList command{"flash-info", "--flash-ini", chosen, "--port", sim->portPath()};

    const CliRun missing = Run_Cli(command, dir.path());
    QCOMPARE(missing.status, 0);
    QCOMPARE(missing.out.section('\n', 1, 1),
             "Flash.ini: " + current + " (--flash-ini \"" + chosen + "\" does not exist)");
    QVERIFY(missing.out.contains("Name: FromCurrentDir\n"));

    QFile file(chosen);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[FLASH]\n0xEF4018,4096,4096,Chosen,\n");
    file.close();
    const CliRun found = Run_Cli(command, dir.path());
    QCOMPARE(found.status, 0);
    QCOMPARE(found.out.section('\n', 1, 1), "Flash.ini: " + chosen);
    QVERIFY(found.out.contains("Flash ID: 0xef4018  Size: 16777216  Name: Chosen\n"));
}

void CliDeviceTest::traceOfAnUpdate_data() {
    QTest::addColumn<QString>("model");
    QTest::newRow("512-byte packets, flash blocks acknowledged") << "KQ31B";
    QTest::newRow("64-byte packets, flash blocks unacknowledged") << "KQ31A";
}

void CliDeviceTest::traceOfAnUpdate() {
    QFETCH(QString, model);
    SimConfig config;
    QVERIFY(SimConfig::forModel(model, &config));
    SimDevice device(config);
    QVERIFY2(device.start(), qPrintable(device.errorString()));
    const QString mcuPath = write("app.bin", mcuImage(5000));        // three MCU blocks
    const QString flashPath = write("flash.bin", flashImage(20000)); // a block and a remainder
    const QString tracePath = dir.filePath("kq.trace");

    const CliRun run = Run_Cli({"update-all", mcuPath, flashPath, "--port", device.portPath(),
                                "--trace", tracePath, "--verbose"},
                               dir.path());
    QVERIFY2(run.status == 0, qPrintable(run.out + run.err));
    QFile file(tracePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.value(0).startsWith("# tessara-cli 3.21 update-all on " + device.portPath()),
             qPrintable(lines.value(0)));
    checkTrace(lines.mid(1), device.received());
    if (QTest::currentTestFailed()) return;
    QVERIFY(lines.filter(" packets not shown, ").size() >= 3); // the trains were summarised
    // --verbose: the same trace on stderr, and no progress bar in it.
    QCOMPARE(run.err.split('\n', Qt::SkipEmptyParts), lines.mid(1));
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
    QTest::newRow("every handshake answered with another build's proof")
        << QStringList{"info"} << 'K' << 0 << int(SimFault::BadCrc)
        << "\", but with the proof of another build: no model this build knows"
        << "";
    QTest::newRow("a reply longer than a reply")
        << QStringList{"info"} << 'G' << 1 << int(SimFault::Burst)
        << " was answered with more bytes than a reply holds"
        << "";
    QTest::newRow("64 KiB image refused on a KQ31A")
        << QStringList{"update-mcu", "big.bin"} << 'L' << 1 << int(SimFault::Silence)
        << "tessara-cli: image of 65536 bytes exceeds the KQ31A's MCU flash of"
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
    if (arguments.contains(QLatin1String("big.bin"))) {
        QVERIFY(!write("big.bin", mcuImage(64 * 1024)).isEmpty());
        SimConfig config;
        config.modelCode = Model::KQ31A; // the model is set when the chip starts
        delete sim;
        sim = new SimDevice(config);
        QVERIFY2(sim->start(), qPrintable(sim->errorString()));
    }
    sim->addFault(SimFault::on(letter, occurrence, SimFault::Kind(kind)));
    const CliRun run = Run_Cli(arguments + QStringList{"--port", sim->portPath()}, dir.path());
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(stderrText), qPrintable(run.err + run.out));
    QVERIFY2(run.out.contains(stdoutText), qPrintable(run.out));
    QVERIFY2(!run.out.contains("Len: 0"), qPrintable(run.out)); // no image to show
}

QTEST_GUILESS_MAIN(CliDeviceTest)
#include "test_cli_device.moc"
