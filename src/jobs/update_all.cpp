#include "jobs/update_all.h"

#include "flash/flash_update.h"
#include "jobs/update_steps.h"

Result<> Update_All(DeviceSession &s, const JobRequest &r, JobResult &result) {
    FlashGate flashGate;
    flashGate.askAtPart = false;
    if (!r.gates.empty() && r.gateSeesFlashPart) {
        const Result<FlashPartFacts> part = Read_FlashPart(s, r.flashIniPath);
        if (!part.ok()) return part.failure();
        result.flashPart = part.value();
        flashGate.seen = part.value();
    }
    if (const Result<> approved = Ask_Gate(s, r, flashGate.seen); !approved.ok()) return approved;

    if (const Result<> mcu = Run_McuUpdate(s, r, result); !mcu.ok()) return mcu;
    if (s.stopRequested()) return Fail(FailureKind::Stopped, Interrupted_Reason());
    s.ui.logLine(QString());
    return Run_FlashUpdate(s, r, result, flashGate);
}
