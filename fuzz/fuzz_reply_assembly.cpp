// The device's answers in memory: any bytes, in pieces of any size, through the reply assembly
// of one command or of the flash CRC check's stream, and every whole reply through the readers of
// every reply. A reply handed out must be made of bytes that arrived, in the order they came.
//
// Input: byte 0 picks the mode; then arrivals, each as two length bytes (the low 9 bits of the
// little-endian pair: 0..511 bytes; the top bit of the second byte: bytes were lost before it)
// and the arrival's bytes.
#include "flash/flash_crc.h"
#include "flash/flash_id.h"
#include "mcu/mcu_packets.h"
#include "protocol/chip_table.h"
#include "protocol/device_info.h"
#include "protocol/handshake.h"
#include "protocol/reply_assembly.h"
#include "protocol/transaction.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Enough for several arrivals of every size the link hands over (at most 512 bytes each).
constexpr size_t MaxInput = 1024;

// Reads every field of `reply` as each command would; the results only have to be computed.
uint32_t readAll(const ReplyFrame &reply) {
    const HandshakeReply k = Decode_Handshake_Reply(reply);
    uint32_t sum = k.proof ^ k.bootVersion ^ uint32_t(Boot_Loader(k.bootKindCode));
    sum ^= Expected_Proof(reply.data(), k.bootVersion);
    if (const std::optional<DeviceInfo> info = Decode_Info_Reply(reply.data(), ReplySize))
        sum ^= info->modelCode ^ info->bootVersion ^ info->firstFlashId ^ info->secondFlashId ^
               uint32_t(Find_ChipModel(info->modelCode) != nullptr);
    sum ^= Decode_FlashId_Reply(reply) ^ Decode_McuCrc_Reply(reply);
    const FlashCrcReply crc = Decode_FlashCrc_Reply(reply);
    sum ^= uint32_t(Flash_CrcProgress(crc.value, int32_t(k.proof))) ^ uint32_t(crc.progress);
    return sum ^ uint32_t(Decode_BootFrame_Status(reply));
}

// Whether `reply` (`size` bytes) came as it stands and was made whole by the last arrival: it ends
// inside the last `last` bytes of `stream`.
bool cameWhole(const std::vector<uint8_t> &stream, size_t last, const uint8_t *reply, size_t size) {
    for (size_t end = std::max(size, stream.size() - last + 1); end <= stream.size(); ++end)
        if (stream[end - size] == reply[0] &&
            std::memcmp(stream.data() + end - size, reply, size) == 0)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    size = std::min<size_t>(size, MaxInput);
    const auto mode = data[0] & 1 ? ReplyAssembly::Stream : ReplyAssembly::OneReply;
    ReplyAssembly assembly(mode);
    std::vector<uint8_t> stream; // the bytes added since the last loss, in order
    stream.reserve(MaxInput);
    int taken = 0;
    volatile uint32_t sink = 0;

    for (size_t at = 1; at + 2 <= size;) {
        const size_t length =
            std::min<size_t>((data[at] | data[at + 1] << 8) & 0x1FF, size - at - 2);
        if (data[at + 1] & 0x80) {
            assembly.lose();
            if (taken == 0 || mode == ReplyAssembly::Stream) stream.clear();
        }
        const uint8_t *piece = data + at + 2;
        assembly.add(piece, int(length));
        stream.insert(stream.end(), piece, piece + length);
        at += 2 + length;

        ReplyFrame reply;
        while (assembly.take(reply)) {
            ++taken;
            sink = sink ^ readAll(reply);
            if (mode == ReplyAssembly::OneReply) {
                // The first 64 bytes after the last loss, handed out once.
                if (taken > 1 || stream.size() < size_t(ReplySize) ||
                    !std::equal(reply.begin(), reply.end(), stream.begin()))
                    abort();
            } else if (!cameWhole(stream, length, reply.data(), ReplySize) &&
                       !(reply[ReplySize - 1] == 0 &&
                         cameWhole(stream, length, reply.data(), ReplySize - 1))) {
                abort(); // neither a reply as it came nor the 63-byte one of the later-reply rule
            }
        }
        if (mode == ReplyAssembly::OneReply && taken == 0 && stream.size() >= size_t(ReplySize))
            abort(); // whole but not handed out
    }
    return 0;
}
