// The MCU-side commands of the simulated boot loader: erase, block trains, CRC query, the
// framed boot information records and the word writes.
#include "sim/sim_boot_loader.h"
#include "sim/sim_bytes.h"

#include <algorithm>

using namespace sim;

namespace {

constexpr uint32_t SecondBootInfoCode = 0x7C00;
constexpr uint32_t BootSettingCode = 0x7E00;
constexpr int RecordSize = 24;
constexpr int MaxFramedPayload = 52;
constexpr uint32_t FirstMagic = 0x19714568, SecondMagic = 0x03100862;

// Status byte of the 'H' reply.
enum BootFrameStatus : uint8_t {
    Accepted = 0,
    BadFrame = 1, // header, length, CRC or padding
    UnknownCode = 2,
    BadRecord = 3,  // magic, filler or record CRC
    OutOfRange = 4, // a value the chip cannot use
};

// Data per J packet: small layout 56 / 62 / up to 61, large layout 504 / 508 / up to 507.
constexpr int SmallFirst = 56, SmallMiddle = 62, SmallLastMax = 61;
constexpr int LargeFirst = 504, LargeMiddle = 508, LargeLastMax = 507;

} // namespace

SimResponse SimBootLoader::eraseMcu(SimFrame &f) {
    const QByteArray &b = f.bytes;
    const uint32_t start = le32(b, 1), end = le32(b, 5);
    f.fields[QStringLiteral("start")] = start;
    f.fields[QStringLiteral("end")] = end;
    if (!zeroFrom(b, 9, FrameSize)) return refuse(f, QStringLiteral("bytes 9-63 not zero"));
    if (start > end || end > uint32_t(mcuFlash.size()))
        return refuse(f, QStringLiteral("range outside the MCU flash"));
    std::fill(mcuFlash.begin() + start, mcuFlash.begin() + start + share(end - start), char(0xFF));
    return answerAfter(qint64(cfg.mcuEraseMs) * 1000, reply('L'));
}

// One block arrives as J0, J1..., J2 and is answered once, after J2. A packet that breaks the
// rules spoils the block: it is refused at J2 and nothing of it is written.
SimResponse SimBootLoader::programMcu(SimFrame &f) {
    const QByteArray &b = f.bytes;
    const char kind = b[1];
    const bool large = chip.mcuLayout == SimMcuLayout::Large512;
    McuTrain &t = mcuTrain;
    f.name = QStringLiteral("J") + QChar(kind);
    const auto spoil = [&](const QString &why) {
        f.reject(why);
        if (t.broken.isEmpty()) t.broken = why;
    };

    if (kind == '0') {
        if (t.open) f.fields[QStringLiteral("abandonedMcuBlock")] = quint32(t.data.size());
        t = McuTrain();
        t.open = true;
        t.offset = le32(b, 2);
        const int n = int(le16(b, 6));
        f.fields[QStringLiteral("offset")] = t.offset;
        f.fields[large ? QStringLiteral("count") : QStringLiteral("length")] = quint32(n);
        const int carried = large ? n : std::min(n, SmallFirst);
        if (large && n > LargeFirst) {
            spoil(QStringLiteral("J0 count over 504"));
            return none();
        }
        t.declared = large ? -1 : n;
        t.more = large ? n == LargeFirst : n > SmallFirst;
        t.data = b.mid(8, carried);
        if (!zeroFrom(b, 8 + carried, b.size()))
            spoil(QStringLiteral("J0 bytes after the data not zero"));
        return none();
    }

    if (kind == '1') {
        if (!t.open) {
            f.reject(QStringLiteral("J1 without J0"));
            return none();
        }
        if (large) {
            f.fields[QStringLiteral("count")] = le16(b, 2);
            if (le16(b, 2) != LargeMiddle)
                spoil(QStringLiteral("J1 count not 508"));
            else if (!t.more)
                spoil(QStringLiteral("J1 after a J0 that held the whole block"));
            else
                t.data += b.mid(4, LargeMiddle);
        } else {
            if (t.declared - t.data.size() <= SmallLastMax)
                spoil(QStringLiteral("J1 where the rest fits the last packet"));
            else
                t.data += b.mid(2, SmallMiddle);
        }
        return none();
    }

    if (kind == '2') {
        if (!t.open) return refuse(f, QStringLiteral("J2 without J0"));
        int n;
        if (large) {
            n = int(le16(b, 2));
            f.fields[QStringLiteral("count")] = quint32(n);
            if (n > LargeLastMax)
                spoil(QStringLiteral("J2 count over 507"));
            else if (!t.more && n > 0)
                spoil(QStringLiteral("J2 data after a J0 that held the whole block"));
            else
                t.data += b.mid(4, n);
            if (!zeroFrom(b, 4 + std::min(n, LargeLastMax), b.size()))
                spoil(QStringLiteral("J2 bytes after the data not zero"));
        } else {
            n = t.declared - t.data.size();
            if (n > SmallLastMax)
                spoil(QStringLiteral("J2 before the block's middle packets"));
            else
                t.data += b.mid(2, n);
            if (!zeroFrom(b, 2 + std::min(n, SmallLastMax), b.size()))
                spoil(QStringLiteral("J2 bytes after the data not zero"));
        }
        f.fields[QStringLiteral("offset")] = t.offset;
        f.fields[QStringLiteral("length")] = quint32(t.data.size());
        const McuTrain block = t;
        t = McuTrain();
        if (!block.broken.isEmpty())
            return refuse(f, QStringLiteral("block refused: ") + block.broken);
        if (qint64(block.offset) + block.data.size() > mcuFlash.size())
            return refuse(f, QStringLiteral("block outside the MCU flash"));
        // Programming only clears bits: an unerased range keeps its zeros.
        for (int i = 0; i < int(share(block.data.size())); ++i)
            mcuFlash[int(block.offset) + i] = char(mcuFlash[int(block.offset) + i] & block.data[i]);
        return answer(reply('J'));
    }

    if (t.open) t.broken = QStringLiteral("unknown J packet");
    return refuse(f, QStringLiteral("unknown J packet"));
}

SimResponse SimBootLoader::checkMcuCrc(SimFrame &f) {
    const QByteArray &b = f.bytes;
    const uint32_t length = le32(b, 4), start = le32(b, 12);
    f.fields[QStringLiteral("length")] = length;
    f.fields[QStringLiteral("crc")] = le32(b, 8);
    f.fields[QStringLiteral("start")] = start;
    if (!zeroFrom(b, 1, 4) || !zeroFrom(b, 16, FrameSize))
        return refuse(f, QStringLiteral("unnamed bytes not zero"));
    if (qint64(start) + length > mcuFlash.size())
        return refuse(f, QStringLiteral("range outside the MCU flash"));
    QByteArray r = reply('N');
    put32(r, 1, crcOf(mcuFlash, int(start), int(length)));
    return answer(r);
}

// The framed packet: 'H','0', code, payload length, payload, CRC over all that.
SimResponse SimBootLoader::bootFrame(SimFrame &f) {
    const QByteArray &b = f.bytes;
    const uint32_t code = le32(b, 2);
    const int length = int(le16(b, 6));
    f.name = QStringLiteral("H%1").arg(code, 4, 16, QLatin1Char('0')).toUpper();
    f.fields[QStringLiteral("code")] = code;
    f.fields[QStringLiteral("length")] = quint32(length);
    const auto status = [&](uint8_t value, const QString &why) {
        if (value != Accepted) f.reject(why);
        QByteArray r = reply('H');
        r[1] = char(value);
        return answer(r);
    };
    // A record is rewritten in place: the power failing before any of it is written keeps the
    // old one, failing in the middle leaves none.
    const auto powerFails = [this](bool &have) {
        if (workPercent >= 100) return false;
        if (workPercent > 0) have = false;
        return true;
    };
    if (b[1] != '0') return status(BadFrame, QStringLiteral("byte 1 not '0'"));
    if (length > MaxFramedPayload)
        return status(BadFrame, QStringLiteral("payload longer than 52"));
    if (le32(b, 8 + length) != crcOf(b, 0, 8 + length))
        return status(BadFrame, QStringLiteral("frame CRC wrong"));
    if (!zeroFrom(b, 12 + length, FrameSize))
        return status(BadFrame, QStringLiteral("bytes after the CRC not zero"));
    if (code != SecondBootInfoCode && code != BootSettingCode)
        return status(UnknownCode, QStringLiteral("unknown code"));
    if (length != RecordSize) return status(BadFrame, QStringLiteral("record not 24 bytes"));

    const QByteArray record = b.mid(8, RecordSize);
    if (le32(record, 20) != crcOf(record, 0, 20))
        return status(BadRecord, QStringLiteral("record CRC wrong"));
    if (code == SecondBootInfoCode) {
        const uint32_t run = le32(record, 8), imageLength = le32(record, 12);
        f.fields[QStringLiteral("runAddress")] = run;
        f.fields[QStringLiteral("imageLength")] = imageLength;
        f.fields[QStringLiteral("imageCrc")] = le32(record, 16);
        if (le32(record, 0) != FirstMagic || le32(record, 4) != SecondMagic)
            return status(BadRecord, QStringLiteral("magic wrong"));
        if (run < McuBase || run - McuBase >= uint32_t(mcuFlash.size()) ||
            imageLength > uint32_t(mcuFlash.size()))
            return status(OutOfRange, QStringLiteral("run address or length outside the flash"));
        if (powerFails(bootRecords.haveSecondBootInfo)) return status(Accepted, {});
        bootRecords.haveSecondBootInfo = true;
        bootRecords.runAddress = run;
        bootRecords.imageLength = imageLength;
        bootRecords.imageCrc = le32(record, 16);
        return status(Accepted, {});
    }
    const uint32_t setting = le32(record, 0);
    f.fields[QStringLiteral("setting")] = setting;
    if (record.mid(4, 16) != QByteArray(16, char(0xFF)))
        return status(BadRecord, QStringLiteral("filler not sixteen 0xFF"));
    if (setting < 0xFFFFFFF0u || setting > 0xFFFFFFF2u)
        return status(OutOfRange, QStringLiteral("boot setting not 0xFFFFFFF0..2"));
    if (powerFails(bootRecords.haveBootSetting)) return status(Accepted, {});
    bootRecords.haveBootSetting = true;
    bootRecords.bootSetting = setting;
    return status(Accepted, {});
}

// Words into RAM at a 16-bit byte address; no reply.
SimResponse SimBootLoader::writeWords(SimFrame &f) {
    const QByteArray &b = f.bytes;
    const int count = uint8_t(b[1]);
    const uint32_t address = le16(b, 2);
    f.fields[QStringLiteral("count")] = quint32(count);
    f.fields[QStringLiteral("address")] = address;
    if (count < 1 || count > 15)
        f.reject(QStringLiteral("word count not 1..15"));
    else if (address % 4 != 0)
        f.reject(QStringLiteral("address not word-aligned"));
    else if (address + 4u * uint32_t(count) > uint32_t(wordMemory.size()))
        f.reject(QStringLiteral("words beyond the 16-bit address space"));
    else
        wordMemory.replace(int(address), 4 * count, b.mid(4, 4 * count));
    return none();
}
