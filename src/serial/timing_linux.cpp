#include "serial/timing.h"

#include <ctime>

namespace {
int64_t nowNs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}
} // namespace

void Delay_us(int64_t us) {
    if (us <= 0)
        return;
    const int64_t target = nowNs() + us * 1000;
    while (nowNs() < target) {
    }
}
