// Times MCU and flash updates against the simulator over a real pseudo-terminal, and beside each
// the floor: the same packets pushed through the same kind of port to a device that only reads
// them and acknowledges each block at once, with the pacing the protocol mandates, spun exactly.
// Then the gang: 1, 2, 4 and 8 boards updated at once, one simulator process per board. With
// --realistic, then the flash update against a chip with a real flash part's timing, and
// tessara-station on 1, 8 and 24 such boards. Last, the window: how long its GUI thread waited
// between ticks while its board thread updated the flash.
#include "bench_support.h"
#include "floor_device.h"
#include "gang_bench.h"
#include "ledger_rows.h"
#include "realistic_rows.h"
#ifdef TESSARA_BENCH_STATION
#include "station_scale.h"
#endif
#ifdef TESSARA_BENCH_WINDOW
#include "window_row.h"
#endif

#include "flash/flash_block.h"
#include "flash/flash_update.h"
#include "mcu/mcu_packets.h"
#include "mcu/mcu_update.h"
#include "serial/serial_link.h"
#include "sim/sim_device.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <algorithm>

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

// A column of a printed table; a negative width aligns it left.
struct Column {
    const char *title;
    int width;
};

QString tableLine(const std::vector<Column> &columns, const QStringList &cells) {
    QString line;
    for (size_t i = 0; i < columns.size(); ++i)
        line += QStringLiteral("%1%2").arg(i ? " " : "").arg(cells.value(int(i)), columns[i].width);
    return line + '\n';
}

QString header(const std::vector<Column> &columns) {
    QStringList titles;
    for (const Column &c : columns)
        titles.append(QLatin1String(c.title));
    return tableLine(columns, titles);
}

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

// The floor's pacing: exactly the mandated wait, spun on the counter.
void spinUs(int us) {
    QElapsedTimer clock;
    clock.start();
    while (clock.nsecsElapsed() < qint64(us) * 1000) {
    }
}

// The operation as the operator runs it, against the simulator. Empty string on success.
QString runOperation(const Scenario &sc, const QByteArray &image, const QString &dir, Cost *cost,
                     double *simCpu) {
    SimConfig config = benchConfig(sc.model);
    config.flashEraseMs = 0;
    config.crcProgressIntervalMs = 0;
    config.crcProgressStep = qint64(1) << 40; // the result alone: the device computes at once
    BenchChip chip(config);
    if (!chip.error().isEmpty()) return chip.error();
    UnattendedObserver &ui = chip.ui;

    const QString path = dir + (sc.mcu ? "/mcu.bin" : "/flash.bin");
    if (!writeFile(path, image)) return QStringLiteral("cannot write ") + path;

    bool ok = false;
    // The image is read as a run reads it, within the time measured.
    *cost = measure([&] {
        if (sc.mcu) {
            McuImageFacts facts;
            ok = Update_Mcu(chip.s, *Read_McuImageFile(path), 0, facts).ok();
        } else {
            FlashUpdateRecord record;
            ok = UpdateFlash(chip.s, *Read_FlashImageFile(path, QString()), {}, record).ok() &&
                 ui.log.contains(QStringLiteral("Update flash is OK!!!!!!"));
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
            const auto &packets = t.blocks[b];
            for (size_t i = 0; i < packets.size(); ++i) {
                link.write(reinterpret_cast<const uint8_t *>(packets[i].constData()),
                           packets[i].size(), true);
                for (int d = 0; d < t.delays[b][i]; ++d)
                    spinUs(t.delayUs);
            }
            if (t.ack) ok = link.Wait_Reply(10, 1001) == SerialLink::Wait::Reply;
        }
        link.drain();
        QThread::msleep(t.settleMs);
    });
    return ok ? QString() : QStringLiteral("floor device did not acknowledge");
}

// Update All of a ~30 KB MCU image and a 4 MiB flash image on 1, 2, 4 and 8 boards at once;
// each row the median of three runs. Returns the number of rows that failed.
int gangTable(QTextStream &out, const QString &dir) {
    const QString mcu = dir + "/gang_mcu.bin", flash = dir + "/gang_flash.bin";
    if (!writeFile(mcu, randomImage(30 * 1024, true, 1)) ||
        !writeFile(flash, randomImage(4 * 1024 * 1024, false, 2))) {
        out << "gang: cannot write the images\n";
        return 1;
    }
    const std::vector<Column> columns = {{"boards (update-all)", -20},
                                         {"seconds", 8},
                                         {"ratio", 6},
                                         {"host cpu", 9},
                                         {"cpu %", 6},
                                         {"sim cpu", 8}};
    out << "\n" << header(columns);
    int failures = 0;
    double single = 0;
    for (const int boards : {1, 2, 4, 8}) {
        GangCost median;
        if (!Median_Row<GangCost>(
                out, boards, 3,
                [&](int, GangCost *run) { return Run_GangBench(boards, dir, mcu, flash, run); },
                &median, failures))
            continue;
        if (boards == 1) single = median.seconds;
        out << tableLine(
            columns, {QString::number(boards), fixed(median.seconds, 3),
                      fixed(single > 0 ? median.seconds / single : 0, 2), fixed(median.hostCpu, 3),
                      fixed(100 * median.hostCpu / median.seconds, 0), fixed(median.simCpu, 3)});
        out.flush();
    }
    return failures;
}

} // namespace

int main(int argc, char **argv) {
    // The window's row draws off screen: the benchmark needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
    // --gang: the gang table alone (the production bench's figure, quick to repeat).
    if (app.arguments().contains(QStringLiteral("--gang")))
        return gangTable(out, dir.path()) ? 1 : 0;
    // --ledger: the per-board ledger rows alone.
    if (app.arguments().contains(QStringLiteral("--ledger")))
        return Run_LedgerRows(dir.path(), out) ? 1 : 0;
#ifdef TESSARA_BENCH_STATION
    // --station: tessara-station on 1, 8 and 24 boards with a real flash part's timing alone.
    if (app.arguments().contains(QStringLiteral("--station")))
        return Run_StationScale(dir.path(), out) ? 1 : 0;
#endif
    const std::vector<Column> columns = {{"operation", -20}, {"model", -6},   {"bytes", 9},
                                         {"seconds", 8},     {"bytes/s", 10}, {"floor s", 8},
                                         {"ratio", 6},       {"host cpu", 9}, {"cpu %", 6},
                                         {"sim cpu", 8},     {"peak MiB", 9}};
    out << header(columns);
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
        out << tableLine(columns, {sc.title, sc.model, QString::number(sc.bytes),
                                   fixed(op.seconds, 3), fixed(double(sc.bytes) / op.seconds, 0),
                                   fixed(floor.seconds, 3), fixed(op.seconds / floor.seconds, 2),
                                   fixed(op.hostCpu, 3), fixed(100 * op.hostCpu / op.seconds, 0),
                                   fixed(simCpu, 3), fixed(peakMiB(), 1)});
        out.flush();
    }
    failures += gangTable(out, dir.path());
    failures += Run_LedgerRows(dir.path(), out);
    if (app.arguments().contains(QStringLiteral("--realistic"))) {
        failures += Run_RealisticRows(dir.path(), out);
#ifdef TESSARA_BENCH_STATION
        failures += Run_StationScale(dir.path(), out);
#endif
    }
#ifdef TESSARA_BENCH_WINDOW
    failures += Run_WindowRow(dir.path(), out);
#endif
    return failures ? 1 : 0;
}
