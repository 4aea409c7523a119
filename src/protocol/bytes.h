#pragma once

#include <cstdint>

// Little-endian field access for frames and images. Callers bound the offsets.
inline uint32_t Get_Le32(const uint8_t *p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline uint16_t Get_Le16(const uint8_t *p) {
    return uint16_t(p[0] | p[1] << 8);
}
inline void Put_Le32(uint8_t *p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}
inline void Put_Le16(uint8_t *p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
