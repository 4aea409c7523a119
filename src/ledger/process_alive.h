#pragma once

#include <QtGlobal>

// Whether a process of this machine is still running: a ledger's leases of a process that ended
// without settling them (a power cut, a kill) are settled by the next run.
bool Process_Alive(qint64 pid);
