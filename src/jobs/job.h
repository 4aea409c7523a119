#pragma once

#include "jobs/job_request.h"
#include "jobs/job_result.h"
#include "protocol/session.h"

// Runs `request` on a session whose chip the probe has identified, as its button in the window
// does: `result` gets how far it got (its steps, the flash part, the images' facts) and the
// failure that ended it. The gate is asked before anything is erased or written.
void Run_Job(DeviceSession &s, const JobRequest &request, JobResult &result);
