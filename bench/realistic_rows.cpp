#include "realistic_rows.h"

#include "bench_support.h"
#include "flash/flash_update.h"

#include <QTextStream>

namespace {

constexpr int ImageBytes = 16 * 1024 * 1024;
constexpr int BlockBytes = 32768; // the KQ31B's flash block
constexpr const char *Model = "KQ31B";

struct Row {
    const char *title;
    enum Held { Nothing, OneBlockDiffers, EveryBlockDiffers, CutAt90 } held;
    bool onlyChanged;
};

struct RowResult {
    Cost cost;
    double chipBusySeconds = 0;
    QString blocks; // written / skipped
};

// What the chip holds before the update.
QByteArray heldBy(Row::Held held, const QByteArray &image) {
    switch (held) {
    case Row::Nothing:
        break;
    case Row::OneBlockDiffers: {
        QByteArray copy = image;
        copy.replace(200 * BlockBytes, BlockBytes, randomImage(BlockBytes, false, 2));
        return copy;
    }
    case Row::EveryBlockDiffers:
        return randomImage(image.size(), false, 3);
    case Row::CutAt90: {
        // What an update over an older image leaves when the power fails 90% of the way: the
        // blocks before the cut written, the cut block half written, the rest still the old.
        QByteArray copy = randomImage(image.size(), false, 3);
        const int cutBlock = image.size() / BlockBytes * 9 / 10;
        const int written = cutBlock * BlockBytes + BlockBytes / 2;
        copy.replace(0, written, image.left(written));
        return copy;
    }
    }
    return QByteArray();
}

// Empty string on success.
QString runRow(const Row &row, const QByteArray &image, const QString &dir, RowResult *result) {
    SimConfig config = benchConfig(Model);
    config.useRealisticTiming();
    BenchChip chip(config);
    if (!chip.error().isEmpty()) return chip.error();
    const QByteArray held = heldBy(row.held, image);
    if (!held.isEmpty()) chip.sim.writeExternalFlash(0, held);
    const QString path = dir + "/flash.bin";
    if (!writeFile(path, image)) return QStringLiteral("cannot write the image");
    FlashUpdateRequest request;
    request.write = row.onlyChanged ? FlashWrite::OnlyChanged : FlashWrite::Over;

    const qint64 busyBefore = chip.sim.busyUs();
    result->cost = measure([&] {
        FlashUpdateRecord record;
        (void)UpdateFlash(chip.s, *Read_FlashImageFile(path, QString()), request, record);
    });
    result->chipBusySeconds = double(chip.sim.busyUs() - busyBefore) / 1e6;
    const QStringList &log = chip.ui.log;
    if (!log.contains(QStringLiteral("Update flash is OK!!!!!!")))
        return QStringLiteral("update failed: ") + log.join(" | ") + chip.ui.messages.join(" | ");
    if (chip.sim.externalFlash(0, image.size()) != image)
        return QStringLiteral("device memory differs from the image");
    const QStringList counts = log.filter(QStringLiteral("Only changed blocks: "));
    result->blocks = counts.isEmpty()
                         ? QStringLiteral("%1 written").arg(image.size() / BlockBytes)
                         : counts.first().mid(QStringLiteral("Only changed blocks: ").size());
    return {};
}

} // namespace

int Run_RealisticRows(const QString &dir, QTextStream &out) {
    const Row rows[] = {
        {"full update", Row::Nothing, false},
        {"--only-changed, one block differs", Row::OneBlockDiffers, true},
        {"--only-changed, every block differs", Row::EveryBlockDiffers, true},
        {"--only-changed after a cut at 90%", Row::CutAt90, true},
    };
    const QByteArray image = randomImage(ImageBytes, false, 1);

    out << QStringLiteral("\nFlash update + CRC, %1, %2 bytes, flash timing of %3\n")
               .arg(QLatin1String(Model))
               .arg(ImageBytes)
               .arg(QLatin1String(SimConfig::RealisticTimingText));
    out << QStringLiteral("%1 %2 %3 %4  %5\n")
               .arg("operation", -38)
               .arg("seconds", 8)
               .arg("chip busy s", 11)
               .arg("vs full", 8)
               .arg("blocks");
    out.flush();
    int failures = 0;
    double full = 0;
    for (const Row &row : rows) {
        RowResult r;
        const QString error = runRow(row, image, dir, &r);
        if (!error.isEmpty()) {
            ++failures;
            out << row.title << ": FAILED: " << error << "\n";
            out.flush();
            continue;
        }
        if (row.held == Row::Nothing) full = r.cost.seconds;
        QString goal;
        if (full > 0 && row.held == Row::OneBlockDiffers) {
            const bool met = full / r.cost.seconds >= 20;
            goal = QStringLiteral("  %1x faster (goal 20x): %2")
                       .arg(full / r.cost.seconds, 0, 'f', 1)
                       .arg(met ? "met" : "MISSED");
            failures += met ? 0 : 1;
        } else if (full > 0 && row.held == Row::CutAt90) {
            const bool met = r.cost.seconds / full <= 0.20;
            goal = QStringLiteral("  (goal at most 0.20): %1").arg(met ? "met" : "MISSED");
            failures += met ? 0 : 1;
        } else if (full > 0 && row.held == Row::EveryBlockDiffers) {
            const bool met = r.cost.seconds / full <= 1.05;
            goal = QStringLiteral("  (goal at most 1.05): %1").arg(met ? "met" : "MISSED");
            failures += met ? 0 : 1;
        }
        out << QStringLiteral("%1 %2 %3 %4  %5%6\n")
                   .arg(row.title, -38)
                   .arg(r.cost.seconds, 8, 'f', 1)
                   .arg(r.chipBusySeconds, 11, 'f', 1)
                   .arg(full > 0 ? r.cost.seconds / full : 0.0, 8, 'f', 3)
                   .arg(r.blocks, goal);
        out.flush();
    }
    return failures;
}
