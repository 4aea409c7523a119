#pragma once

#include <cstddef>
#include <cstdint>

// CRC-32 of the boot protocol: reflected polynomial 0xEDB88320, initial value 0 and no final
// inversion (not the ZIP variant). Used for frames, image checksums and every device comparison.
uint32_t crc32_calc(const uint8_t *data, size_t length);

// Continues a CRC over further bytes: crc32_update(crc32_calc(a), b) == crc32_calc(a + b).
uint32_t crc32_update(uint32_t crc, const uint8_t *data, size_t length);
