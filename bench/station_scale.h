#pragma once

#include <QString>

class QTextStream;

// tessara-station itself, off screen, on 1, 8 and 24 boards at once, each a tessara-sim process
// with a real flash part's timing: how long the last board took against one board alone, and
// the station's CPU (all its threads) while they ran. `dir` holds Flash.ini. Returns the
// number of rows that failed.
int Run_StationScale(const QString &dir, QTextStream &out);
