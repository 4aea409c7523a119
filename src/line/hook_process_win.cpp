#include "line/hook_process.h"

// Windows has no process groups to put the hook in; the hook itself is ended.
void HookProcess::setupChildProcess() {}

HookProcess::~HookProcess() {
    if (state() != NotRunning) killAll();
}

void HookProcess::noteRunning() {}

void HookProcess::killAll() {
    kill();
    waitForFinished(KillWaitMs);
}

void HookProcess::KillEveryHook() {}
