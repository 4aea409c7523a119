#include "mcu/mcu_commands.h"

#include "mcu/mcu_packets.h"
#include "protocol/transaction.h"
#include "serial/timing.h"

#include <QThread>

namespace {

// Large packets are spaced so that the boot loader's receive buffer keeps up.
constexpr int LargePacketGapUs = 130;
constexpr int PatchPacketGapMs = 10;

// The three MCU commands log the same line for another reply letter.
Result<ReplyFrame> resultOf(DeviceSession &s, const Exchange &e, const QString &what) {
    return Exchange_Result(s, e, what, QStringLiteral("Erease mcu flash,and return error command"));
}

} // namespace

Result<> Erase_Mcu(DeviceSession &s, uint32_t start, uint32_t end) {
    const Frame frame = EraseMcu_Frame(start, end);
    const Result<ReplyFrame> r =
        resultOf(s, Exchange_Command(s, Command::EraseMcu, frame.data(), FrameSize),
                 QStringLiteral("the MCU erase"));
    if (!r.ok()) return r.failure();
    return Done{};
}

Result<> Write_McuBlock(DeviceSession &s, int32_t length, uint32_t offset, const uint8_t *data) {
    const bool small = !s.chip().largeMcuPackets;
    const QList<QByteArray> packets = McuBlock_Packets(small, offset, data, length);
    // One acknowledgement per block: every packet but the last drains before the next.
    Transaction t(s, Command::ProgramMcu);
    for (int i = 0; i < packets.size(); ++i) {
        const bool last = i + 1 == packets.size();
        const QByteArray &p = packets[i];
        s.link.write(reinterpret_cast<const uint8_t *>(p.constData()), p.size(),
                     !last && Command::ProgramMcu.drain);
        if (!small && !last) Delay_us(LargePacketGapUs);
    }
    const Result<ReplyFrame> r =
        resultOf(s, t.await(), QStringLiteral("the MCU block at offset %1").arg(To_Hex8(offset)));
    if (!r.ok()) return r.failure();
    return Done{};
}

Result<> Check_McuCrc(DeviceSession &s, const McuImageFacts &facts, const QString &mismatch) {
    const Frame frame =
        CheckMcuCrc_Frame(facts.mcuLen, facts.mcuCrc, facts.enterAddr, s.chip().mcuBase);
    s.ui.phaseStarted(ProgressPhase::McuCrcCheck);
    const Result<ReplyFrame> r =
        resultOf(s, Exchange_Command(s, Command::CheckMcuCrc, frame.data(), FrameSize),
                 QStringLiteral("the MCU CRC query"));
    if (!r.ok()) return r.failure();
    const uint32_t deviceCrc = Decode_McuCrc_Reply(r.value());
    if (deviceCrc == facts.mcuCrc) return Done{};
    s.ui.logLine(QStringLiteral("Error CRC, return CRC = 0x") + QString::number(deviceCrc, 16));
    return Fail(FailureKind::WrongReply, mismatch);
}

void Send_McuPatch(DeviceSession &s) {
    for (const Frame &frame : McuPatch_Frames()) {
        s.link.write(frame.data(), FrameSize, Command::WriteWords.drain);
        QThread::msleep(PatchPacketGapMs);
    }
}
