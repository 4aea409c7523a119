#include "flash/flash_ranges.h"

#include "flash/flash_block.h"
#include "flash/flash_crc.h"
#include "flash/flash_image.h"
#include "protocol/crc32.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int32_t MinQueryBytes = 16 * 1024;

// Asks the device whether [start, start + length) of the image differs.
Result<bool> differs(DeviceSession &s, const QByteArray &image, uint32_t start, int32_t length) {
    const auto *bytes = reinterpret_cast<const uint8_t *>(image.constData());
    const uint32_t expected = crc32_calc(bytes + start, size_t(length));
    const Result<uint32_t> device = Request_FlashCrc(s, start, length, expected, false);
    if (!device.ok()) return device.failure();
    return device.value() != expected;
}

Failure stopped() {
    return Fail(FailureKind::Stopped, Interrupted_Reason());
}

QString hex8(uint32_t value) {
    return QString::asprintf("0x%08X", value);
}

} // namespace

int32_t Flash_WriteUnit(int32_t blockSize) {
    return std::lcm(std::max(blockSize, 1), FlashEraseSector);
}

int32_t Flash_QueryRange(int32_t blockSize) {
    const int32_t unit = Flash_WriteUnit(blockSize);
    return (MinQueryBytes + unit - 1) / unit * unit;
}

Result<> Flash_WalkRanges(DeviceSession &s, const QByteArray &image, int32_t range, int32_t unit,
                          const std::function<Result<>(const FlashPiece &)> &visit,
                          uint32_t &unvisited) {
    unvisited = 0;
    const int32_t length = image.size();
    if (range <= 0 || unit <= 0)
        return Fail(FailureKind::InputUnusable, QStringLiteral("no range to compare"));
    for (int64_t start = 0; start < length; start += range) {
        unvisited = uint32_t(start);
        FlashPiece whole{uint32_t(start), int32_t(std::min<int64_t>(range, length - start))};
        const Result<bool> d = differs(s, image, whole.start, whole.length);
        if (!d.ok()) return d.failure();
        whole.differs = d.value();
        if (s.stopRequested()) return stopped();
        if (!whole.differs || unit >= whole.length) {
            if (const Result<> r = visit(whole); !r.ok()) return r;
            continue;
        }
        for (int64_t at = start; at < start + whole.length; at += unit) {
            unvisited = uint32_t(at);
            FlashPiece piece{uint32_t(at), int32_t(std::min<int64_t>(unit, length - at))};
            const Result<bool> p = differs(s, image, piece.start, piece.length);
            if (!p.ok()) return p.failure();
            piece.differs = p.value();
            if (s.stopRequested()) return stopped();
            if (const Result<> r = visit(piece); !r.ok()) return r;
        }
    }
    unvisited = uint32_t(length);
    return Done{};
}

Result<> Report_FlashDifferences(DeviceSession &s, const QByteArray &image, int32_t blockSize) {
    QStringList lines;
    FlashPiece run; // the differing blocks found so far that adjoin
    const auto close = [&] {
        if (run.length == 0) return;
        lines << QStringLiteral("Differs from the image: %1-%2 (%3 bytes)")
                     .arg(hex8(run.start), hex8(run.start + uint32_t(run.length) - 1))
                     .arg(run.length);
        run = FlashPiece();
    };
    const auto visit = [&](const FlashPiece &p) -> Result<> {
        if (!p.differs)
            close();
        else if (run.length > 0)
            run.length += p.length;
        else
            run = p;
        return Done{};
    };
    uint32_t unvisited = 0;
    const Result<> r =
        Flash_WalkRanges(s, image, Flash_QueryRange(blockSize), blockSize, visit, unvisited);
    close();
    for (const QString &line : lines)
        s.ui.logLine(line);
    if (!r.ok()) {
        if (r.kind() != FailureKind::Stopped)
            s.ui.logLine(
                QStringLiteral("The blocks from %1 on could not be compared").arg(hex8(unvisited)));
        return r;
    }
    if (lines.isEmpty()) s.ui.logLine(QStringLiteral("all blocks match"));
    return Done{};
}

Result<> Check_FlashBlocks(DeviceSession &s, const ImageFile &file) {
    const Result<FlashImageFacts> image = Load_FlashCode(s, file);
    if (!image.ok()) return image.failure();
    const Result<> r = Check_FlashCRC(s, image.value());
    // Worth asking only a device that answered: its flash holds the image or differs from it.
    const bool answered = r.ok() || r.kind() == FailureKind::WrongReply;
    if (answered && !s.stopRequested())
        (void)Report_FlashDifferences(s, file.bytes, Flash_BlockSize(Flash_Layout(s.chip().code)));
    return r;
}
