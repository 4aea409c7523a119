#include "jobs/job.h"

#include "flash/flash_crc.h"
#include "flash/flash_id.h"
#include "flash/flash_mode.h"
#include "flash/flash_ranges.h"
#include "flash/flash_update.h"
#include "jobs/device_information.h"
#include "jobs/update_all.h"
#include "jobs/update_steps.h"
#include "mcu/boot_records.h"
#include "mcu/mcu_update.h"
#include "protocol/device_info.h"

namespace {

Result<> updateMcu(DeviceSession &s, const JobRequest &r, JobResult &result) {
    if (const Result<> approved = Ask_Gate(s, r, std::nullopt); !approved.ok()) return approved;
    return Run_McuUpdate(s, r, result);
}

Result<> checkMcu(DeviceSession &s, const JobRequest &r, JobResult &result) {
    if (!r.mcuImage) {
        const Result<> done = Check_Mcu(s, r.mcuFacts);
        result.mcu = Step_State(done);
        return done;
    }
    McuImageFacts facts;
    const Result<> done = Check_McuImage(s, *r.mcuImage, facts);
    result.mcuFacts = facts;
    result.mcu = Step_State(done);
    return done;
}

Result<> updateFlash(DeviceSession &s, const JobRequest &r, JobResult &result) {
    // The button starts the flash update on a clear log; Update All does not.
    s.ui.clearLog();
    return Run_FlashUpdate(s, r, result, FlashGate());
}

Result<> checkFlash(DeviceSession &s, const JobRequest &r, JobResult &result) {
    Result<> done = Done{};
    if (!r.flashImage) {
        done = Check_FlashCRC(s, r.flashFacts);
    } else if (r.listDifferences) {
        done = Check_FlashBlocks(s, *r.flashImage);
    } else {
        const Result<FlashImageFacts> facts = Load_FlashCode(s, *r.flashImage);
        if (facts.ok()) result.flashFacts = facts.value();
        done = facts.ok() ? Check_FlashCRC(s, facts.value()) : Result<>(facts.failure());
    }
    result.flash = Step_State(done);
    return done;
}

Result<> flashInfo(DeviceSession &s, const JobRequest &r, JobResult &result) {
    const Result<FlashPartFacts> part = Identify_FlashPart(s, r.flashIniPath);
    if (part.ok()) result.flashPart = part.value();
    if (!part.ok()) return part.failure();
    return Done{};
}

Result<> run(DeviceSession &s, const JobRequest &r, JobResult &result) {
    switch (r.job) {
    case Job::Probe:
        return Done{};
    case Job::Info:
        // Information whose flash part Flash.ini does not know names no usable part.
        return Get_Device_Info(s, r.flashIniPath, result);
    case Job::FlashInfo:
        return flashInfo(s, r, result);
    case Job::UpdateMcu:
        return updateMcu(s, r, result);
    case Job::CheckMcu:
        return checkMcu(s, r, result);
    case Job::UpdateFlash:
        return updateFlash(s, r, result);
    case Job::CheckFlash:
        return checkFlash(s, r, result);
    case Job::UpdateAll:
        return Update_All(s, r, result);
    case Job::Run:
        return Run_Application(s);
    case Job::FlashMode:
        return Enter_FlashMode(s, r.nand);
    case Job::ReportSecondBootInfo:
        Report_SecondBootInfo(s, r.mcuFacts);
        return Done{};
    case Job::ReportDeviceInfo:
        Report_Device_Info(s, r.flashIniPath);
        return Done{};
    }
    return Done{};
}

} // namespace

void Run_Job(DeviceSession &s, const JobRequest &request, JobResult &result) {
    // Nothing is sent for a request whose flash choices contradict each other.
    const QString refusal = Job_Traits(request.job).onlyChanged
                                ? FlashChoices_Refusal(request.eraseWhole, request.onlyChanged)
                                : QString();
    if (!refusal.isEmpty()) {
        s.ui.message(refusal);
        result.failure = Fail(FailureKind::InputUnusable, refusal);
        return;
    }
    const Result<> done = run(s, request, result);
    if (!done.ok()) result.failure = done.failure();
}
