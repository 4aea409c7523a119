#pragma once

#include "jobs/job_result.h"
#include "protocol/result.h"
#include "protocol/session.h"

// The device-information request with the flash-part lookup of the two flash IDs it names: the
// first that Flash.ini (`chosen` searched first) lists becomes `result`'s part. Information whose
// IDs Flash.ini does not know names no usable part: a failure.
Result<> Get_Device_Info(DeviceSession &s, const QString &chosen, JobResult &result);
// The hidden information button: runs the request and logs "reVal = " and its result as the
// window has always shown it (0 valid with a known part, 1 no part known, -1 refused, -2 not
// answered, -3 damaged).
void Report_Device_Info(DeviceSession &s, const QString &chosen);
