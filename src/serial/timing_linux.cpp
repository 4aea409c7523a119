#include "serial/timing.h"

#include <algorithm>
#include <ctime>
#include <sys/prctl.h>

namespace {

int64_t nowNs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// A wait shorter than this is spun whole: a sleep would cost more than it saves.
constexpr int64_t ShortestSleepNs = 20'000;

// How much earlier than the end of a wait this thread asks to be woken: it follows the median of
// how late the wake-ups come (a step up after each later one, a step down after each other). Half
// the waits then spin a few microseconds, the other half end a few microseconds late; a margin
// that covered nearly every wake-up would spin far longer on all of them.
class Waker {
  public:
    Waker() {
        // The kernel may otherwise defer a wake-up by 50 us to batch it with others.
        prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    }

    void sleepBefore(int64_t endNs, int64_t startNs) {
        const int64_t wakeNs = endNs - marginNs;
        if (wakeNs - startNs < ShortestSleepNs) return;
        const timespec at{time_t(wakeNs / 1000000000), long(wakeNs % 1000000000)};
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr);
        const int64_t lateNs = nowNs() - wakeNs;
        marginNs += lateNs > marginNs ? StepNs : -StepNs;
        marginNs = std::clamp(marginNs, MinMarginNs, MaxMarginNs);
    }

  private:
    static constexpr int64_t StepNs = 900;
    static constexpr int64_t MinMarginNs = 5'000;
    // Wake-ups later than this come from a busy processor (several boards, other programs):
    // spinning longer would only take the processor from the threads it is late for.
    static constexpr int64_t MaxMarginNs = 15'000;
    int64_t marginNs = 10'000;
};

} // namespace

void Delay_us(int64_t us) {
    if (us <= 0) return;
    const int64_t start = nowNs();
    const int64_t end = start + us * 1000;
    // Sleep most of the wait, then spin its last stretch: never early, and little CPU.
    thread_local Waker waker;
    waker.sleepBefore(end, start);
    while (nowNs() < end) {
    }
}
