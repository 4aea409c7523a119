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
        s.ui.chipIdentified(QStringLiteral("unknown"));
        return;
    }
    s.modelCode = model->code;
    // The information request names the models by their version names (the KQ3200 is "KQ320").
    s.ui.chipIdentified(QLatin1String(model->versionName));
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
    s.bootKind = -1;
    if (!s.link.isOpen()) {
        s.ui.message(QStringLiteral("Please open the port!"));
        return Fail(FailureKind::InputUnusable, QStringLiteral("the port is not open"));
    }
    const Result<Proof> proof = Connect_Device(s, '1', s.modelCode);
    if (!proof.ok() || proof.value() != Proof::ThisModel) {
        s.ui.message(QStringLiteral("Connect to device is fail!"));
        // A proof of another model is no handshake either.
        const Failure cause =
            proof.ok() ? Fail(FailureKind::WrongReply, QString()) : proof.failure();
        return Step_Failure(cause, QStringLiteral("no handshake with the chip"));
    }
    // Only the ordinary boot loader may start the application; the boot-update loader (and the
    // flash-update boot loader of a chip with two, which leaves bootKind unknown) may not.
    if (s.bootKind != 1) {
        s.ui.message(QStringLiteral("Connect to a boot update device,error to run"));
        return Fail(FailureKind::Refused, QStringLiteral("the chip runs its boot-update loader: "
                                                         "there is no application to start"));
    }
    Run_Address(s, Application_Address(s.modelCode));
    return Done{};
}
