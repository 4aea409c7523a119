#include "cli/interrupt.h"

#include <atomic>
#include <csignal>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Lock-free, so that the signal handler may set it and every board's thread may read it.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the Ctrl-C flag is set by a handler");
int wakePipe[2] = {-1, -1};

extern "C" void onInterrupt(int) {
    interrupted.store(true);
#ifndef _WIN32
    if (wakePipe[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = write(wakePipe[1], &byte, 1);
    }
#endif
    std::signal(SIGINT, SIG_DFL);
}

} // namespace

void Catch_Interrupt() {
#ifndef _WIN32
    if (wakePipe[0] < 0 && pipe(wakePipe) == 0)
        for (const int fd : wakePipe)
            fcntl(fd, F_SETFD, FD_CLOEXEC);
#endif
    std::signal(SIGINT, onInterrupt);
}

bool Interrupt_Requested() {
    return interrupted.load();
}

int Interrupt_WakeFd() {
    return wakePipe[0];
}
