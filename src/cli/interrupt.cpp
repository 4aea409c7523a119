#include "cli/interrupt.h"

#include "cli/journal_stream.h"
#include "cli/progress_bar.h"
#include "jobs/owed_records.h"
#include "jobs/stop_request.h"
#include "line/hook_process.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <pthread.h>
#include <thread>
#include <unistd.h>
#endif

namespace {

std::atomic<bool> progressLineOpen{false};
std::atomic<int> firstSignal{0};
std::atomic<bool> endingAtOnce{false};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "read by the signal handler");
bool stderrIsJournal = false; // set before the handler is
int wakePipe[2] = {-1, -1};
// A byte in it asks the thread that ends the program at once to do so.
int endPipe[2] = {-1, -1};

const int stopSignals[] = {
    SIGINT,
    SIGTERM,
#ifdef SIGHUP
    SIGHUP,
#endif
};

// How long a program ending at once waits for the records owed by boards that have ended.
constexpr int RecordsGraceMs = 10000;

void writeError(const char *text, size_t length) {
    // Nothing to be done when stderr is gone; the work goes on.
#ifdef _WIN32
    [[maybe_unused]] const int written = _write(2, text, unsigned(length));
#else
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, length);
#endif
}

void sayOnItsOwnLine(const char *text, size_t length) {
    // The bar goes, as before any line; the next progress draws it again.
    if (progressLineOpen.exchange(false)) writeError(EraseLine, sizeof EraseLine - 1);
    if (stderrIsJournal) writeError("<4>", 3); // a warning, to the journal
    writeError(text, length);
}

void endWithSignal(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// The interrupted code may be about to read errno (a failed write of a record, say).
struct KeepErrno {
    const int saved = errno;
    ~KeepErrno() { errno = saved; }
};

extern "C" void onStopSignal(int signal) {
    const KeepErrno keep;
    // Windows resets the handler before it runs it.
    std::signal(signal, onStopSignal);
    int none = 0;
    firstSignal.compare_exchange_strong(none, signal);
    if (Mcu_WriteInProgress()) {
        static const char text[] = "tessara-cli: stopping once the MCU update is complete; "
                                   "interrupting it would leave the chip without firmware\n";
        sayOnItsOwnLine(text, sizeof text - 1);
    } else if (Stop_Requested()) {
        // A second signal: the end, once the records of the boards that ended are written (a
        // thread waits for them: nothing here may). A third does not wait.
        if (endingAtOnce.exchange(true) || endPipe[1] < 0) return endWithSignal(signal);
#ifndef _WIN32
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(endPipe[1], &byte, 1);
#endif
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

#ifndef _WIN32
bool makePipe(int fds[2]) {
    if (fds[0] >= 0) return true;
    if (pipe(fds) != 0) return false;
    for (int i = 0; i < 2; ++i)
        fcntl(fds[i], F_SETFD, FD_CLOEXEC);
    return true;
}

// Waits for the second signal, then ends the program once no record is owed or being written.
void endAtOnceWhenAsked() {
    sigset_t blocked;
    sigemptyset(&blocked);
    for (const int signal : stopSignals)
        sigaddset(&blocked, signal);
    pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
    char byte = 0;
    ssize_t n;
    while ((n = ::read(endPipe[0], &byte, 1)) < 0 && errno == EINTR) {
    }
    if (n != 1) return;
    static const char text[] =
        "tessara-cli: ending at once: boards still running are recorded as interrupted\n";
    sayOnItsOwnLine(text, sizeof text - 1);
    Hold_Records(RecordsGraceMs);
    // No hook outlives the program, nor anything a hook started; the program ends right after,
    // before a run whose hook this ends can say anything more.
    HookProcess::KillEveryHook();
    ::_exit(Interrupt_Status());
}
#endif

} // namespace

void Catch_Interrupt() {
    stderrIsJournal = Stream_IsJournal(stderr);
#ifndef _WIN32
    makePipe(wakePipe);
    if (endPipe[0] < 0 && makePipe(endPipe)) std::thread(endAtOnceWhenAsked).detach();
#endif
    for (const int signal : stopSignals)
        std::signal(signal, onStopSignal);
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

bool Interrupt_Requested() {
    return Stop_Requested();
}

int Interrupt_Signal() {
    return firstSignal;
}

int Interrupt_Status() {
    const int signal = firstSignal;
    return 128 + (signal ? signal : SIGINT);
}

int Interrupt_WakeFd() {
    return wakePipe[0];
}

void Note_ProgressLine(bool open) {
    progressLineOpen = open;
}
