#include "flash/flash_ranges.h"

#include "flash/flash_block.h"
#include "flash/flash_crc.h"
#include "flash/flash_image.h"
#include "protocol/crc32.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>

namespace {

constexpr int32_t MinQueryBytes = 16 * 1024;

// Asks the device whether [start, start + length) of the image differs: 0 answered, else the
// request's result.
int compare(DeviceSession &s, uint32_t start, int32_t length, bool &differs) {
    const auto *image = reinterpret_cast<const uint8_t *>(s.imageBuf.constData());
    const uint32_t expected = crc32_calc(image + start, size_t(length));
    uint32_t device = 0;
    const int r = Request_FlashCrc(s, start, length, expected, false, device);
    differs = device != expected;
    return r;
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

int Flash_WalkRanges(DeviceSession &s, int32_t length, int32_t range, int32_t unit,
                     const std::function<int(const FlashPiece &)> &visit, uint32_t &unvisited) {
    unvisited = 0;
    length = qBound(0, length, s.imageBuf.size());
    if (range <= 0 || unit <= 0) return -1;
    for (int64_t start = 0; start < length; start += range) {
        unvisited = uint32_t(start);
        FlashPiece whole{uint32_t(start), int32_t(std::min<int64_t>(range, length - start))};
        if (const int r = compare(s, whole.start, whole.length, whole.differs)) return r;
        QCoreApplication::processEvents();
        if (s.exitRequested()) return -3;
        if (!whole.differs || unit >= whole.length) {
            if (const int r = visit(whole)) return r;
            continue;
        }
        for (int64_t at = start; at < start + whole.length; at += unit) {
            unvisited = uint32_t(at);
            FlashPiece piece{uint32_t(at), int32_t(std::min<int64_t>(unit, length - at))};
            if (const int r = compare(s, piece.start, piece.length, piece.differs)) return r;
            if (s.exitRequested()) return -3;
            if (const int r = visit(piece)) return r;
        }
    }
    unvisited = uint32_t(length);
    return 0;
}

int Report_FlashDifferences(DeviceSession &s, int32_t length, int32_t blockSize) {
    QStringList lines;
    FlashPiece run; // the differing blocks found so far that adjoin
    const auto close = [&] {
        if (run.length == 0) return;
        lines << QStringLiteral("Differs from the image: %1-%2 (%3 bytes)")
                     .arg(hex8(run.start), hex8(run.start + uint32_t(run.length) - 1))
                     .arg(run.length);
        run = FlashPiece();
    };
    const auto visit = [&](const FlashPiece &p) {
        if (!p.differs)
            close();
        else if (run.length > 0)
            run.length += p.length;
        else
            run = p;
        return 0;
    };
    uint32_t unvisited = 0;
    const int r =
        Flash_WalkRanges(s, length, Flash_QueryRange(blockSize), blockSize, visit, unvisited);
    close();
    for (const QString &line : lines)
        s.ui.logLine(line);
    if (r != 0) {
        if (!s.exitRequested())
            s.ui.logLine(
                QStringLiteral("The blocks from %1 on could not be compared").arg(hex8(unvisited)));
        return r;
    }
    if (lines.isEmpty()) s.ui.logLine(QStringLiteral("all blocks match"));
    return 0;
}

int Check_FlashBlocks(DeviceSession &s) {
    if (!Load_FlashCode(s)) return -1;
    const int r = Check_FlashCRC(s);
    // Worth asking only a device that answered.
    if ((r == 0 || r == -3) && !s.exitRequested())
        Report_FlashDifferences(s, s.flashCodeLen, Flash_BlockSize(Flash_Layout(s.modelCode)));
    s.imageBuf = QByteArray();
    return r;
}
