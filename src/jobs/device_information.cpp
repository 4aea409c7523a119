#include "jobs/device_information.h"

#include "flash/flash_id.h"
#include "protocol/device_info.h"

int Get_Device_Info(DeviceSession &s) {
    DeviceInfo info;
    if (const int r = Request_Device_Info(s, info)) return r;
    // The reply names two candidate flash IDs; the first one Flash.ini knows wins.
    for (const uint32_t id : {info.firstFlashId, info.secondFlashId}) {
        s.flashId = id;
        if (Read_FlashIni(s, id)) {
            s.ui.logLine(QStringLiteral("FlashID:") + QStringLiteral("0x") +
                         QString::number(id, 16));
            return 0;
        }
    }
    return 1;
}

void Report_Device_Info(DeviceSession &s) {
    const int result = Get_Device_Info(s);
    s.ui.logLine(QStringLiteral("reVal = ") + QString::number(result));
}
