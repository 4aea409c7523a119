#include "station/station_ledger.h"

#include "ledger/run_ledger.h"

StationLedger::StationLedger(QString place, QString name)
    : where(std::move(place)), station(std::move(name)) {}

bool StationLedger::open(QString &reason) {
    if (!ledger) ledger = Open_RunLedger(where, reason);
    return ledger != nullptr;
}

bool StationLedger::giveTo(JobRequest &job, const UnitFields &fields, QString &reason) {
    if (!Job_TakesUnitData(job.job, fields)) return true;
    if (!open(reason)) return false;
    Give_BoardData(job, ledger, fields, station);
    return true;
}
