// tessara-cli's verdicts against a simulated chip: no success without the work done, a failure
// whose last line says why (even with --quiet), Ctrl-C, and a reader that goes away.
#include "serial/serial_link.h"
#include "sim/sim_device.h"
#include "support/cli_process.h"
#include "support/mcu_rig.h"
#include "support/scoped_current_dir.h"

#include <QFile>
#include <QtTest>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A KQ31B image whose run address places it at offset 0x2000.
QByteArray appImage(int length = 5000) {
    return mcuImage(length, 0x800A000);
}

QString lastLine(const QString &text) {
    return text.trimmed().section(QLatin1Char('\n'), -1);
}

// Received frames whose name is one of `names`.
int framesNamed(const SimDevice &sim, const QStringList &names) {
    int n = 0;
    for (const SimFrame &f : sim.received())
        n += names.contains(f.name);
    return n;
}

const QStringList flashCommands{"m", "o", "h", "j", "k", "l", "n"};

} // namespace

class CliVerdicts : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void emptyImagesAreRefusedBeforeAnythingIsSent_data();
    void emptyImagesAreRefusedBeforeAnythingIsSent();
    void refusedImagesNeverReachACheck_data();
    void refusedImagesNeverReachACheck();
    void everyFailureSaysWhy_data();
    void everyFailureSaysWhy();
    void permissionDeniedNamesTheGroup();
    void ctrlCDuringTheMcuPartStopsBeforeTheFlash();
    void ctrlCDuringTheFlashUpdateInterrupts();
    void closedStdoutDoesNotStopAnUpdate();

  private:
    QString write(const QString &name, const QByteArray &bytes) { return dir.write(name, bytes); }
    QString sparse(const QString &name, qint64 size);
    QStringList port() const { return {"--port", sim->portPath()}; }

    ScopedCurrentDir dir;
    SimDevice *sim = nullptr;
};

void CliVerdicts::init() {
    SimConfig config; // a KQ31B with a 16 MiB W25Q128 (0xEF4018)
    config.mcuEraseMs = 300;
    config.flashEraseMs = 300;
    sim = new SimDevice(config);
    QVERIFY2(sim->start(), qPrintable(sim->errorString()));
    QFile::remove(dir.filePath("Flash.ini")); // the one beside the program lists the part
}

void CliVerdicts::cleanup() {
    delete sim;
    sim = nullptr;
}

// A file that reports `size` bytes without taking the space.
QString CliVerdicts::sparse(const QString &name, qint64 size) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size)) return QString();
    return file.fileName();
}

void CliVerdicts::emptyImagesAreRefusedBeforeAnythingIsSent_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("verb");
    QTest::newRow("update-flash") << QStringList{"update-flash", "empty.bin"} << "write";
    QTest::newRow("update-flash, whole erase")
        << QStringList{"update-flash", "empty.bin", "--erase-whole"} << "write";
    QTest::newRow("check-flash") << QStringList{"check-flash", "empty.bin"} << "check";
    QTest::newRow("update-mcu") << QStringList{"update-mcu", "empty.bin"} << "write";
    QTest::newRow("check-mcu") << QStringList{"check-mcu", "empty.bin"} << "check";
    QTest::newRow("update-all, empty flash image")
        << QStringList{"update-all", "app.bin", "empty.bin"} << "write";
}
void CliVerdicts::emptyImagesAreRefusedBeforeAnythingIsSent() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, verb);
    const QString empty = write("empty.bin", QByteArray());
    QVERIFY(!write("app.bin", appImage()).isEmpty());
    const CliRun run = Run_Cli(arguments + port(), dir.path());
    QCOMPARE(run.status, 2);
    QCOMPARE(
        run.err,
        QStringLiteral("tessara-cli: image \"empty.bin\" has 0 bytes: nothing to %1\n").arg(verb));
    QCOMPARE(run.out, QString());
    QCOMPARE(sim->receivedCount(), 0);
}

void CliVerdicts::refusedImagesNeverReachACheck_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("neverSent");
    QTest::newRow("check-flash, 3 GiB")
        << QStringList{"check-flash", "huge.bin"}
        << "tessara-cli: image of 3221225472 bytes: 2 GiB or more cannot be used"
        << QStringList{"n"};
    QTest::newRow("update-flash, 1 GiB: refused from its size")
        << QStringList{"update-flash", "gib.bin"}
        << "tessara-cli: image of 1073741824 bytes is larger than any flash part in "
        << flashCommands;
    QTest::newRow("check-mcu, packaged with a wrong trailer")
        << QStringList{"check-mcu", "app.pkg"}
        << "tessara-cli: \"app.pkg\" is no packaged image: its CRC trailer does not match"
        << QStringList{"N", "K"};
    QTest::newRow("update-mcu, larger than the MCU flash")
        << QStringList{"update-mcu", "big.bin"}
        << "tessara-cli: image of 520193 bytes exceeds the KQ31B's MCU flash of 520192 bytes"
        << QStringList{"L", "J"};
    QTest::newRow("update-mcu, over the update limit")
        << QStringList{"update-mcu", "limit.bin"}
        << "tessara-cli: image of 489473 bytes exceeds the KQ31B's update limit of 489472 bytes"
        << QStringList{"L", "J"};
}
void CliVerdicts::refusedImagesNeverReachACheck() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QFETCH(QStringList, neverSent);
    if (sparse("huge.bin", qint64(3) << 30).isEmpty() ||
        sparse("gib.bin", qint64(1) << 30).isEmpty())
        QSKIP("no sparse files here");
    const QByteArray image = appImage();
    QVERIFY(!write("app.pkg", packagedImage(image, imageCrc(image) ^ 1)).isEmpty());
    QVERIFY(!write("big.bin", appImage(520193)).isEmpty());
    QVERIFY(!write("limit.bin", appImage(489473)).isEmpty());
    const int probe = 2; // the probe's handshakes: KQ31A, then KQ31B

    const CliRun run = Run_Cli(arguments + port(), dir.path());
    QCOMPARE(run.status, 1);
    QVERIFY2(lastLine(run.err).startsWith(reason), qPrintable(run.err));
    QVERIFY(!run.out.contains("pass") && !run.out.contains("OK"));
    QCOMPARE(framesNamed(*sim, neverSent), neverSent.contains("K") ? probe : 0);
}

void CliVerdicts::everyFailureSaysWhy_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("flashIni"); // null: the one beside the program
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason"); // %1: this test's directory
    QTest::newRow("flash-info, part not in Flash.ini")
        << QStringList{"flash-info"} << QByteArray("0xC84018,4096,4096,GD25Q128,\n") << 1
        << "flash ID 0xef4018 is not in %1/Flash.ini";
    QTest::newRow("info agrees") << QStringList{"info"}
                                 << QByteArray("0xC84018,4096,4096,GD25Q128,\n") << 1
                                 << "flash IDs 0xef4018 and 0x0 are not in %1/Flash.ini";
    QTest::newRow("the device went away")
        << QStringList{"update-mcu", "app.bin"} << QByteArray() << 1 << "the device went away";
    QTest::newRow("no chip connected")
        << QStringList{"probe"} << QByteArray() << 1
        << "no chip connected: no \\Device\\USBSER000 in the serial-port map";
    QTest::newRow("port held by another program")
        << QStringList{"probe"} << QByteArray() << 1 << "busy (in use by another program)";
    QTest::newRow("port held by another program under another name")
        << QStringList{"probe"} << QByteArray() << 1 << "busy (in use by another program)";
}
void CliVerdicts::everyFailureSaysWhy() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, flashIni);
    QFETCH(int, status);
    QFETCH(QString, reason);
    if (!flashIni.isNull()) QVERIFY(!write("Flash.ini", flashIni).isEmpty());
    QVERIFY(!write("app.bin", appImage(9000)).isEmpty());
    sim->addFault(SimFault::on('J', 2, SimFault::Vanish, -1));
    const QString tag = QTest::currentDataTag();
    SerialLink holder; // another program with the port open
    if (tag.startsWith("port held")) {
        // Held through a link to the terminal, or by the terminal's own name.
        const QString held = tag.endsWith("another name") ? dir.filePath("ttyKQ") : sim->portPath();
        if (held != sim->portPath()) QVERIFY(QFile::link(sim->portPath(), held));
        QVERIFY(holder.Open(held));
    }
    const QStringList where =
        tag == "no chip connected" ? QStringList() : QStringList{"--port", sim->portPath()};

    CliRunOptions options;
    options.serialComm = QStringLiteral("\\Device\\Serial0=/dev/null");
    const CliRun run = Run_Cli(arguments + where + QStringList{"--quiet"}, dir.path(), options);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QString());
    const QString expected = reason.contains("%1") ? reason.arg(dir.path()) : reason;
    QVERIFY2(lastLine(run.err).startsWith("tessara-cli: ") && lastLine(run.err).contains(expected),
             qPrintable(run.err));
    if (tag.startsWith("port held")) QCOMPARE(sim->receivedCount(), 0);
}

// Run as a user outside the group that may use the port.
void CliVerdicts::permissionDeniedNamesTheGroup() {
    if (::geteuid() != 0) QSKIP("needs root to run the program as another user");
    QFile::setPermissions(dir.path(),
                          QFile::permissions(dir.path()) | QFile::ExeOther | QFile::ReadOther);
    const group *dialout = ::getgrnam("dialout");
    if (!dialout) QSKIP("no dialout group here");
    const QString device = write("ttyFake", QByteArray());
    QVERIFY(::chown(QFile::encodeName(device).constData(), 0, dialout->gr_gid) == 0);
    QVERIFY(::chmod(QFile::encodeName(device).constData(), 0660) == 0);
    CliRunOptions options;
    options.asNobody = true;
    const CliRun run = Run_Cli({"probe", "--port", device}, dir.path(), options);
    QCOMPARE(run.status, 1);
    QVERIFY2(lastLine(run.err).endsWith(device + ": permission denied (join the dialout group)"),
             qPrintable(run.err));
}

void CliVerdicts::ctrlCDuringTheMcuPartStopsBeforeTheFlash() {
    const QByteArray mcu = appImage();
    const QString mcuPath = write("app.bin", mcu);
    const QString flashPath = write("flash.bin", QByteArray(70000, '\x5A'));
    CliRunOptions options;
    // During the erase; a second Ctrl-C must not end the program midway either.
    options.interruptWhen = [this] { return framesNamed(*sim, {"L"}) > 0; };
    options.interrupts = 2;
    const CliRun run =
        Run_Cli(QStringList{"update-all", mcuPath, flashPath} + port(), dir.path(), options);
    QCOMPARE(run.status, 130);
    QVERIFY2(run.err.contains("tessara-cli: stopping once the MCU update is complete; "
                              "interrupting it would leave the chip without firmware\n"),
             qPrintable(run.err));
    QCOMPARE(lastLine(run.err), QString("tessara-cli: interrupted"));
    QVERIFY(run.out.contains("Update MCU is OK!!!!!!"));
    QCOMPARE(sim->mcuFlash().mid(0x2000, mcu.size()), mcu);
    QCOMPARE(framesNamed(*sim, flashCommands), 0);
}

void CliVerdicts::ctrlCDuringTheFlashUpdateInterrupts() {
    const QString flashPath = write("flash.bin", QByteArray(70000, '\x5A'));
    CliRunOptions options;
    options.interruptWhen = [this] { return framesNamed(*sim, {"h"}) > 0; }; // the whole erase
    const CliRun run = Run_Cli(QStringList{"update-flash", flashPath, "--erase-whole"} + port(),
                               dir.path(), options);
    QCOMPARE(run.status, 130);
    QCOMPARE(lastLine(run.err), QString("tessara-cli: interrupted"));
    QVERIFY(!run.err.contains("stopping once"));
    QVERIFY(run.out.contains("Update flash is fail....."));
    QCOMPARE(framesNamed(*sim, {"j", "k", "l", "n"}), 0);
}

// `tessara-cli update-mcu app.bin | head -1`: the reader leaves after the first line.
void CliVerdicts::closedStdoutDoesNotStopAnUpdate() {
    const QByteArray mcu = appImage(40000);
    const QString mcuPath = write("app.bin", mcu);
    QProcess shell;
    shell.start("/bin/bash", {"-c",
                              "\"$0\" update-mcu \"$1\" --port \"$2\" | head -1; "
                              "exit ${PIPESTATUS[0]}",
                              Cli_Path(), mcuPath, sim->portPath()});
    QVERIFY(shell.waitForFinished(60000));
    QCOMPARE(shell.exitCode(), 0);
    QCOMPARE(shell.readAllStandardOutput().count('\n'), 1);
    QCOMPARE(sim->mcuFlash().mid(0x2000, mcu.size()), mcu);
}

QTEST_GUILESS_MAIN(CliVerdicts)
#include "test_cli_verdicts.moc"
