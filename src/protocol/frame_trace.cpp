#include "protocol/frame_trace.h"

#include "protocol/commands.h"

namespace {

// Packets of one train share a kind: the flash block's first, middle and last packets are one.
int trainKindOf(uint8_t letter) {
    return letter == Command::ProgramFlashFirst || letter == Command::ProgramFlashMiddle
               ? Command::ProgramFlash.letter
               : letter;
}

// The last packet of a block ends its train: the next block is a train of its own, also where
// blocks follow each other unacknowledged.
bool endsBlock(const QByteArray &packet) {
    const uint8_t letter = uint8_t(packet[0]);
    return letter == Command::ProgramFlash.letter ||
           (letter == Command::ProgramMcu.letter && packet.size() > 1 && packet[1] == '2');
}

QByteArray letterText(uint8_t letter) {
    return letter >= 0x21 && letter < 0x7F
               ? QByteArray(1, char(letter))
               : QByteArray::number(letter, 16).rightJustified(2, '0').prepend("0x");
}

} // namespace

FrameTrace::FrameTrace(Sink lineSink) : sink(std::move(lineSink)) {
    clock.start();
}

FrameTrace::~FrameTrace() {
    endTrain();
}

void FrameTrace::sent(const uint8_t *bytes, int length) {
    if (length <= 0) return;
    const qint64 us = clock.nsecsElapsed() / 1000;
    const QByteArray packet(reinterpret_cast<const char *>(bytes), length);
    const int kind = trainKindOf(bytes[0]);
    if (kind == trainKind && !lastPacket.isEmpty()) {
        // The packet held back so far is one in the middle now.
        ++hiddenPackets;
        hiddenBytes += lastPacket.size();
        hiddenUs = lastPacketUs;
        lastPacket = packet;
        lastPacketUs = us;
    } else if (kind == trainKind) {
        lastPacket = packet;
        lastPacketUs = us;
    } else {
        endTrain();
        show(us, "TX", packet);
        trainKind = kind;
    }
    if (endsBlock(packet)) endTrain();
}

void FrameTrace::received(const uint8_t *bytes, int length) {
    if (length <= 0) return;
    endTrain();
    show(clock.nsecsElapsed() / 1000, "RX",
         QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), length));
}

void FrameTrace::endTrain() {
    if (hiddenPackets > 0)
        sink(QByteArray::number(hiddenUs).rightJustified(10, ' ') +
             QByteArrayLiteral(" us TX ... ") + QByteArray::number(hiddenPackets) +
             QByteArrayLiteral(" packets not shown, ") + QByteArray::number(hiddenBytes) +
             QByteArrayLiteral(" bytes"));
    if (!lastPacket.isEmpty()) show(lastPacketUs, "TX", lastPacket);
    trainKind = -1;
    hiddenPackets = 0;
    hiddenBytes = 0;
    lastPacket.clear();
}

void FrameTrace::show(qint64 us, const char *direction, const QByteArray &bytes) {
    QByteArray line = QByteArray::number(us).rightJustified(10, ' ') + " us " + direction + ' ' +
                      letterText(uint8_t(bytes[0])).leftJustified(4, ' ') + ' ' +
                      QByteArray::number(bytes.size()).rightJustified(4, ' ') + ' ' +
                      bytes.left(MaxHexBytes).toHex(' ');
    if (bytes.size() > MaxHexBytes) line += " ...";
    sink(line);
}
