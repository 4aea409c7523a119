// Times MCU and flash updates against the simulator over a real pseudo-terminal, and beside each
// the floor: the same packets pushed through the same kind of port to a device that only reads
// them and acknowledges each block at once, with the pacing the protocol mandates.
// With --realistic, then the flash update against a chip with a real flash part's timing.
#include "bench_support.h"
#include "floor_device.h"
#include "realistic_rows.h"

#include "flash/flash_block.h"
#include "flash/flash_update.h"
#include "mcu/mcu_packets.h"
#include "mcu/mcu_update.h"
#include "serial/serial_link.h"
#include "serial/timing.h"
#include "sim/sim_device.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

namespace {

constexpr int McuBlockSize = 2048;
constexpr int McuPacketDelayUs = 130;
constexpr int FlashPacketDelayUs = 125;
// The flash update pauses this long after the last block, for the device to finish writing.
constexpr int FlashSettleMs = 300;

struct Scenario {
    const char *title;
    const char *model;
    bool mcu;
    int bytes;
};

// The operation as the operator runs it, against the simulator. Empty string on success.
QString runOperation(const Scenario &sc, const QByteArray &image, const QString &dir, Cost *cost,
                     double *simCpu) {
    SimConfig config = benchConfig(sc.model);
    config.flashEraseMs = 0;
    config.crcProgressIntervalMs = 0;
    config.crcProgressStep = qint64(1) << 40; // the result alone: the device computes at once
    BenchChip chip(config);
    if (!chip.error().isEmpty()) return chip.error();
    UnattendedFrontend &ui = chip.ui;

    const QString path = dir + (sc.mcu ? "/mcu.bin" : "/flash.bin");
    if (!writeFile(path, image)) return QStringLiteral("cannot write ") + path;
    (sc.mcu ? ui.mcuPath : ui.flashPath) = path;

    bool ok = false;
    *cost = measure([&] {
        if (sc.mcu)
            ok = Update_Mcu(chip.s) == 1;
        else {
            UpdateFlash(chip.s);
            ok = ui.log.contains(QStringLiteral("Update flash is OK!!!!!!"));
        }
    });
    *simCpu = cost->otherCpu;
    if (!ok)
        return QStringLiteral("update failed: ") + ui.log.join(" | ") + ui.messages.join(" | ");
    const QByteArray written =
        sc.mcu ? chip.sim.mcuFlash().left(image.size()) : chip.sim.externalFlash(0, image.size());
    if (written != image) return QStringLiteral("device memory differs from the image");
    return {};
}

struct Train {
    std::vector<std::vector<QByteArray>> blocks; // packets per block
    std::vector<std::vector<int>> delays;        // packet delays after each packet
    uint8_t ack = 0;
    int delayUs = 0;
    int settleMs = 0; // mandated pause after the last block
};

Train mcuTrain(const Scenario &sc, const QByteArray &image) {
    Train t;
    const bool small = QByteArray(sc.model) != "KQ31B";
    t.ack = 'J';
    t.delayUs = McuPacketDelayUs;
    const auto *data = reinterpret_cast<const uint8_t *>(image.constData());
    for (int offset = 0; offset < image.size(); offset += McuBlockSize) {
        const int length = std::min(McuBlockSize, image.size() - offset);
        const QList<QByteArray> packets =
            McuBlock_Packets(small, uint32_t(offset), data + offset, length);
        t.blocks.emplace_back(packets.begin(), packets.end());
        std::vector<int> delays(size_t(packets.size()), small ? 0 : 1);
        delays.back() = 0; // no pacing after the last packet of a block
        t.delays.push_back(delays);
    }
    return t;
}

Train flashTrain(const Scenario &sc, const QByteArray &image) {
    Train t;
    SimConfig config;
    SimConfig::forModel(QLatin1String(sc.model), &config);
    const FlashLayout layout = Flash_Layout(config.modelCode);
    const int blockSize = Flash_BlockSize(layout);
    t.ack = layout == FlashLayout::SmallUnacknowledged ? 0 : 0x7C;
    t.delayUs = FlashPacketDelayUs;
    t.settleMs = FlashSettleMs;
    const auto *data = reinterpret_cast<const uint8_t *>(image.constData());
    uint8_t parity = 0;
    for (int offset = 0; offset < image.size(); offset += blockSize, parity ^= 1) {
        const int length = std::min(blockSize, image.size() - offset);
        std::vector<QByteArray> packets;
        std::vector<int> delays;
        for (const FlashPacket &p :
             Flash_PacketTrain(layout, data + offset, uint32_t(offset), length, parity)) {
            packets.emplace_back(reinterpret_cast<const char *>(p.bytes.data()),
                                 int(p.bytes.size()));
            delays.push_back(p.delaysAfter);
        }
        t.blocks.push_back(packets);
        t.delays.push_back(delays);
    }
    return t;
}

// The floor: the same packets, the same pacing, nothing else. Empty string on success.
QString runFloor(const Train &t, Cost *cost) {
    std::vector<int64_t> wireBytes;
    for (const auto &block : t.blocks) {
        int64_t n = 0;
        for (const QByteArray &p : block)
            n += p.size();
        wireBytes.push_back(n);
    }
    FloorDevice device(wireBytes, t.ack);
    if (!device.start()) return QStringLiteral("floor device did not start");
    SerialLink link;
    if (!link.Open(device.portPath())) return QStringLiteral("cannot open the floor device");
    bool ok = true;
    *cost = measure([&] {
        for (size_t b = 0; b < t.blocks.size() && ok; ++b) {
            link.rxFlag = 0;
            const auto &packets = t.blocks[b];
            for (size_t i = 0; i < packets.size(); ++i) {
                link.write(reinterpret_cast<const uint8_t *>(packets[i].constData()),
                           packets[i].size(), true);
                for (int d = 0; d < t.delays[b][i]; ++d)
                    Delay_us(t.delayUs);
            }
            if (t.ack) ok = link.Wait_Reply(10, 1001) == SerialLink::Wait::Reply;
        }
        link.drain();
        QThread::msleep(t.settleMs);
    });
    return ok ? QString() : QStringLiteral("floor device did not acknowledge");
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() ||
        !writeFile(dir.filePath("Flash.ini"), "[FLASH]\n0xEF4018,4096,4096,W25Q128,\n"))
        return 2;
    QDir::setCurrent(dir.path());

    const Scenario scenarios[] = {
        {"MCU update + CRC", "KQ31B", true, 489472},
        {"MCU update + CRC", "KQ31A", true, 59392},
        {"flash update + CRC", "KQ31B", false, 16 * 1024 * 1024},
        {"flash update + CRC", "KQ47", false, 1024 * 1024},
        {"flash update + CRC", "KQ31A", false, 1024 * 1024},
    };

    QTextStream out(stdout);
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
               .arg("operation", -20)
               .arg("model", -6)
               .arg("bytes", 9)
               .arg("seconds", 8)
               .arg("bytes/s", 10)
               .arg("floor s", 8)
               .arg("ratio", 6)
               .arg("host cpu", 9)
               .arg("sim cpu", 8)
               .arg("peak MiB", 9);
    int failures = 0;
    for (const Scenario &sc : scenarios) {
        const QByteArray image =
            randomImage(sc.bytes, sc.mcu && QByteArray(sc.model) == "KQ31B", quint32(sc.bytes));
        Cost op, floor;
        double simCpu = 0;
        QString error = runOperation(sc, image, dir.path(), &op, &simCpu);
        if (error.isEmpty())
            error = runFloor(sc.mcu ? mcuTrain(sc, image) : flashTrain(sc, image), &floor);
        if (!error.isEmpty()) {
            ++failures;
            out << sc.title << " " << sc.model << ": FAILED: " << error << "\n";
            out.flush();
            continue;
        }
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
                   .arg(sc.title, -20)
                   .arg(sc.model, -6)
                   .arg(sc.bytes, 9)
                   .arg(op.seconds, 8, 'f', 3)
                   .arg(double(sc.bytes) / op.seconds, 10, 'f', 0)
                   .arg(floor.seconds, 8, 'f', 3)
                   .arg(op.seconds / floor.seconds, 6, 'f', 2)
                   .arg(op.hostCpu, 9, 'f', 3)
                   .arg(simCpu, 8, 'f', 3)
                   .arg(peakMiB(), 8, 'f', 1);
        out.flush();
    }
    if (app.arguments().contains(QStringLiteral("--realistic")))
        failures += Run_RealisticRows(dir.path(), out);
    return failures ? 1 : 0;
}
