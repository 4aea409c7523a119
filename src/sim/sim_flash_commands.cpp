// The external-flash commands of the simulated boot loader: flash ID, address mode, whole
// erase, block trains and the CRC check with its progress reports.
#include "sim/sim_boot_loader.h"
#include "sim/sim_bytes.h"

#include <algorithm>

using namespace sim;

namespace {

constexpr uint8_t FlashReply = 0x10; // reply letter = command letter + 0x10
constexpr uint8_t CrcFinalMarker = '1';
constexpr qint64 MaxProgressReports = 100000;

// Data per packet: 64-byte layouts 57 / 62 / up to 61, large layout 504 / 509 / up to 508.
constexpr int SmallFirst = 57, SmallMiddle = 62, SmallLastMax = 61;
constexpr int LargeFirst = 504, LargeMiddle = 509, LargeLastMax = 508;

} // namespace

bool SimBootLoader::flashAcknowledges() const {
    return chip.flashLayout != SimFlashLayout::Small64Unacked;
}

SimResponse SimBootLoader::refuseFlashBlock(SimFrame &f, const QString &why) {
    if (flashAcknowledges()) return refuse(f, why);
    f.reject(why);
    return none();
}

SimResponse SimBootLoader::getFlashId(SimFrame &f) {
    const QByteArray &b = f.bytes;
    const uint8_t variant = uint8_t(b[2]);
    f.fields[QStringLiteral("variant")] = variant;
    if (b[1] != 0x01) return refuse(f, QStringLiteral("byte 1 not 0x01"));
    if (variant > 1) return refuse(f, QStringLiteral("read variant not 0 or 1"));
    if (!zeroFrom(b, 3, FrameSize)) return refuse(f, QStringLiteral("bytes 3-63 not zero"));
    const SimFlashIdAnswer &a = cfg.flashIdAnswers[variant];
    if (a.mode == SimFlashIdAnswer::Silence) return none();
    QByteArray r = reply(a.mode == SimFlashIdAnswer::Answer ? 'm' + FlashReply : NakLetter);
    put32(r, 1, a.id);
    return answer(r);
}

SimResponse SimBootLoader::setAddrMode(SimFrame &f) {
    const QByteArray &b = f.bytes;
    const uint8_t mode = uint8_t(b[1]);
    f.fields[QStringLiteral("mode")] = mode;
    if (mode != 1 && mode != 2) return refuse(f, QStringLiteral("address mode not 1 or 2"));
    if (!zeroFrom(b, 2, FrameSize)) return refuse(f, QStringLiteral("bytes 2-63 not zero"));
    flashAddrMode = mode;
    return answer(reply('o' + FlashReply));
}

void SimBootLoader::forgetErasedSectors() {
    erasedSectors.assign(size_t((externalFlash.size() + SectorSize - 1) / SectorSize), false);
}

std::vector<qint64> SimBootLoader::sectorsToErase(qint64 address, qint64 end) const {
    std::vector<qint64> sectors;
    for (qint64 sector = address / SectorSize; sector * SectorSize < end; ++sector)
        if (!erasedSectors[size_t(sector)]) sectors.push_back(sector);
    return sectors;
}

SimResponse SimBootLoader::eraseFlash(SimFrame &f) {
    if (!zeroFrom(f.bytes, 1, FrameSize)) return refuse(f, QStringLiteral("bytes 1-63 not zero"));
    if (workPercent < 100) {
        // From the first sector on, as far as it got.
        externalFlash.erase(0, share(externalFlash.size()));
    } else {
        externalFlash.eraseAll();
        erasedSectors.assign(erasedSectors.size(), true);
    }
    return answerAfter(qint64(cfg.flashEraseMs) * 1000, reply('h' + FlashReply));
}

// A block arrives as 'j', 'k'..., 'l'. Before programming it, the loader erases each sector the
// block touches that this update has not erased yet; what else those sectors held is lost.
// Blocks alternate their parity, starting from 0 after a handshake.
SimResponse SimBootLoader::programFlash(SimFrame &f) {
    const QByteArray &b = f.bytes;
    const bool large = chip.flashLayout == SimFlashLayout::Large512;
    FlashTrain &t = flashTrain;
    const auto spoil = [&](const QString &why) {
        f.reject(why);
        if (t.broken.isEmpty()) t.broken = why;
    };

    if (f.letter == 'j') {
        if (t.open) f.fields[QStringLiteral("abandonedFlashBlock")] = quint32(t.data.size());
        t = FlashTrain();
        t.open = true;
        t.address = le32(b, 1);
        t.parity = uint8_t(b[5]);
        const int n = large ? int(le16(b, 6)) : uint8_t(b[6]);
        f.fields[QStringLiteral("address")] = t.address;
        f.fields[QStringLiteral("parity")] = quint32(t.parity);
        f.fields[QStringLiteral("count")] = quint32(n);
        const int first = large ? LargeFirst : SmallFirst;
        if (n > first) {
            spoil(QStringLiteral("first packet count over %1").arg(first));
            return none();
        }
        t.more = n == first;
        t.data = b.mid(large ? 8 : 7, n);
        return none();
    }

    if (f.letter == 'k') {
        if (!t.open) {
            f.reject(QStringLiteral("middle packet without a first packet"));
            return none();
        }
        const int n = large ? int(le16(b, 1)) : uint8_t(b[1]);
        f.fields[QStringLiteral("count")] = quint32(n);
        if (n != (large ? LargeMiddle : SmallMiddle))
            spoil(QStringLiteral("middle packet count not %1")
                      .arg(large ? LargeMiddle : SmallMiddle));
        else if (!t.more)
            spoil(QStringLiteral("middle packet after a first packet that held the whole block"));
        else
            t.data += b.mid(large ? 3 : 2, n);
        return none();
    }

    // 'l': the block is complete.
    if (!t.open) return refuseFlashBlock(f, QStringLiteral("last packet without a first packet"));
    const int n = large ? int(le16(b, 1)) : uint8_t(b[1]);
    f.fields[QStringLiteral("count")] = quint32(n);
    if (n > (large ? LargeLastMax : SmallLastMax))
        spoil(QStringLiteral("last packet count over %1").arg(large ? LargeLastMax : SmallLastMax));
    else if (!t.more && n > 0)
        spoil(QStringLiteral("last packet data after a first packet that held the whole block"));
    else
        t.data += b.mid(large ? 3 : 2, n);

    const FlashTrain block = t;
    t = FlashTrain();
    f.fields[QStringLiteral("address")] = block.address;
    f.fields[QStringLiteral("parity")] = quint32(block.parity);
    f.fields[QStringLiteral("length")] = quint32(block.data.size());
    if (!block.broken.isEmpty())
        return refuseFlashBlock(f, QStringLiteral("block refused: ") + block.broken);
    if (block.parity != expectedParity)
        return refuseFlashBlock(
            f, QStringLiteral("parity %1, expected %2").arg(block.parity).arg(expectedParity));
    const qint64 end = qint64(block.address) + block.data.size();
    if (end > externalFlash.size())
        return refuseFlashBlock(f, QStringLiteral("block outside the flash"));
    if (end > ThreeByteLimit && flashAddrMode == 0)
        return refuseFlashBlock(f, QStringLiteral("block beyond 16 MiB without an address mode"));
    // Its sectors erased one after the other, then its pages programmed, as far as it gets.
    const std::vector<qint64> sectors = sectorsToErase(block.address, end);
    const int erased = int(sectors.size());
    qint64 budget = share(erased * SectorSize + block.data.size());
    for (const qint64 sector : sectors) {
        const qint64 bytes = std::min(budget, SectorSize);
        externalFlash.erase(sector * SectorSize, bytes);
        erasedSectors[size_t(sector)] = bytes == SectorSize;
        budget -= bytes;
    }
    externalFlash.program(block.address, block.data.left(int(budget)));
    expectedParity ^= 1;
    f.fields[QStringLiteral("erasedSectors")] = quint32(erased);

    const qint64 pages =
        block.data.isEmpty() ? 0 : (end - 1) / PageSize - block.address / PageSize + 1;
    const qint64 work = erased * qint64(cfg.sectorEraseUs) + pages * cfg.pageProgramUs;
    if (flashAcknowledges()) return answerAfter(work, reply('l' + FlashReply));
    SimResponse r;
    r.busyUs = work;
    return r;
}

// The CRC over [start, start + length): progress reports every crcProgressStep bytes, then the
// final reply.
SimResponse SimBootLoader::checkFlashCrc(SimFrame &f) {
    const QByteArray &b = f.bytes;
    const uint32_t start = le32(b, 1), length = le32(b, 5);
    f.fields[QStringLiteral("start")] = start;
    f.fields[QStringLiteral("length")] = length;
    f.fields[QStringLiteral("crc")] = le32(b, 9);
    if (!zeroFrom(b, 13, FrameSize)) return refuse(f, QStringLiteral("bytes 13-63 not zero"));
    if (qint64(start) + length > externalFlash.size())
        return refuse(f, QStringLiteral("range outside the flash"));

    SimResponse r;
    const qint64 step = std::max<qint64>(cfg.crcProgressStep, 1);
    const qint64 reports =
        length > 0 ? std::min<qint64>((qint64(length) - 1) / step, MaxProgressReports) : 0;
    const qint64 intervalUs = qint64(std::max(cfg.crcProgressIntervalMs, 0)) * 1000;
    const auto computeUs = [this](qint64 bytes) { return bytes * cfg.crcUsPerKiB / 1024; };
    for (qint64 i = 1; i <= reports; ++i) {
        QByteArray progress = reply('n' + FlashReply);
        progress[1] = '0';
        put32(progress, 2, uint32_t(i * step));
        r.replies.push_back({progress, i * intervalUs + computeUs(i * step), false});
    }
    QByteArray result = reply('n' + FlashReply);
    result[1] = char(CrcFinalMarker);
    put32(result, 2, externalFlash.crc(start, length));
    r.busyUs = (reports > 0 ? (reports + 1) * intervalUs : 0) + computeUs(length);
    r.replies.push_back({result, r.busyUs, true});
    return r;
}
