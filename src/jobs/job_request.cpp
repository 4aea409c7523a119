#include "jobs/job_request.h"

void Read_JobImages(JobRequest &request, const QString &mcuPath, const QString &flashPath) {
    const JobTraits &job = Job_Traits(request.job);
    if (job.mcuImage && !mcuPath.isEmpty()) request.mcuImage = Read_McuImageFile(mcuPath);
    if (job.flashImage && !flashPath.isEmpty())
        request.flashImage = Read_FlashImageFile(flashPath, request.flashIniPath);
}
