#include "jobs/update_all.h"

#include "flash/flash_update.h"
#include "mcu/mcu_update.h"

int Update_All(DeviceSession &s) {
    s.ui.setUpdateAllEnabled(false);
    int result = -1;
    if (Update_Mcu(s) == 1) {
        s.ui.logLine(QString());
        result = UpdateFlash(s) == 0 ? 0 : -2;
    }
    s.ui.setUpdateAllEnabled(true);
    return result;
}
