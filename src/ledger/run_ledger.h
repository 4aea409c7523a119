#pragma once

#include "jobs/job_request.h"
#include "ledger/ledger.h"
#include "ledger/unit_fields.h"

#include <QString>
#include <memory>

// The ledger of a run whose boards get values of their own, taken the same way by every front
// end: opened and settled once, before any board, then leased from by each board as it comes.

// Whether the boards of a run of `job` need values from a ledger: `fields` declares some and the
// job writes the flash image they go into.
bool Job_TakesUnitData(Job job, const UnitFields &fields);

// Opens the ledger `where` names (empty: Ledger_DefaultPath()) for a run, and settles the leases
// that runs on this machine left behind when they died, before any board takes new ones. Null,
// with the reason, when it cannot be opened or settled.
std::shared_ptr<Ledger> Open_RunLedger(const QString &where, QString &reason);

// The name a station's values are held under: `named` (--station), else the host's.
QString Ledger_StationName(const QString &named);

// Makes each board of `job` lease its values of `fields` from `ledger` at `station`, and be
// written with its own copy of the job's flash image.
void Give_BoardData(JobRequest &job, std::shared_ptr<Ledger> ledger, const UnitFields &fields,
                    const QString &station);
