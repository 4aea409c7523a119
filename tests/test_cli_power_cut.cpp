// The simulator's power cut, driven by tessara-cli's update-all: at each kind of command the
// chip keeps what it had written when the power failed (half an erase, half a block, a boot
// record lost in its rewrite), comes back in its boot loader under the same link, and takes a
// full update again: a matrix of cuts over every step of update-all, each followed by the same
// command again and both checks, which must all end ok.
#include "sim/sim_options.h"
#include "support/bench_rig.h"
#include "support/cli_process.h"
#include "support/mcu_rig.h"

#include <QtTest>

namespace {

constexpr int McuImageOffset = 0x2000; // the bench's MCU image runs at 0x0800A000
constexpr char OldByte = 0x12;         // what the memories held before
constexpr qint64 KiB = 1024, MiB = 1024 * KiB;

bool all(const QByteArray &bytes, char value) {
    return !bytes.isEmpty() && bytes.count(value) == bytes.size();
}

// The fields of the `n`-th frame (from 1) named `name`.
SimFrame nthFrame(const SimDevice &sim, const QString &name, int n) {
    for (const SimFrame &f : sim.received())
        if (f.name == name && --n == 0) return f;
    return SimFrame();
}

} // namespace

class CliPowerCutTest : public QObject {
    Q_OBJECT

  private slots:
    void keepsWhatItWroteAndComesBack_data();
    void keepsWhatItWroteAndComesBack();
};

void CliPowerCutTest::keepsWhatItWroteAndComesBack_data() {
    QTest::addColumn<QString>("cut");        // as --power-cut takes it
    QTest::addColumn<bool>("updatedBefore"); // a whole update of other images came first
    QTest::addColumn<bool>("eraseWhole");
    QTest::newRow("MCU erase, half") << "L:1:50:200" << false << false;
    QTest::newRow("MCU block 2, half") << "J:2:50:200" << false << false;
    QTest::newRow("boot record, before it is touched") << "H:3:0:200" << true << false;
    QTest::newRow("boot record, in its rewrite") << "H:3:50:200" << true << false;
    QTest::newRow("boot record, written, no reply") << "H:3:100:200" << true << false;
    QTest::newRow("MCU CRC check") << "N:1:50:200" << false << false;
    QTest::newRow("flash erase, half") << "h:1:50:200" << false << true;
    QTest::newRow("flash block 1, a quarter: half its sectors erased")
        << "l:1:25:200" << false << false;
    QTest::newRow("flash block 2, three quarters: erased, half programmed")
        << "l:2:75:200" << false << false;
    QTest::newRow("flash CRC check") << "n:1:50:200" << false << false;
    // The rest of the matrix: every step again, at its start, its end and between; what each
    // leaves behind is not looked at, only that the run again mends it.
    for (const char *cut :
         {"L:1:0",   "L:1:10", "L:1:90", "L:1:100", "J:1:0",   "J:1:50", "J:1:100", "J:2:0",
          "J:2:100", "H:1:0",  "H:1:50", "H:2:50",  "H:2:100", "N:1:0",  "N:1:100", "l:1:0",
          "l:1:100", "l:2:25", "l:3:50", "l:3:100", "n:1:0",   "n:1:100"})
        QTest::addRow("matrix %s", cut) << QString(cut) + ":200" << false << false;
    for (const char *cut : {"h:1:0", "h:1:90", "h:1:100"})
        QTest::addRow("matrix %s, whole erase", cut) << QString(cut) + ":200" << false << true;
}

void CliPowerCutTest::keepsWhatItWroteAndComesBack() {
    QFETCH(QString, cut);
    QFETCH(bool, updatedBefore);
    QFETCH(bool, eraseWhole);
    BenchRig bench;
    QVERIFY(bench.plug(0));
    SimDevice &sim = bench.board(0);
    sim.writeMcuFlash(0, QByteArray(sim.mcuFlash().size(), OldByte));
    for (const qint64 at : {qint64(0), 12 * MiB})
        sim.writeExternalFlash(at, QByteArray(int(128 * KiB), OldByte));
    const QStringList update =
        QStringList{"--port", bench.link(0), "update-all", bench.mcuPath, bench.flashPath} +
        (eraseWhole ? QStringList{"--erase-whole"} : QStringList());
    QByteArray oldMcu;
    if (updatedBefore) {
        oldMcu = mcuImage(bench.mcu.size(), 0x0800A000, 7);
        QFile file(bench.path("old.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(oldMcu) == oldMcu.size());
        file.close();
        const CliRun first =
            Run_Cli({"--port", bench.link(0), "update-all", file.fileName(), bench.flashPath},
                    bench.dir.path());
        QCOMPARE(first.status, 0);
    }
    SimPowerCut powerCut;
    QString error;
    QVERIFY2(parsePowerCut(cut, &powerCut, &error), qPrintable(error));
    sim.addPowerCut(powerCut);

    const CliRun cutRun =
        Run_Cli(update + QStringList{"--report", bench.reportPath()}, bench.dir.path());
    QCOMPARE(cutRun.status, 1);
    QVERIFY2(cutRun.err.trimmed().endsWith("the device went away"), qPrintable(cutRun.err));
    // The record says how far the board got.
    const bool inFlash = QChar(cut[0]).isLower();
    QCOMPARE(bench.report().size(), 1);
    const QJsonObject record = bench.report()[0];
    QCOMPARE(record["result"].toString(), QString("fail"));
    QCOMPARE(record["mcu_result"].toString(), QString(inFlash ? "ok" : "fail"));
    QCOMPARE(record["flash_result"].toString(), QString(inFlash ? "fail" : "not started"));
    if (inFlash) {
        // Every block before the cut one, and the cut one: sent, not all of it written.
        const int blocks = record["flash_blocks"].toInt();
        const int sent = cut[0] == 'l' ? powerCut.occurrence : cut[0] == 'h' ? 0 : blocks;
        QCOMPARE(blocks, (int(bench.flash.size()) + 32 * int(KiB) - 1) / (32 * int(KiB)));
        QCOMPARE(record["flash_blocks_sent"].toInt(), sent);
    }
    QCOMPARE(sim.powerCuts(), 1);
    QVERIFY(sim.waitForPresence(true, 5000));
    QCOMPARE(sim.appearances(), 2);
    QVERIFY(QFile::exists(bench.link(0)));

    const QByteArray mcu = sim.mcuFlash();
    const QByteArray flash = sim.externalFlash(0, 16 * MiB);
    const QByteArray &image = bench.mcu, &flashImage = bench.flash;
    const SimBootRecords records = sim.bootRecords();
    const QString tag = QTest::currentDataTag();
    if (tag.startsWith("MCU erase")) {
        const SimFrame erase = nthFrame(sim, "L", 1);
        const int start = int(erase.field("start")), half = int(erase.field("end") - start) / 2;
        QVERIFY(half > 0);
        QVERIFY(all(mcu.mid(start, half), char(0xFF)));
        QVERIFY(all(mcu.mid(start + half, half), OldByte));
    } else if (tag.startsWith("MCU block")) {
        const SimFrame block = nthFrame(sim, "J2", 2);
        const int at = int(block.field("offset")), length = int(block.field("length"));
        QCOMPARE(at, McuImageOffset + length); // the second block
        QCOMPARE(mcu.mid(McuImageOffset, length + length / 2), image.left(length + length / 2));
        QVERIFY(all(mcu.mid(at + length / 2, image.size() - length - length / 2), char(0xFF)));
    } else if (tag.startsWith("boot record")) {
        const bool kept = tag.contains("before"), written = tag.contains("written");
        QCOMPARE(records.haveSecondBootInfo, kept || written);
        if (records.haveSecondBootInfo)
            QCOMPARE(records.imageCrc, imageCrc(written ? image : oldMcu));
        QVERIFY(records.haveBootSetting); // the one of the update before
    } else if (tag.startsWith("MCU CRC")) {
        QCOMPARE(mcu.mid(McuImageOffset, image.size()), image);
        QCOMPARE(nthFrame(sim, "m", 1).name, QString()); // the flash never started
    } else if (tag.startsWith("flash erase")) {
        QVERIFY(all(flash.left(8 * MiB), char(0xFF)));
        QVERIFY(all(flash.mid(12 * MiB, 128 * KiB), OldByte));
    } else if (tag.startsWith("flash block 1")) {
        // 8 sectors to erase and 32 KiB to program: a quarter is the first 4 sectors.
        QVERIFY(all(flash.left(16 * KiB), char(0xFF)));
        QVERIFY(all(flash.mid(16 * KiB, 112 * KiB), OldByte));
    } else if (tag.startsWith("flash block 2")) {
        QCOMPARE(flash.left(48 * KiB), flashImage.left(48 * KiB));
        QVERIFY(all(flash.mid(48 * KiB, 16 * KiB), char(0xFF)));
        QVERIFY(all(flash.mid(64 * KiB, 64 * KiB), OldByte));
    } else if (tag.startsWith("flash CRC")) {
        QCOMPARE(flash.left(flashImage.size()), flashImage);
    }

    // The same command again, on the chip back under its link, ends with both images written.
    const CliRun again = Run_Cli(update, bench.dir.path());
    QVERIFY2(again.status == 0, qPrintable(again.err));
    QCOMPARE(sim.mcuFlash().mid(McuImageOffset, image.size()), image);
    QCOMPARE(sim.externalFlash(0, flashImage.size()), flashImage);
    const SimBootRecords after = sim.bootRecords();
    QVERIFY(after.haveSecondBootInfo && after.haveBootSetting);
    QCOMPARE(after.runAddress, 0x0800A000u);
    QCOMPARE(after.imageLength, uint32_t(image.size()));
    QCOMPARE(after.imageCrc, imageCrc(image));
    QCOMPARE(sim.powerCuts(), 1);
    // And the chip's own checks agree.
    for (const QStringList &check :
         {QStringList{"check-mcu", bench.mcuPath}, QStringList{"check-flash", bench.flashPath}}) {
        const CliRun checked =
            Run_Cli(QStringList{"--port", bench.link(0)} + check, bench.dir.path());
        QVERIFY2(checked.status == 0, qPrintable(check.first() + ": " + checked.err));
    }
}

QTEST_GUILESS_MAIN(CliPowerCutTest)
#include "test_cli_power_cut.moc"
