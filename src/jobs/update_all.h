#pragma once

#include "jobs/job_request.h"
#include "jobs/job_result.h"
#include "protocol/session.h"

// "Update All": the MCU update, then the flash update when it succeeded. The gate is asked
// before the MCU update; with `gateSeesFlashPart` the flash part is read first so that it sees
// it, and the flash update then refuses any other part. A stop asked for during the MCU update
// (which always runs to its end) holds before the flash update begins.
Result<> Update_All(DeviceSession &s, const JobRequest &r, JobResult &result);
