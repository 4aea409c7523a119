#include "mcu/mcu_packets.h"

#include "protocol/bytes.h"

#include <QtGlobal>
#include <cstring>

namespace {

struct Layout {
    int size;           // packet size
    int firstData;      // data bytes a J0 carries at most
    int middleData;     // data bytes of every J1
    int dataOffset;     // where J1 and J2 data starts
    bool countInJ1J2;   // J1 and J2 carry their data count in bytes 2-3
    bool firstOwnCount; // J0's length field is its own count (else the block length)
};

constexpr Layout SmallLayout{FrameSize, 56, 62, 2, false, false};
constexpr Layout LargeLayout{LargeFrameSize, 504, 508, 4, true, true};

QByteArray packet(const Layout &layout, char kind) {
    QByteArray p(layout.size, '\0');
    p[0] = 'J';
    p[1] = kind;
    return p;
}

uint8_t *bytesOf(QByteArray &p) {
    return reinterpret_cast<uint8_t *>(p.data());
}

} // namespace

Frame EraseMcu_Frame(uint32_t start, uint32_t end) {
    Frame frame{};
    frame[0] = Command::EraseMcu.letter;
    Put_Le32(&frame[1], start);
    Put_Le32(&frame[5], end);
    return frame;
}

QList<QByteArray> McuBlock_Packets(bool smallPackets, uint32_t offset, const uint8_t *data,
                                   int length) {
    const Layout &layout = smallPackets ? SmallLayout : LargeLayout;
    length = qBound(0, length, 0xFFFF);
    QList<QByteArray> packets;

    QByteArray first = packet(layout, '0');
    const int firstCount = qMin(length, layout.firstData);
    Put_Le32(bytesOf(first) + 2, offset);
    Put_Le16(bytesOf(first) + 6, uint16_t(layout.firstOwnCount ? firstCount : length));
    if (firstCount > 0) std::memcpy(bytesOf(first) + 8, data, size_t(firstCount));
    packets.append(first);

    int done = firstCount;
    // The last packet holds what a middle one cannot take whole; it may carry nothing.
    while (length - done > layout.middleData - 1) {
        QByteArray middle = packet(layout, '1');
        if (layout.countInJ1J2) Put_Le16(bytesOf(middle) + 2, uint16_t(layout.middleData));
        std::memcpy(bytesOf(middle) + layout.dataOffset, data + done, size_t(layout.middleData));
        packets.append(middle);
        done += layout.middleData;
    }

    QByteArray last = packet(layout, '2');
    const int rest = length - done;
    if (layout.countInJ1J2) Put_Le16(bytesOf(last) + 2, uint16_t(rest));
    if (rest > 0) std::memcpy(bytesOf(last) + layout.dataOffset, data + done, size_t(rest));
    packets.append(last);
    return packets;
}

uint32_t Mcu_StartOffset(uint32_t enterAddr, uint32_t base) {
    return enterAddr > base ? (enterAddr & 0xFFFFF000u) - base : 0;
}

Frame CheckMcuCrc_Frame(int32_t length, uint32_t crc, uint32_t enterAddr, uint32_t base) {
    Frame frame{};
    frame[0] = Command::CheckMcuCrc.letter;
    Put_Le32(&frame[4], uint32_t(length));
    Put_Le32(&frame[8], crc);
    Put_Le32(&frame[12], Mcu_StartOffset(enterAddr, base));
    return frame;
}

uint32_t Decode_McuCrc_Reply(const ReplyFrame &reply) {
    return Get_Le32(&reply[1]);
}

Frame WriteWords_Frame(uint16_t address, const uint32_t *words, int count) {
    Frame frame{};
    count = qBound(0, count, 15);
    frame[0] = Command::WriteWords.letter;
    frame[1] = uint8_t(count);
    Put_Le16(&frame[2], address);
    for (int i = 0; i < count; ++i)
        Put_Le32(&frame[4 + 4 * i], words[i]);
    return frame;
}

std::array<Frame, 2> McuPatch_Frames() {
    static constexpr uint32_t first[15] = {0xF7FF7F01, 0x00801F44, 0x8707770A, 0x8606760A,
                                           0x77099607, 0x01468607, 0xB6077709, 0xA6077709,
                                           0x16566405, 0xEFFB2A06, 0xB5077706, 0x000000CF,
                                           0x00801F60, 0x00801F64, 0x00801F68};
    static constexpr uint32_t second[7] = {0x4012001B, 0x40120019, 0x9F002430, 0x8F007F02,
                                           0x00CF2030, 0x00801F08, 0xBEBEBEBE};
    constexpr uint16_t address = 0x1F00;
    return {WriteWords_Frame(address, first, 15), WriteWords_Frame(address + 15 * 4, second, 7)};
}
