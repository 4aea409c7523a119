#pragma once

#include <cstdint>

namespace win32 {

// Waits `us` microseconds by the performance counter and never returns earlier; us <= 0 or a
// counter without frequency returns at once. Short waits spin on the counter; long ones sleep on
// a high-resolution waitable timer where the system has one and spin only the last stretch.
void Delay_us(int64_t us);

// Counter ticks from `us` microseconds at `frequency` ticks per second, truncated, without
// overflowing for any wait that fits the counter.
int64_t Ticks_Of(int64_t us, int64_t frequency);

} // namespace win32
