#include "jobs/job_table.h"

#include <cstddef>
#include <iterator>

namespace {

// clang-format off
// job                    MCU    flash  writes part   erase  only changed
constexpr JobTraits Jobs[] = {
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

// Every job has its row, at its place: a job added without one does not compile.
constexpr bool rowsInOrder() {
    for (size_t i = 0; i < std::size(Jobs); ++i)
        if (Jobs[i].job != Job(i)) return false;
    return true;
}
static_assert(std::size(Jobs) == size_t(Job::ReportDeviceInfo) + 1, "a job without its row");
static_assert(rowsInOrder(), "the job table's rows are in the order of the jobs");

} // namespace

const JobTraits &Job_Traits(Job job) {
    return Jobs[size_t(job)];
}

QString FlashChoices_Refusal(bool eraseWhole, bool onlyChanged) {
    if (!(eraseWhole && onlyChanged)) return QString();
    return QStringLiteral("--only-changed cannot be used with --erase-whole: an erased flash has "
                          "nothing to keep");
}
