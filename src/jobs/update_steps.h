#pragma once

#include "jobs/job_request.h"
#include "jobs/job_result.h"
#include "protocol/session.h"

#include <optional>

// The gates of `r`, asked in order with the session's chip and `part`; done when there is none.
Result<> Ask_Gate(DeviceSession &s, const JobRequest &r, const std::optional<FlashPartFacts> &part);

// The MCU update of a job, never cut short by a stop (a half-written MCU flash leaves the chip
// without firmware): records its step and the image's facts. The gate is the caller's.
Result<> Run_McuUpdate(DeviceSession &s, const JobRequest &r, JobResult &result);

// How the flash update of a job meets the gate: asked once the part is identified (update-flash),
// or asked already (update-all, before its MCU update), perhaps with a part it saw, which the
// flash must still hold.
struct FlashGate {
    bool askAtPart = true;
    std::optional<FlashPartFacts> seen;
};
// The flash update of a job: records its step, its blocks and the part.
Result<> Run_FlashUpdate(DeviceSession &s, const JobRequest &r, JobResult &result,
                         const FlashGate &gate);
