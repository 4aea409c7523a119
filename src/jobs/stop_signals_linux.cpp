#include "jobs/stop_signals.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int wakeFds[2] = {-1, -1};

void onSignal(int signal) {
    const char byte = char(signal);
    // Nothing else is safe in a handler; a full socket already holds a wake-up.
    [[maybe_unused]] const ssize_t written = ::write(wakeFds[1], &byte, 1);
}

} // namespace

StopSignals::StopSignals(QObject *parent) : QObject(parent) {
    if (wakeFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, wakeFds) != 0)
        return;
    auto *notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        ssize_t got = 0;
        while ((got = ::read(wakeFds[0], bytes, sizeof bytes)) > 0)
            if (first == 0) first = bytes[0];
        emit stopRequested();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &action, nullptr);
}

StopSignals::~StopSignals() {
    for (const int sig : {SIGTERM, SIGINT, SIGHUP})
        std::signal(sig, SIG_DFL);
}
