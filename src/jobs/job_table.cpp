#include "jobs/job_table.h"

namespace {

// clang-format off
// job                    MCU    flash  writes part   erase  only changed
const JobTraits Jobs[] = {
    {Job::Probe,                false, false, false, false, false, false},
    {Job::Info,                 false, false, false, true,  false, false},
    {Job::FlashInfo,            false, false, false, true,  false, false},
    {Job::UpdateMcu,            true,  false, true,  false, false, false},
    {Job::CheckMcu,             true,  false, false, false, false, false},
    {Job::UpdateFlash,          false, true,  true,  true,  true,  true},
    {Job::CheckFlash,           false, true,  false, false, false, false},
    {Job::UpdateAll,            true,  true,  true,  true,  true,  true},
    {Job::Run,                  false, false, false, false, false, false},
    {Job::FlashMode,            false, false, false, false, false, false},
    {Job::ReportSecondBootInfo, false, false, false, false, false, false},
    {Job::ReportDeviceInfo,     false, false, false, true,  false, false},
};
// clang-format on

} // namespace

const JobTraits &Job_Traits(Job job) {
    for (const JobTraits &row : Jobs)
        if (row.job == job) return row;
    return Jobs[0]; // every job has its row: a job added without one does nothing
}

QString FlashChoices_Refusal(bool eraseWhole, bool onlyChanged) {
    if (!(eraseWhole && onlyChanged)) return QString();
    return QStringLiteral("--only-changed cannot be used with --erase-whole: an erased flash has "
                          "nothing to keep");
}
