#include "serial/win32/delay.h"

#include <windows.h>

// Windows 10 1803 and later; older systems refuse the flag and the wait spins.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace win32 {

namespace {

// A timer wakes up to a millisecond or two late (more on a loaded machine), so only waits
// well above that sleep, and the last stretch always spins on the counter.
constexpr int64_t SleepAboveUs = 5000;
constexpr int64_t SpinTailUs = 2000;

int64_t counterNow() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// Sleeps about `us` microseconds, possibly less; returns at once where there is no
// high-resolution timer.
void sleepOnTimer(int64_t us) {
    HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                          TIMER_ALL_ACCESS);
    if (!timer) return;
    LARGE_INTEGER due;
    due.QuadPart = -us * 10; // relative, in 100 ns units
    if (SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE))
        WaitForSingleObject(timer, INFINITE);
    CloseHandle(timer);
}

} // namespace

int64_t Ticks_Of(int64_t us, int64_t frequency) {
    return us / 1000000 * frequency + us % 1000000 * frequency / 1000000;
}

void Delay_us(int64_t us) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const int64_t start = counterNow();
    const int64_t target = start + Ticks_Of(us, frequency.QuadPart);
    if (start >= target) return;
    if (us > SleepAboveUs) sleepOnTimer(us - SpinTailUs);
    while (counterNow() < target)
        YieldProcessor();
}

} // namespace win32
