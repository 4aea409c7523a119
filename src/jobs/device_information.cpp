#include "jobs/device_information.h"

#include "flash/flash_id.h"
#include "protocol/device_info.h"

namespace {

QString requestFailure(int result) {
    switch (result) {
    case -1:
        return QStringLiteral("the device information request was refused");
    case -2:
        return QStringLiteral("the device information request was not answered");
    default:
        return QStringLiteral("the device information arrived damaged (CRC)");
    }
}

} // namespace

int Get_Device_Info(DeviceSession &s) {
    DeviceInfo info;
    if (const int r = Request_Device_Info(s, info)) return s.fail(r, requestFailure(r));
    // The reply names two candidate flash IDs; the first one Flash.ini knows wins.
    for (const uint32_t id : {info.firstFlashId, info.secondFlashId}) {
        s.flashId = id;
        if (Read_FlashIni(s, id)) {
            s.ui.logLine(QStringLiteral("FlashID:") + QStringLiteral("0x") +
                         QString::number(id, 16));
            return 0;
        }
    }
    return s.fail(1, Flash_UnknownPart(s, {info.firstFlashId, info.secondFlashId}));
}

void Report_Device_Info(DeviceSession &s) {
    const int result = Get_Device_Info(s);
    s.ui.logLine(QStringLiteral("reVal = ") + QString::number(result));
}
