#pragma once

#include "ledger/ledger.h"
#include "ledger/unit_fields.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// Flash images with per-board fields, as a release engineer would make them.

// An EDID base block of valid header and checksum; with `serialDescriptor`, its last descriptor
// is a display serial (tag 0xFF) holding "OLD".
QByteArray Edid_Block(bool serialDescriptor = true);

// A flash image of `size` bytes of a pattern, with an EDID block at `edidAt` (none: -1).
QByteArray Unit_Image(int size, int64_t edidAt = -1);

// The unit_data array of the usual three fields: serial (u32le counter from 1000 at 0x7F00),
// edid (at 0x7E00, from serial) and hdcp (16-byte secret from pool "hdcp" at 0x7D00).
QString Usual_UnitData();

// The fields of a unit_data array that must read (a test's own declarations): none when it does
// not, with a warning.
UnitFields Unit_Fields(const QString &json);

// The counts of `source` (a pool or a counter) in the ledger's status; a ledger that cannot tell
// ends the test program.
LedgerCount Ledger_CountOf(Ledger &ledger, const QString &source);

// Makes every value of the SQLite ledger at `path` look taken by a process of this machine that
// has ended (a run that died before settling them); false, with a warning, when it cannot.
bool Ledger_TakenByADeadRun(const QString &path);
