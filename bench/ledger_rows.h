#pragma once

#include <QString>

class QTextStream;

// "lease + commit per board": a board's ledger work (what is held for failed boards, its lease,
// the mark before its first write, written after its check) on SQLite and on a PostgreSQL server
// started for the row: the median, mean and 90th percentile over a few hundred boards, and each
// step's median. Prints its table to `out`; returns the number of rows that could not run or
// whose median missed 5 ms per board.
int Run_LedgerRows(const QString &dir, QTextStream &out);
