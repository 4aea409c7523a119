#pragma once

#include <QString>

class QTextStream;

// "lease + commit per board": a board's ledger work (its lease, the mark before its first write,
// written after its check) on SQLite and on a PostgreSQL server started for the row, as the
// mean over a few hundred boards. Prints its table to `out`; returns the number of rows that
// could not run or missed 5 ms per board.
int Run_LedgerRows(const QString &dir, QTextStream &out);
