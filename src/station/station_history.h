#pragma once

#include "station/yield_counters.h"

#include <QHash>
#include <QSet>
#include <QString>

// How a board's last run with the recipe of now ended.
struct LastRun {
    int attempt = 0;
    bool passed = false;
    bool counted = false; // in the counters (after their last reset)
    QString boardSerial;  // scanned for it; empty: none
};

// What the report already holds of this station: its boards counted again, and how each board
// last ended with the recipe of now, so that a restart neither forgets the counts nor runs a
// board again unasked.
struct StationHistory {
    YieldCounters counters;
    QHash<QString, LastRun> lastRuns; // by Board_Key
    int records = 0;                  // of this station read
    int counted = 0;                  // of those, in the counters
    // The board serials whose last run here with the recipe of now passed.
    QSet<QString> passedSerials;
};

// The key a board is known by across a restart: its USB serial number where its port has one,
// else its port in its slot.
QString Board_Key(const QString &usbSerial, const QString &port, const QString &slot);

// Reads the records of `station` in the report at `path` (JSON Lines; other lines, the audit's
// and any that cannot be read, are passed over). `recipe` is the recipe's "recipe" field. Only
// the records of `lot` (the shift's; "" for records without one) are counted.
// A report too large to read whole yields what its first part holds.
// The station's first `uncounted` records (those before the counters' last reset) are not
// counted, though they still tell how each board last ended.
StationHistory Read_StationHistory(const QString &path, const QString &station,
                                   const QString &recipe, const QString &lot, int uncounted = 0);
// How many records of `station` the report held when its counters were last reset, by the audit
// log at `auditPath`; 0: never reset.
int Records_BeforeReset(const QString &auditPath, const QString &station);
