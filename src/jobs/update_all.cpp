#include "jobs/update_all.h"

#include "flash/flash_update.h"
#include "jobs/stop_request.h"
#include "mcu/mcu_update.h"

int Update_All(DeviceSession &s) {
    s.ui.setUpdateAllEnabled(false);
    int result = -1;
    bool mcuUpdated = false;
    {
        const McuWriteScope writing;
        mcuUpdated = Update_Mcu(s) == 1;
    }
    // The MCU update runs to its end whatever the operator asks; a stop asked for meanwhile
    // holds before the flash update begins.
    if (mcuUpdated && s.exitRequested()) {
        result = -3;
    } else if (mcuUpdated) {
        s.ui.logLine(QString());
        result = UpdateFlash(s) == 0 ? 0 : -2;
    }
    s.ui.setUpdateAllEnabled(true);
    return result;
}
