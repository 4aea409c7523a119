#include "jobs/stop_request.h"

#include <atomic>

namespace {

// Lock-free atomics are the only shared state a signal handler may touch besides sig_atomic_t.
std::atomic<bool> stopRequested{false};
std::atomic<int> mcuWrites{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "the stop request is read from a signal handler");

} // namespace

void Request_Stop() {
    stopRequested = true;
}

bool Stop_Requested() {
    return stopRequested;
}

bool Mcu_WriteInProgress() {
    return mcuWrites > 0;
}

McuWriteScope::McuWriteScope() {
    ++mcuWrites;
}

McuWriteScope::~McuWriteScope() {
    --mcuWrites;
}
