#include "line/hook_process.h"

// Windows has no process groups to put the hook in; the hook itself is ended.
void HookProcess::setupChildProcess() {}

void HookProcess::killAll() {
    kill();
    waitForFinished(KillWaitMs);
}
