#pragma once

#include <QString>

// A whole file as text; empty when it cannot be read.
QString Read_TextFile(const QString &path);
// Whether a process is gone (or only waits to be reaped), as /proc tells it.
bool Process_Gone(qint64 pid);
