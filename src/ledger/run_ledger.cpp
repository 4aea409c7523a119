#include "ledger/run_ledger.h"

#include "ledger/ledger_board_data.h"

#include <QSysInfo>

bool Job_TakesUnitData(Job job, const UnitFields &fields) {
    const JobTraits &traits = Job_Traits(job);
    return !fields.isEmpty() && traits.flashImage && traits.writes;
}

std::shared_ptr<Ledger> Open_RunLedger(const QString &where, QString &reason) {
    std::shared_ptr<Ledger> ledger =
        Open_Ledger(where.isEmpty() ? Ledger_DefaultPath() : where, reason);
    if (!ledger) return nullptr;
    // A run of this machine that died left leases behind: settled before new ones are taken.
    QString why;
    if (!ledger->recover(why)) {
        reason = QStringLiteral("the ledger's unsettled leases: ") + why;
        return nullptr;
    }
    return ledger;
}

QString Ledger_StationName(const QString &named) {
    return named.isEmpty() ? QSysInfo::machineHostName() : named;
}

void Give_BoardData(JobRequest &job, std::shared_ptr<Ledger> ledger, const UnitFields &fields,
                    const QString &station) {
    job.boardData =
        std::make_shared<LedgerBoardData>(std::move(ledger), fields, job.flashImage, station);
}
