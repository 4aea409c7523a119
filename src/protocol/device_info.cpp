#include "protocol/device_info.h"

#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/crc32.h"
#include "protocol/handshake.h"
#include "protocol/open_port.h"

namespace {

constexpr int InfoReplyLength = 24;

// Takes over the model and boot version that a valid reply names.
void adoptModel(DeviceSession &s, const DeviceInfo &info) {
    s.identity.bootVersion = info.bootVersion;
    const ChipModel *model = Find_ChipModel(info.modelCode);
    s.identity.model = model;
    if (!model) {
        s.ui.chipIdentified(s.identity.name());
        return;
    }
    // The information request names the models by their version names (the KQ3200 is "KQ320").
    s.ui.chipIdentified(QLatin1String(model->versionName));
    s.ui.logLine(Version_Line(*model, info.bootVersion));
    if (model->alwaysOrdinaryBootLoader) s.identity.bootLoader = BootLoader::Ordinary;
}

} // namespace

Frame Info_Frame() {
    Frame frame{};
    frame[0] = Command::GetInfo.letter;
    frame[1] = 0xE8;
    frame[2] = 0x17;
    frame[3] = 0x7F;
    Put_Le32(&frame[8], crc32_calc(frame.data(), 8));
    return frame;
}

std::optional<DeviceInfo> Decode_Info_Reply(const uint8_t *reply, int length) {
    if (length < InfoReplyLength || crc32_calc(reply, 20) != Get_Le32(&reply[20]))
        return std::nullopt;
    DeviceInfo info;
    info.modelCode = Get_Le32(&reply[4]);
    info.bootVersion = Get_Le32(&reply[8]);
    info.firstFlashId = Get_Le32(&reply[12]);
    info.secondFlashId = Get_Le32(&reply[16]);
    return info;
}

uint32_t Application_Address(uint32_t modelCode) {
    return Chip_Model(modelCode).applicationAddress;
}

Result<DeviceInfo> Request_Device_Info(DeviceSession &s) {
    const Frame frame = Info_Frame();
    const Result<ReplyFrame> reply =
        Exchange_Result(s, Exchange_Command(s, Command::GetInfo, frame.data(), FrameSize),
                        QStringLiteral("the device information request"),
                        QStringLiteral("Connect device,and return error command"));
    if (!reply.ok()) return reply.failure();
    const std::optional<DeviceInfo> info = Decode_Info_Reply(reply.value().data(), ReplySize);
    if (!info) {
        s.ui.logLine(QStringLiteral("Get infomation crc32 error"));
        return Fail(FailureKind::WrongReply,
                    QStringLiteral("the device information arrived damaged (CRC)"));
    }
    adoptModel(s, *info);
    return *info;
}

Result<> Run_Application(DeviceSession &s) {
    // The handshake below says which boot loader answers.
    s.identity.bootLoader = BootLoader::NotTold;
    if (const Result<> open = Require_OpenPort(s); !open.ok()) return open;
    if (const Result<> shook = Handshake(s, {'1'}, OtherModel::Fails); !shook.ok()) {
        s.ui.message(QStringLiteral("Connect to device is fail!"));
        return Step_Failure(shook.failure(), QStringLiteral("no handshake with the chip"));
    }
    // Only the ordinary boot loader (or the MCU-update one of a chip with two) may start the
    // application; the boot-update loader and the flash-update one may not.
    if (!s.identity.startsApplication()) {
        s.ui.message(QStringLiteral("Connect to a boot update device,error to run"));
        return Fail(FailureKind::Refused, QStringLiteral("the chip runs its boot-update loader: "
                                                         "there is no application to start"));
    }
    Run_Address(s, s.chip().applicationAddress);
    return Done{};
}
