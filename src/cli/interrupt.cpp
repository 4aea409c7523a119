#include "cli/interrupt.h"

#include "cli/journal_stream.h"
#include "cli/progress_bar.h"
#include "jobs/stop_request.h"

#include <atomic>
#include <csignal>
#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

std::atomic<bool> progressLineOpen{false};
bool stderrIsJournal = false; // set before the handler is
static_assert(std::atomic<bool>::is_always_lock_free, "read by the signal handler");
int wakePipe[2] = {-1, -1};

void writeError(const char *text, size_t length) {
    // Nothing to be done when stderr is gone; the work goes on.
#ifdef _WIN32
    [[maybe_unused]] const int written = _write(2, text, unsigned(length));
#else
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, length);
#endif
}

extern "C" void onInterrupt(int) {
    // Windows resets the handler before it runs it.
    std::signal(SIGINT, onInterrupt);
    if (Mcu_WriteInProgress()) {
        static const char text[] = "tessara-cli: stopping once the MCU update is complete; "
                                   "interrupting it would leave the chip without firmware\n";
        // The bar goes, as before any line; the next progress draws it again.
        if (progressLineOpen.exchange(false)) writeError(EraseLine, sizeof EraseLine - 1);
        if (stderrIsJournal) writeError("<4>", 3); // a warning, to the journal
        writeError(text, sizeof text - 1);
    } else if (Stop_Requested()) {
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
        return;
    }
    Request_Stop();
#ifndef _WIN32
    if (wakePipe[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
    }
#endif
}

} // namespace

void Catch_Interrupt() {
    stderrIsJournal = Stream_IsJournal(stderr);
#ifndef _WIN32
    if (wakePipe[0] < 0 && pipe(wakePipe) == 0)
        for (const int fd : wakePipe)
            fcntl(fd, F_SETFD, FD_CLOEXEC);
#endif
    std::signal(SIGINT, onInterrupt);
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

bool Interrupt_Requested() {
    return Stop_Requested();
}

int Interrupt_WakeFd() {
    return wakePipe[0];
}

void Note_ProgressLine(bool open) {
    progressLineOpen = open;
}
