#pragma once

#include "jobs/job_request.h"
#include "jobs/job_result.h"
#include "protocol/observer.h"
#include "protocol/session.h"

#include <QString>

// Identifies the chip of an open session as opening the port in the window does, and takes its
// facts into `result` (model, boot version). A chip no known model answers for is a failure.
Result<> Identify_Board(DeviceSession &s, JobResult &result);

// One run on one board: opens `port` with the request's link settings, identifies the chip, runs
// the request's job (Run_Job) and closes the port. The session lives for this run only, on the
// calling thread; several boards run at once on threads of their own (board_thread.h).
JobResult Run_OnBoard(const QString &port, const JobRequest &request, Observer &observer);
