#include "jobs/job.h"

#include "flash/flash_crc.h"
#include "flash/flash_id.h"
#include "flash/flash_image.h"
#include "flash/flash_mode.h"
#include "flash/flash_ranges.h"
#include "flash/flash_update.h"
#include "jobs/device_information.h"
#include "jobs/stop_request.h"
#include "jobs/update_all.h"
#include "mcu/mcu_update.h"
#include "protocol/device_info.h"

namespace {

// A refused image ends the check: its values are none, and a check on none proves nothing.
bool checkFlashImage(DeviceSession &s) {
    if (s.listDifferences) return Check_FlashBlocks(s) == 0;
    switch (Input_FlashImage(s, s.ui.flashImagePath())) {
    case ImageRead::Read:
        return Check_FlashCRC(s) == 0;
    case ImageRead::CannotOpen:
        s.ui.showMessage(QStringLiteral("Read fail,please check the path!"));
        return false;
    case ImageRead::Refused:
        return false;
    }
    return false;
}

bool runApplication(DeviceSession &s) {
    switch (const int r = Run_Application(s)) {
    case 0:
        return true;
    case -1:
        return s.fail(r, QStringLiteral("the port is not open")) == 0;
    case -2:
        return s.fail(r, QStringLiteral("no handshake with the chip")) == 0;
    default:
        return s.fail(r, QStringLiteral("the chip runs its boot-update loader: there is no "
                                        "application to start")) == 0;
    }
}

bool updateMcu(DeviceSession &s) {
    const McuWriteScope writing;
    return Update_Mcu(s) == 1;
}

} // namespace

bool Run_Job(Job job, DeviceSession &s) {
    s.failure.clear();
    switch (job) {
    case Job::Probe:
        return true;
    case Job::Info:
        // Information whose flash part Flash.ini does not know names no usable part.
        return Get_Device_Info(s) == 0;
    case Job::FlashInfo:
        return Flash_Info(s) == 0;
    case Job::UpdateMcu:
        return updateMcu(s);
    case Job::CheckMcu:
        return Check_Mcu(s) == 0;
    case Job::UpdateFlash:
        // The button starts the flash update on a clear log; Update All does not.
        s.ui.clearLog();
        return UpdateFlash(s) == 0;
    case Job::CheckFlash:
        return Check_Flash(s) == 0;
    case Job::UpdateAll:
        return Update_All(s) == 0;
    case Job::Run:
        return runApplication(s);
    case Job::FlashMode:
        if (const int r = Enter_FlashMode(s); r == -2)
            s.fail(r, QStringLiteral("no handshake with the chip"));
        else if (r == 0)
            return true;
        return false;
    }
    return false;
}

bool Run_NewSessionJob(Job job, DeviceSession &s) {
    s.failure.clear();
    switch (job) {
    case Job::CheckMcu:
        return Check_McuImage(s) == 0;
    case Job::CheckFlash:
        return checkFlashImage(s);
    default:
        return Run_Job(job, s);
    }
}
