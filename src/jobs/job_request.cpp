#include "jobs/job_request.h"

namespace {

bool writesOrChecksMcu(Job job) {
    return job == Job::UpdateMcu || job == Job::CheckMcu || job == Job::UpdateAll;
}

bool writesOrChecksFlash(Job job) {
    return job == Job::UpdateFlash || job == Job::CheckFlash || job == Job::UpdateAll;
}

} // namespace

void Read_JobImages(JobRequest &request, const QString &mcuPath, const QString &flashPath) {
    if (writesOrChecksMcu(request.job) && !mcuPath.isEmpty())
        request.mcuImage = Read_McuImageFile(mcuPath);
    if (writesOrChecksFlash(request.job) && !flashPath.isEmpty())
        request.flashImage = Read_FlashImageFile(flashPath, request.flashIniPath);
}
