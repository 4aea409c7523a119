#include "flash/flash_block.h"

#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/commands.h"
#include "protocol/transaction.h"
#include "serial/timing.h"

#include <algorithm>
#include <cstring>

namespace {

// Where the data and its count sit in each packet kind, per packet size.
struct PacketPlan {
    int size;
    int countWidth; // 1 byte or 16-bit little-endian
    int firstData;  // data bytes of the first packet
    int middleData; // of a middle packet
    bool paced;     // packet delays between the packets
};

PacketPlan planOf(FlashLayout layout) {
    if (layout == FlashLayout::Large) return {LargeFrameSize, 2, 504, 509, true};
    return {FrameSize, 1, 57, 62, false};
}

FlashPacket packet(const PacketPlan &plan, uint8_t letter, int countAt, const uint8_t *data,
                   int count) {
    FlashPacket p;
    p.bytes.assign(size_t(plan.size), 0);
    p.bytes[0] = letter;
    if (plan.countWidth == 1)
        p.bytes[size_t(countAt)] = uint8_t(count);
    else
        Put_Le16(&p.bytes[size_t(countAt)], uint16_t(count));
    if (count > 0) std::memcpy(&p.bytes[size_t(countAt + plan.countWidth)], data, size_t(count));
    return p;
}

} // namespace

FlashLayout Flash_Layout(uint32_t modelCode) {
    return Chip_Model(modelCode).flashLayout;
}

std::vector<FlashPacket> Flash_PacketTrain(FlashLayout layout, const uint8_t *data,
                                           uint32_t address, int length, uint8_t parity) {
    const PacketPlan plan = planOf(layout);
    length = std::max(length, 0);
    std::vector<FlashPacket> train;
    train.reserve(size_t(2 + length / plan.middleData));

    // First packet: address and parity ahead of the count.
    int sent = std::min(length, plan.firstData);
    FlashPacket first = packet(plan, Command::ProgramFlashFirst, 6, data, sent);
    Put_Le32(&first.bytes[1], address);
    first.bytes[5] = parity;
    first.delaysAfter = plan.paced ? 1 : 0;
    train.push_back(std::move(first));

    while (length - sent >= plan.middleData) {
        FlashPacket middle =
            packet(plan, Command::ProgramFlashMiddle, 1, data + sent, plan.middleData);
        middle.delaysAfter = plan.paced ? 1 : 0;
        train.push_back(std::move(middle));
        sent += plan.middleData;
    }
    // A block that needed more than the first packet gets one more delay before its last.
    if (plan.paced && length > plan.firstData) ++train.back().delaysAfter;

    train.push_back(packet(plan, Command::ProgramFlash.letter, 1, data + sent, length - sent));
    return train;
}

Result<> Write_FlashBlock(DeviceSession &s, const uint8_t *data, uint32_t address, int length,
                          uint8_t parity) {
    const FlashLayout layout = Flash_Layout(s.chip().code);
    const std::vector<FlashPacket> train = Flash_PacketTrain(layout, data, address, length, parity);
    Transaction t(s, Command::ProgramFlash);
    for (const FlashPacket &p : train) {
        s.link.write(p.bytes.data(), int(p.bytes.size()), Command::ProgramFlash.drain);
        for (int i = 0; i < p.delaysAfter; ++i)
            Delay_us(s.packetDelayUs);
    }
    if (layout == FlashLayout::SmallUnacknowledged) return Done{};
    const Result<ReplyFrame> ack = Exchange_Result(
        s, t.await(), QStringLiteral("the flash block at 0x%1").arg(address, 0, 16));
    if (!ack.ok()) return ack.failure();
    return Done{};
}
