#include "protocol/frame_trace.h"

#include "protocol/bytes.h"
#include "protocol/commands.h"

#include <algorithm>

namespace {

// Packets of one train share a kind: the flash block's first, middle and last packets are one.
int trainKindOf(uint8_t letter) {
    return letter == Command::ProgramFlashFirst || letter == Command::ProgramFlashMiddle
               ? Command::ProgramFlash.letter
               : letter;
}

// The last packet of a block ends its train: the next block is a train of its own, also where
// blocks follow each other unacknowledged.
bool endsBlock(const QByteArray &packet) {
    const uint8_t letter = uint8_t(packet[0]);
    return letter == Command::ProgramFlash.letter ||
           (letter == Command::ProgramMcu.letter && packet.size() > 1 && packet[1] == '2');
}

// The handshake's secret-bearing bytes. The frame's CRC folds in the proposed model; the
// reply's proof folds in the tag itself, so with the frame's first bytes it gives the tag away.
constexpr int HandshakeCrcAt = 8;
// A flash CRC over a board's own values (a key) tells 32 bits of them: the CRC the host
// expects (frame bytes 9-12) and the one the chip found (reply bytes 2-5) are shown as xx.
constexpr int FlashCrcAt = 9, FlashCrcReplyAt = 2;
// What a handshake reply may show: its letter, the boot version and the boot kind code.
bool shownInHandshakeReply(int offset, bool isHandshakeReply) {
    return offset == 0 || (isHandshakeReply && offset >= 9 && offset <= 16);
}

QByteArray letterText(uint8_t letter) {
    return letter >= 0x21 && letter < 0x7F
               ? QByteArray(1, char(letter))
               : QByteArray::number(letter, 16).rightJustified(2, '0').prepend("0x");
}

} // namespace

FrameTrace::FrameTrace(Sink lineSink) : sink(std::move(lineSink)) {
    clock.start();
}

FrameTrace::~FrameTrace() {
    endTrain();
}

void FrameTrace::sent(const uint8_t *bytes, int length) {
    if (length <= 0) return;
    const qint64 us = clock.nsecsElapsed() / 1000;
    const QByteArray packet(reinterpret_cast<const char *>(bytes), length);
    const bool handshake = bytes[0] == Command::Connect.letter;
    const bool secretCrc = !handshake && crcOfHiddenRange(bytes, length);
    replyMask = handshake ? ReplyMask::Handshake : secretCrc ? ReplyMask::Crc : ReplyMask::None;
    replyBytes = 0;
    if (handshake || secretCrc) {
        // Shown at once and alone, never held back as a train's packet; its CRC as xx.
        endTrain();
        const int crcAt = handshake ? HandshakeCrcAt : FlashCrcAt;
        std::vector<bool> hidden(size_t(length), false);
        for (int i = crcAt; i < std::min(length, crcAt + 4); ++i)
            hidden[size_t(i)] = true;
        show(us, "TX", packet, hidden);
        return;
    }
    const int kind = trainKindOf(bytes[0]);
    const std::vector<bool> hidden = hiddenFlashData(bytes, length);
    if (kind == trainKind && !lastPacket.isEmpty()) {
        // The packet held back so far is one in the middle now.
        ++hiddenPackets;
        hiddenBytes += lastPacket.size();
        hiddenUs = lastPacketUs;
        lastPacket = packet;
        lastHidden = hidden;
        lastPacketUs = us;
    } else if (kind == trainKind) {
        lastPacket = packet;
        lastHidden = hidden;
        lastPacketUs = us;
    } else {
        endTrain();
        show(us, "TX", packet, hidden);
        trainKind = kind;
    }
    if (endsBlock(packet)) endTrain();
}

void FrameTrace::hideFlashRanges(std::vector<std::pair<uint32_t, uint32_t>> ranges) {
    flashHidden = std::move(ranges);
}

std::vector<bool> FrameTrace::hiddenFlashData(const uint8_t *bytes, int length) {
    const uint8_t letter = bytes[0];
    const bool first = letter == Command::ProgramFlashFirst;
    if (flashHidden.empty() ||
        (!first && letter != Command::ProgramFlashMiddle && letter != Command::ProgramFlash.letter))
        return {};
    // The first packet: address (1-4) and parity (5) ahead of the count; the others: the count
    // at 1. The count is 16-bit in the large packets.
    const int countWidth = length > FrameSize ? 2 : 1;
    const int countAt = first ? 6 : 1;
    if (length < countAt + countWidth) return {};
    if (first) flashAddress = Get_Le32(bytes + 1);
    const int count = countWidth == 1 ? bytes[countAt] : Get_Le16(bytes + countAt);
    std::vector<bool> hidden(size_t(length), false);
    const int dataAt = countAt + countWidth;
    for (int i = 0; i < count && dataAt + i < length; ++i) {
        const uint32_t address = flashAddress + uint32_t(i);
        for (const auto &range : flashHidden)
            if (address >= range.first && address < range.second) hidden[size_t(dataAt + i)] = true;
    }
    flashAddress += uint32_t(std::max(count, 0));
    return hidden;
}

bool FrameTrace::crcOfHiddenRange(const uint8_t *bytes, int length) const {
    if (bytes[0] != Command::CheckFlashCrc.letter || length < FlashCrcAt + 4) return false;
    const uint64_t start = Get_Le32(bytes + 1);
    const uint64_t end = start + Get_Le32(bytes + 5);
    for (const auto &range : flashHidden)
        if (start < range.second && range.first < end) return true;
    return false;
}

void FrameTrace::received(const uint8_t *bytes, int length) {
    if (length <= 0) return;
    endTrain();
    // The answer to a handshake or to a CRC over a board's own values, however it arrives (in
    // pieces, twice, after garbage), is read in 64-byte replies from the first byte after the
    // frame, as the host reads it.
    std::vector<bool> hidden;
    if (replyMask != ReplyMask::None) {
        hidden.resize(size_t(length));
        for (int i = 0; i < length; ++i, ++replyBytes) {
            const int offset = int(replyBytes % FrameSize);
            if (offset == 0) inHandshakeReply = bytes[i] == Command::Connect.replyLetter;
            hidden[size_t(i)] = replyMask == ReplyMask::Handshake
                                    ? !shownInHandshakeReply(offset, inHandshakeReply)
                                    : offset >= FlashCrcReplyAt && offset < FlashCrcReplyAt + 4;
        }
    }
    show(clock.nsecsElapsed() / 1000, "RX",
         QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), length), hidden);
}

void FrameTrace::endTrain() {
    if (hiddenPackets > 0)
        sink(QByteArray::number(hiddenUs).rightJustified(10, ' ') +
             QByteArrayLiteral(" us TX ... ") + QByteArray::number(hiddenPackets) +
             QByteArrayLiteral(" packets not shown, ") + QByteArray::number(hiddenBytes) +
             QByteArrayLiteral(" bytes"));
    if (!lastPacket.isEmpty()) show(lastPacketUs, "TX", lastPacket, lastHidden);
    trainKind = -1;
    hiddenPackets = 0;
    hiddenBytes = 0;
    lastPacket.clear();
}

void FrameTrace::show(qint64 us, const char *direction, const QByteArray &bytes,
                      const std::vector<bool> &hidden) {
    QByteArray hex = bytes.left(MaxHexBytes).toHex(' ');
    for (size_t i = 0; i < hidden.size() && i < size_t(MaxHexBytes); ++i)
        if (hidden[i]) hex.replace(int(3 * i), 2, "xx");
    // A piece that starts inside a reply starts with no letter but a byte of that reply.
    const QByteArray letter = !hidden.empty() && hidden[0] ? "xx" : letterText(uint8_t(bytes[0]));
    QByteArray line = QByteArray::number(us).rightJustified(10, ' ') + " us " + direction + ' ' +
                      letter.leftJustified(4, ' ') + ' ' +
                      QByteArray::number(bytes.size()).rightJustified(4, ' ') + ' ' + hex;
    if (bytes.size() > MaxHexBytes) line += " ...";
    sink(line);
}
