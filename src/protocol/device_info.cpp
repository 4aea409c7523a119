#include "protocol/device_info.h"

#include "protocol/bytes.h"
#include "protocol/crc32.h"
#include "protocol/handshake.h"
#include "protocol/models.h"

namespace {

constexpr int InfoReplyLength = 24;

constexpr InfoModel infoModels[] = {
    {Model::KQ31A, "KQ31A", "KQ31A Boot_Version:"},  {Model::KQ31B, "KQ31B", "KQ31B Boot_Version:"},
    {Model::KQ31C, "KQ31C", "KQ31C Boot_Version:"},  {Model::KQ31D, "KQ31D", "KQ31D Boot_Version:"},
    {Model::KQ3200, "KQ320", "KQ320 Boot_Version:"}, {Model::KQ581, "KQ581", "KQ581 Boot_Version:"},
    {Model::KQ47, "KQ47", "KQ47 Boot_Version:"},     {Model::KQ580, "KQ580", "KQ580 Boot_Version:"},
};

// Takes over the model and boot version that a valid reply names.
void adoptModel(DeviceSession &s, const DeviceInfo &info) {
    s.bootVersion = info.bootVersion;
    const InfoModel *model = findInfoModel(info.modelCode);
    if (!model) {
        s.modelCode = Model::Unknown;
        s.ui.showModelName(QStringLiteral("unknown"));
        return;
    }
    s.modelCode = model->code;
    s.ui.showModelName(QLatin1String(model->name));
    s.ui.logLine(QLatin1String(model->versionPrefix) + QString::number(info.bootVersion, 16));
    if (model->code == Model::KQ31A) s.bootKind = 1;
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

const InfoModel *findInfoModel(uint32_t code) {
    for (const InfoModel &model : infoModels)
        if (model.code == code) return &model;
    return nullptr;
}

uint32_t Application_Address(uint32_t modelCode) {
    return modelCode == Model::KQ580 ? 0x400 : 0x8008000;
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
