#include "jobs/job.h"

#include "flash/flash_crc.h"
#include "flash/flash_id.h"
#include "flash/flash_image.h"
#include "flash/flash_mode.h"
#include "flash/flash_update.h"
#include "jobs/device_information.h"
#include "jobs/update_all.h"
#include "mcu/mcu_image.h"
#include "mcu/mcu_update.h"
#include "protocol/device_info.h"

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
        return Run_Application(s) == 0;
    case Job::FlashMode:
        return Enter_FlashMode(s) == 0;
    }
    return false;
}

bool Choose_JobImages(Job job, DeviceSession &s) {
    bool read = true;
    if (job == Job::CheckMcu) read = Input_McuImage(s, s.ui.mcuImagePath());
    if (job == Job::CheckFlash) read = Input_FlashImage(s, s.ui.flashImagePath());
    if (!read) s.ui.showMessage(QStringLiteral("Read fail,please check the path!"));
    return read;
}
