#include "line/hook_process.h"

#include <csignal>
#include <unistd.h>

// In the child, before the hook's program starts.
void HookProcess::setupChildProcess() {
    setpgid(0, 0);
}

void HookProcess::killAll() {
    const qint64 pid = processId();
    if (pid > 0) ::kill(-pid_t(pid), SIGKILL);
    kill(); // should the group not have been made
    waitForFinished(KillWaitMs);
}
