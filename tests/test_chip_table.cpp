// A new chip is one row of the chip table: a made-up model, added as a row here and nowhere else,
// is probed, MCU-updated and flash-updated against a simulator that knows it from its own table.
#include "jobs/board_run.h"
#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "sim/sim_device.h"
#include "support/recording_observer.h"
#include "support/scoped_current_dir.h"

#include <QtTest>

namespace {

constexpr uint32_t MadeUpCode = 0x19710990;

// Large MCU packets with the small acknowledged flash blocks: a mix no known model has, so that
// no behaviour can come from another model's row.
// clang-format off
const ChipModel madeUp = {
    MadeUpCode, "KQ99", "KQ99X",
    0x40000, 0x3C000, RunAddressRule::InputAndUpdate, 0x8008000, 0x8009000, true, false,
    FlashLayout::SmallAcknowledged, false, 0,
    false, false, false, 0x8008000, 1, false};
// clang-format on

SimConfig madeUpChip() {
    SimConfig config;
    config.model =
        SimModel{QStringLiteral("KQ99"),       MadeUpCode, 0x40000, SimMcuLayout::Large512,
                 SimFlashLayout::Small64Acked, false};
    config.bootVersion = 0x99;
    config.flashEraseMs = 0;
    return config;
}

QByteArray pattern(int length, int seed) {
    QByteArray b(length, '\0');
    for (int i = 0; i < length; ++i)
        b[i] = char((i * 37 + seed + i / 509) & 0xFF);
    return b;
}

int framesNamed(const SimDevice &sim, const QString &name, int size = -1) {
    int n = 0;
    for (const SimFrame &f : sim.received())
        n += f.name == name && (size < 0 || f.bytes.size() == size);
    return n;
}

// A run on the simulated board, with its images read as a run reads them.
JobResult run(SimDevice &sim, Job job, RecordingObserver &ui, const QString &mcu = QString(),
              const QString &flash = QString()) {
    JobRequest request;
    request.job = job;
    Read_JobImages(request, mcu, flash);
    return Run_OnBoard(sim.portPath(), request, ui);
}

} // namespace

class ChipTableTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { Add_ChipModel(madeUp); }

    void madeUpModelIsProbedAndUpdated() {
        ScopedCurrentDir dir;
        dir.write(QStringLiteral("Flash.ini"), "[FLASH]\n0xEF4018,4096,4096,W25Q128JV,\n");
        SimDevice sim(madeUpChip());
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));

        RecordingObserver probeUi;
        const JobResult probe = run(sim, Job::Probe, probeUi);
        QVERIFY2(probe.ok(), qPrintable(probe.reason()));
        QVERIFY(probe.chip && probe.chip->known());
        QCOMPARE(probe.chip->name(), QStringLiteral("KQ99"));
        QCOMPARE(probe.chip->bootVersion, 0x99u);
        QCOMPARE(probeUi.log, QStringList{"KQ99X Boot_Version:99"});
        QCOMPARE(probeUi.modelName, QStringLiteral("KQ99"));
        // Every known model was proposed first, then this one.
        QCOMPARE(framesNamed(sim, "K"), int(Chip_Models().size()));

        // Placed by its run address; 512-byte 'J' packets.
        QByteArray mcu = pattern(100000, 3);
        Put_Le32(reinterpret_cast<uint8_t *>(mcu.data()) + 4, 0x0800C010);
        RecordingObserver mcuUi;
        sim.clearReceived();
        const JobResult mcuRun =
            run(sim, Job::UpdateMcu, mcuUi, dir.write(QStringLiteral("app.bin"), mcu));
        QVERIFY2(mcuRun.ok(), qPrintable(mcuRun.reason() + mcuUi.log.join('|')));
        QCOMPARE(sim.mcuFlash().mid(0x4000, mcu.size()), mcu);
        QVERIFY(mcuUi.log.contains("sAddr:0x00004000 eAddr:0x0001C6A0"));
        QCOMPARE(framesNamed(sim, "J0", 512), (mcu.size() + 2047) / 2048);

        // 16 KiB blocks of 64-byte packets, each acknowledged.
        const QByteArray flash = pattern(5 * 16384 + 100, 7);
        RecordingObserver flashUi;
        sim.clearReceived();
        const JobResult flashRun = run(sim, Job::UpdateFlash, flashUi, QString(),
                                       dir.write(QStringLiteral("flash.bin"), flash));
        QVERIFY2(flashRun.ok(), qPrintable(flashRun.reason() + flashUi.log.join('|')));
        QCOMPARE(sim.externalFlash(0, flash.size()), flash);
        QCOMPARE(framesNamed(sim, "l", 64), 6);
        QCOMPARE(framesNamed(sim, "j", 512) + framesNamed(sim, "k", 512), 0);
        QCOMPARE(flashRun.flashBlocks, 6);
        QCOMPARE(flashRun.flashBlocksWritten, 6);
    }
};

QTEST_GUILESS_MAIN(ChipTableTest)
#include "test_chip_table.moc"
