#include "mcu/mcu_commands.h"

#include "mcu/mcu_packets.h"
#include "protocol/chip_table.h"
#include "protocol/transaction.h"
#include "serial/event_pump.h"
#include "serial/timing.h"

#include <QCoreApplication>
#include <QThread>

namespace {

// Large packets are spaced so that the boot loader's receive buffer keeps up.
constexpr int LargePacketGapUs = 130;
constexpr int PatchPacketGapMs = 10;

// The result of an MCU command's exchange; the three MCU commands log the same line for a wrong
// reply letter.
int resultOf(DeviceSession &s, const CommandSpec &command, const Exchange &e) {
    return Exchange_Result(s, command, e,
                           QStringLiteral("Erease mcu flash,and return error command"));
}

} // namespace

int Erase_Mcu(DeviceSession &s, uint32_t start, uint32_t end) {
    const Frame frame = EraseMcu_Frame(start, end);
    return resultOf(s, Command::EraseMcu, exchange(s, Command::EraseMcu, frame.data(), FrameSize));
}

int Write_McuBlock(DeviceSession &s, int32_t length, uint32_t offset, const uint8_t *data) {
    const bool small = !Chip_Model(s.modelCode).largeMcuPackets;
    const QList<QByteArray> packets = McuBlock_Packets(small, offset, data, length);
    // One acknowledgement per block: every packet but the last drains before the next.
    Transaction t(s, Command::ProgramMcu);
    for (int i = 0; i < packets.size(); ++i) {
        const bool last = i + 1 == packets.size();
        const QByteArray &p = packets[i];
        s.link.write(reinterpret_cast<const uint8_t *>(p.constData()), p.size(),
                     !last && Command::ProgramMcu.drain);
        Pump_Events();
        if (!small && !last) Delay_us(LargePacketGapUs);
    }
    return resultOf(s, Command::ProgramMcu, t.await());
}

int Check_McuCrc(DeviceSession &s) {
    const Frame frame =
        CheckMcuCrc_Frame(s.mcuLen, s.mcuCrc, s.enterAddr, Chip_Model(s.modelCode).mcuBase);
    s.ui.setProgressPhase(ProgressPhase::McuCrcCheck);
    const Exchange e = exchange(s, Command::CheckMcuCrc, frame.data(), FrameSize);
    if (const int r = resultOf(s, Command::CheckMcuCrc, e)) return r;
    const uint32_t deviceCrc = Decode_McuCrc_Reply(e.reply);
    if (deviceCrc == s.mcuCrc) return 0;
    s.ui.logLine(QStringLiteral("Error CRC, return CRC = 0x") + QString::number(deviceCrc, 16));
    return -3;
}

int Send_McuPatch(DeviceSession &s) {
    for (const Frame &frame : McuPatch_Frames()) {
        s.link.write(frame.data(), FrameSize, Command::WriteWords.drain);
        QCoreApplication::processEvents();
        QThread::msleep(PatchPacketGapMs);
    }
    return 0;
}
