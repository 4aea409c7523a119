#include "mcu/mcu_commands.h"

#include "mcu/mcu_packets.h"
#include "protocol/bytes.h"
#include "protocol/models.h"
#include "protocol/transaction.h"
#include "serial/event_pump.h"
#include "serial/timing.h"

#include <QCoreApplication>
#include <QThread>

namespace {

// Large packets are spaced so that the boot loader's receive buffer keeps up.
constexpr int LargePacketGapUs = 130;
constexpr int PatchPacketGapMs = 10;

// The result of a replied MCU command that has no reply fields of its own.
int resultOf(DeviceSession &s, Exchange e) {
    switch (e) {
    case Exchange::Reply:
        return 0;
    case Exchange::WrongLetter:
        s.ui.logLine(QStringLiteral("Erease mcu flash,and return error command"));
        return -1;
    case Exchange::TimeOut:
    case Exchange::Stopped:
        break;
    }
    return -2;
}

// Makes sure the first `need` bytes of the reply are known. A reply that came in pieces has
// each later piece stored at rxBuf[0] again, so the pieces are joined here; without this, bytes
// left from an earlier reply would be read as this one's.
bool gatherReply(DeviceSession &s, const CommandSpec &command, int need, QByteArray &reply) {
    reply = QByteArray(reinterpret_cast<const char *>(s.link.rxBuf), s.link.rxLen);
    while (reply.size() < need) {
        s.link.rxFlag = 0;
        if (s.link.Wait_Reply(command.intervalMs, command.polls) != SerialLink::Wait::Reply) {
            s.ui.showMessage(QStringLiteral("Time over!"));
            return false;
        }
        reply.append(reinterpret_cast<const char *>(s.link.rxBuf), s.link.rxLen);
    }
    return true;
}

} // namespace

int Erase_Mcu(DeviceSession &s, uint32_t start, uint32_t end) {
    const Frame frame = EraseMcu_Frame(start, end);
    return resultOf(s, exchange(s, Command::EraseMcu, frame.data(), FrameSize));
}

int Write_McuBlock(DeviceSession &s, int32_t length, uint32_t offset, const uint8_t *data) {
    const bool small = usesSmallPackets(s.modelCode);
    const QList<QByteArray> packets = McuBlock_Packets(small, offset, data, length);
    // One acknowledgement per block: every packet but the last drains before the next.
    s.link.discardStale();
    for (int i = 0; i < packets.size(); ++i) {
        const bool last = i + 1 == packets.size();
        const QByteArray &p = packets[i];
        s.link.write(reinterpret_cast<const uint8_t *>(p.constData()), p.size(),
                     !last && Command::ProgramMcu.drain);
        Pump_Events();
        if (!small && !last) Delay_us(LargePacketGapUs);
    }
    return resultOf(s, awaitReply(s, Command::ProgramMcu));
}

int Check_McuCrc(DeviceSession &s) {
    const Frame frame = CheckMcuCrc_Frame(s.mcuLen, s.mcuCrc, s.enterAddr);
    const int r = resultOf(s, exchange(s, Command::CheckMcuCrc, frame.data(), FrameSize));
    if (r != 0) return r;
    QByteArray reply;
    if (!gatherReply(s, Command::CheckMcuCrc, 5, reply)) return -2;
    const uint32_t deviceCrc = getLe32(reinterpret_cast<const uint8_t *>(reply.constData()) + 1);
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
