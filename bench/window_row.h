#pragma once

#include <QString>

class QTextStream;

// The window's GUI thread during a 16 MiB flash update on its board thread: how often a 10 ms
// timer ticked and the longest it waited between two ticks. Needs a QApplication. Prints its
// table to `out`; returns 1 when the update could not run, else 0.
int Run_WindowRow(const QString &dir, QTextStream &out);
