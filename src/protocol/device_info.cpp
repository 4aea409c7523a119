#include "protocol/device_info.h"

#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/crc32.h"
#include "protocol/handshake.h"

namespace {

constexpr int InfoReplyLength = 24;

// Takes over the model and boot version that a valid reply names.
void adoptModel(DeviceSession &s, const DeviceInfo &info) {
    s.bootVersion = info.bootVersion;
    const ChipModel *model = Find_ChipModel(info.modelCode);
    if (!model) {
        s.modelCode = UnknownModelCode;
        s.ui.showModelName(QStringLiteral("unknown"));
        return;
    }
    s.modelCode = model->code;
    // The information request names the models by their version names (the KQ3200 is "KQ320").
    s.ui.showModelName(QLatin1String(model->versionName));
    s.ui.logLine(Version_Line(*model, info.bootVersion));
    if (model->alwaysOrdinaryBootLoader) s.bootKind = 1;
}

} // namespace

Frame Info_Frame() {
    Frame frame{};
    frame[0] = Command::GetInfo.letter;
    frame[1] = 0xE8;
    frame[2] = 0x17;
    frame[3] = 0x7F;
    putLe32(&frame[8], crc32_calc(frame.data(), 8));
    return frame;
}

std::optional<DeviceInfo> Decode_Info_Reply(const uint8_t *reply, int length) {
    if (length < InfoReplyLength || crc32_calc(reply, 20) != getLe32(&reply[20]))
        return std::nullopt;
    DeviceInfo info;
    info.modelCode = getLe32(&reply[4]);
    info.bootVersion = getLe32(&reply[8]);
    info.firstFlashId = getLe32(&reply[12]);
    info.secondFlashId = getLe32(&reply[16]);
    return info;
}

uint32_t Application_Address(uint32_t modelCode) {
    return Chip_Model(modelCode).applicationAddress;
}

int Request_Device_Info(DeviceSession &s, DeviceInfo &info) {
    const Frame frame = Info_Frame();
    const Exchange e = exchange(s, Command::GetInfo, frame.data(), FrameSize);
    if (const int r = Exchange_Result(s, Command::GetInfo, e,
                                      QStringLiteral("Connect device,and return error command")))
        return r;
    const std::optional<DeviceInfo> reply = Decode_Info_Reply(e.reply.data(), ReplySize);
    if (!reply) {
        s.ui.logLine(QStringLiteral("Get infomation crc32 error"));
        return -3;
    }
    info = *reply;
    adoptModel(s, info);
    return 0;
}

int Run_Application(DeviceSession &s) {
    s.bootKind = -1;
    s.busy = 1;
    if (!s.link.isOpen()) {
        s.busy = 0;
        s.ui.showMessage(QStringLiteral("Please open the port!"));
        return -1;
    }
    if (Connect_Device(s, '1', s.modelCode) != 0) {
        s.busy = 0;
        s.ui.showMessage(QStringLiteral("Connect to device is fail!"));
        return -2;
    }
    // Only the ordinary boot loader may start the application; the boot-update loader (and a
    // KQ580 flash-update boot loader, which leaves bootKind unknown) may not.
    if (s.bootKind != 1) {
        s.ui.showMessage(QStringLiteral("Connect to a boot update device,error to run"));
        s.busy = 0;
        return -3;
    }
    Run_Address(s, Application_Address(s.modelCode));
    s.busy = 0;
    return 0;
}
