#pragma once

#include <QString>

class QTextStream;

// The flash update against a chip with a real flash part's timing (tessara-sim --timing
// realistic): the whole 16 MiB image, then only what changed when one 32 KiB block or every
// block differs. Takes minutes. Prints its table to `out`; returns the number of rows that could
// not run or missed their goal.
int Run_RealisticRows(const QString &dir, QTextStream &out);
