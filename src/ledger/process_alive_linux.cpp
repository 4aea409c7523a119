#include "ledger/process_alive.h"

#include <cerrno>
#include <signal.h>

bool Process_Alive(qint64 pid) {
    if (pid <= 0) return false;
    // EPERM: it runs, as another user.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}
