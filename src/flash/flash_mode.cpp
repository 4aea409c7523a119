#include "flash/flash_mode.h"

#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/handshake.h"

#include <QThread>

namespace {

// The device takes each packet without acknowledgement; give it time to store the words.
constexpr int PacketPauseMs = 5;
constexpr int RunPauseMs = 50;

void sendLoadPacket(DeviceSession &s, const uint32_t *words, int count, int byteOffset) {
    const Frame packet = Load_Packet(words, count, byteOffset);
    s.link.write(packet.data(), FrameSize, Command::WriteWords.drain);
    QThread::msleep(PacketPauseMs);
}

} // namespace

Frame Load_Packet(const uint32_t *words, int count, int byteOffset) {
    Frame packet{};
    count = qBound(0, count, LoadPacketWords);
    packet[0] = Command::WriteWords.letter;
    packet[1] = uint8_t(count);
    Put_Le16(&packet[2], uint16_t(byteOffset));
    for (int i = 0; i < count; ++i)
        Put_Le32(&packet[4 + 4 * i], words[i]);
    return packet;
}

void Download_Loader(DeviceSession &s, const uint32_t *words, int count) {
    const int full = count / LoadPacketWords;
    const int rest = count % LoadPacketWords;
    s.ui.phaseStarted(ProgressPhase::LoaderDownload);
    for (int j = 0; j < full; ++j) {
        sendLoadPacket(s, &words[LoadPacketWords * j], LoadPacketWords, 4 * LoadPacketWords * j);
        s.ui.progress(100 * LoadPacketWords * (j + 1) / count);
    }
    if (rest > 0)
        sendLoadPacket(s, &words[LoadPacketWords * full], rest, 4 * LoadPacketWords * full);
    s.ui.progress(100);
    QThread::msleep(RunPauseMs);
    Run_Address(s, LoaderRunAddress);
    QThread::msleep(RunPauseMs);
}

Result<> Enter_FlashMode(DeviceSession &s, bool nand, const FlashModeLoaders &loaders) {
    if (!s.chip().flashModeLoaders) {
        s.ui.message(QStringLiteral("Update Flash Mode is only for KQ580"));
        return Fail(FailureKind::InputUnusable,
                    QStringLiteral("the chip takes no flash-mode loader"));
    }
    const LoaderImage &loader = nand ? loaders.nand : loaders.nor;
    const QString kind = nand ? QStringLiteral("nandflash") : QStringLiteral("norflash");
    if (!loader.builtIn()) {
        const QString text = QStringLiteral("The KQ580 %1 loader is not built into this program; "
                                            "nothing was sent")
                                 .arg(kind);
        s.ui.message(text);
        return Fail(FailureKind::InputUnusable, text);
    }
    // A mismatching proof does not stop the download; only a failed exchange does.
    if (const Result<> shook = Handshake(s, {'0', '1'}, OtherModel::Passes); !shook.ok()) {
        s.ui.message(QStringLiteral("Fail to Connect a KQ580 device"));
        return Step_Failure(shook.failure(), QStringLiteral("no handshake with the chip"));
    }
    s.ui.logLine(QStringLiteral("Download vcom %1 code").arg(kind));
    Download_Loader(s, loader.words, loader.count);
    return Done{};
}
