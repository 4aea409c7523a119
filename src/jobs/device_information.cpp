#include "jobs/device_information.h"

#include "flash/flash_id.h"
#include "protocol/device_info.h"

namespace {

int shownResult(const Result<> &r) {
    if (r.ok()) return 0;
    switch (r.kind()) {
    case FailureKind::InputUnusable:
        return 1;
    case FailureKind::Refused:
        return -1;
    case FailureKind::WrongReply:
        return -3;
    default:
        return -2;
    }
}

} // namespace

Result<> Get_Device_Info(DeviceSession &s, const QString &chosen, JobResult &result) {
    const Result<DeviceInfo> info = Request_Device_Info(s);
    if (!info.ok()) return info.failure();
    // The reply names two candidate flash IDs; the first one Flash.ini knows wins.
    for (const uint32_t id : {info.value().firstFlashId, info.value().secondFlashId}) {
        const FlashPartFacts part = Read_FlashIni(s.ui, chosen, id);
        result.flashPart = part;
        if (part.listed) {
            s.ui.logLine(QStringLiteral("FlashID:") + QStringLiteral("0x") +
                         QString::number(id, 16));
            return Done{};
        }
    }
    return Fail(FailureKind::InputUnusable,
                Flash_UnknownPart(chosen, {info.value().firstFlashId, info.value().secondFlashId}));
}

void Report_Device_Info(DeviceSession &s, const QString &chosen) {
    JobResult result;
    s.ui.logLine(QStringLiteral("reVal = ") +
                 QString::number(shownResult(Get_Device_Info(s, chosen, result))));
}
