#pragma once

#include "protocol/crc32.h"

#include <QByteArray>
#include <cstdint>

// Little-endian field access for the simulator's frames. The simulator keeps its own helpers so
// that an encoding slip on the host side cannot be mirrored here. Callers keep `at` in range.
namespace sim {

inline uint32_t le16(const QByteArray &b, int at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8;
}

inline uint32_t le32(const QByteArray &b, int at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}

inline void put16(QByteArray &b, int at, uint32_t v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}

inline void put32(QByteArray &b, int at, uint32_t v) {
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

inline uint32_t crcOf(const QByteArray &b, int from, int length) {
    return crc32_calc(reinterpret_cast<const uint8_t *>(b.constData()) + from, size_t(length));
}

// True when every byte in [from, to) is zero.
inline bool zeroFrom(const QByteArray &b, int from, int to) {
    for (int i = from; i < to; ++i)
        if (b[i] != 0) return false;
    return true;
}

} // namespace sim
