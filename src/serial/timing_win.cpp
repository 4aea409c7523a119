#include "serial/timing.h"

#include <windows.h>

void Delay_us(int64_t us) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const int64_t target = start.QuadPart + (us * frequency.QuadPart) / 1000000;
    if (start.QuadPart >= target)
        return;
    do {
        QueryPerformanceCounter(&now);
    } while (now.QuadPart < target);
}
