#include "flash/flash_mode.h"

#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/handshake.h"

#include <QCoreApplication>
#include <QThread>

namespace {

// The device takes each packet without acknowledgement; give it time to store the words.
constexpr int PacketPauseMs = 5;
constexpr int RunPauseMs = 50;

void sendLoadPacket(DeviceSession &s, const uint32_t *words, int count, int byteOffset) {
    const Frame packet = Load_Packet(words, count, byteOffset);
    s.link.write(packet.data(), FrameSize, Command::WriteWords.drain);
    QCoreApplication::processEvents();
    QThread::msleep(PacketPauseMs);
}

bool handshakeKq580(DeviceSession &s) {
    // A mismatching proof (1) does not stop the download; only a failed exchange does.
    return Connect_Device(s, '0', s.modelCode) >= 0 && Connect_Device(s, '1', s.modelCode) >= 0;
}

} // namespace

Frame Load_Packet(const uint32_t *words, int count, int byteOffset) {
    Frame packet{};
    count = qBound(0, count, LoadPacketWords);
    packet[0] = Command::WriteWords.letter;
    packet[1] = uint8_t(count);
    putLe16(&packet[2], uint16_t(byteOffset));
    for (int i = 0; i < count; ++i)
        putLe32(&packet[4 + 4 * i], words[i]);
    return packet;
}

int Download_Loader(DeviceSession &s, const uint32_t *words, int count) {
    const int full = count / LoadPacketWords;
    const int rest = count % LoadPacketWords;
    s.ui.setProgressPhase(ProgressPhase::LoaderDownload);
    for (int j = 0; j < full; ++j) {
        sendLoadPacket(s, &words[LoadPacketWords * j], LoadPacketWords, 4 * LoadPacketWords * j);
        s.ui.setProgress(100 * LoadPacketWords * (j + 1) / count);
    }
    if (rest > 0)
        sendLoadPacket(s, &words[LoadPacketWords * full], rest, 4 * LoadPacketWords * full);
    s.ui.setProgress(100);
    QThread::msleep(RunPauseMs);
    Run_Address(s, LoaderRunAddress);
    QThread::msleep(RunPauseMs);
    return 0;
}

int Enter_FlashMode(DeviceSession &s, const FlashModeLoaders &loaders) {
    s.busy = 1;
    if (!Chip_Model(s.modelCode).flashModeLoaders) {
        s.busy = 0;
        s.ui.showMessage(QStringLiteral("Update Flash Mode is only for KQ580"));
        return -1;
    }
    const bool nand = s.ui.nandFlashChecked();
    const LoaderImage &loader = nand ? loaders.nand : loaders.nor;
    const QString kind = nand ? QStringLiteral("nandflash") : QStringLiteral("norflash");
    if (!loader.builtIn()) {
        s.busy = 0;
        s.ui.showMessage(QStringLiteral("The KQ580 %1 loader is not built into this program; "
                                        "nothing was sent")
                             .arg(kind));
        return -1;
    }
    // A click on another action while the packets go out would mix its frames into the loader.
    s.ui.setButtonsEnabled(false);
    if (!handshakeKq580(s)) {
        s.busy = 0;
        s.ui.setButtonsEnabled(true);
        s.ui.showMessage(QStringLiteral("Fail to Connect a KQ580 device"));
        return -2;
    }
    s.ui.logLine(QStringLiteral("Download vcom %1 code").arg(kind));
    Download_Loader(s, loader.words, loader.count);
    s.ui.setButtonsEnabled(true);
    s.busy = 0;
    return 0;
}
