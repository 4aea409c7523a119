#include "jobs/job.h"

#include "flash/flash_crc.h"
#include "flash/flash_id.h"
#include "flash/flash_image.h"
#include "flash/flash_mode.h"
#include "flash/flash_ranges.h"
#include "flash/flash_update.h"
#include "jobs/device_information.h"
#include "jobs/update_all.h"
#include "mcu/mcu_image.h"
#include "mcu/mcu_update.h"
#include "protocol/device_info.h"

namespace {

bool checkMcuImage(DeviceSession &s) {
    if (!Input_McuImage(s, s.ui.mcuImagePath())) {
        s.ui.showMessage(QStringLiteral("Read fail,please check the path!"));
        return false;
    }
    return Check_Mcu(s) == 0;
}

bool checkFlashImage(DeviceSession &s) {
    if (s.listDifferences) return Check_FlashBlocks(s) == 0;
    if (!Input_FlashImage(s, s.ui.flashImagePath())) {
        s.ui.showMessage(QStringLiteral("Read fail,please check the path!"));
        return false;
    }
    return Check_FlashCRC(s) == 0;
}

} // namespace

bool Run_Job(Job job, DeviceSession &s) {
    switch (job) {
    case Job::Probe:
        return true;
    case Job::Info:
        return Get_Device_Info(s) >= 0;
    case Job::FlashInfo:
        return Flash_Info(s) == 0;
    case Job::UpdateMcu:
        return Update_Mcu(s) == 1;
    case Job::CheckMcu:
        return checkMcuImage(s);
    case Job::UpdateFlash:
        return UpdateFlash(s) == 0;
    case Job::CheckFlash:
        return checkFlashImage(s);
    case Job::UpdateAll:
        return Update_All(s) == 0;
    case Job::Run:
        return Run_Application(s) == 0;
    case Job::FlashMode:
        return Enter_FlashMode(s) == 0;
    }
    return false;
}
