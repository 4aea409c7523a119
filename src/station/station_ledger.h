#pragma once

#include "jobs/job_request.h"
#include "ledger/ledger.h"
#include "ledger/unit_fields.h"

#include <QString>
#include <memory>

// The ledger the station's boards take their own values from (serial numbers, keys), as
// tessara-cli's boards do: opened once, at start or when a recipe first needs it, its unsettled
// leases settled before any board, and kept for every recipe after.
class StationLedger {
  public:
    // `where`: --ledger (empty: the default ledger); `station`: the name its values are held
    // under at this station.
    StationLedger(QString where, QString station);

    // Opens it now, if it is not open: false with the reason.
    bool open(QString &reason);
    // Gives each board of `job` its values of `fields` from the ledger, opening it first when
    // it must; nothing when the job writes none. False with the reason when it cannot be opened.
    bool giveTo(JobRequest &job, const UnitFields &fields, QString &reason);

  private:
    QString where, station;
    std::shared_ptr<Ledger> ledger;
};
