#pragma once

#include <cstdint>

// The chip model codes as the tests know them, written out here rather than taken from the chip
// table, so that a code the table got wrong shows up.
namespace Model {
constexpr uint32_t KQ31A = 0x1971031A;
constexpr uint32_t KQ31B = 0x1971031B;
constexpr uint32_t KQ3200 = 0x19713200;
constexpr uint32_t KQ31C = 0x1971031C;
constexpr uint32_t KQ31D = 0x1971031D;
constexpr uint32_t KQ580 = 0x05802018;
constexpr uint32_t KQ581 = 0x19710581;
constexpr uint32_t KQ47 = 0x19710470;
constexpr uint32_t Unknown = 0x19710000; // no model recognised
} // namespace Model
