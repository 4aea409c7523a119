#include "protocol/crc32.h"

#include <array>

namespace {

constexpr std::array<uint32_t, 256> makeTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> crcTable = makeTable();
static_assert(crcTable[1] == 0x77073096u && crcTable[255] == 0x2D02EF8Du);

} // namespace

uint32_t crc32_update(uint32_t crc, const uint8_t *data, size_t length) {
    for (size_t i = 0; i < length; ++i)
        crc = (crc >> 8) ^ crcTable[(crc ^ data[i]) & 0xFF];
    return crc;
}

uint32_t crc32_calc(const uint8_t *data, size_t length) {
    return crc32_update(0, data, length);
}
