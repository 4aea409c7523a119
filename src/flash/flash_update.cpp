#include "flash/flash_update.h"

#include "flash/flash_block.h"
#include "flash/flash_id.h"
#include "flash/flash_image.h"
#include "flash/flash_ranges.h"
#include "protocol/chip_table.h"
#include "protocol/handshake.h"
#include "protocol/transaction.h"
#include "serial/timing.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>

namespace {

constexpr int32_t Size32MiB = 0x2000000;
constexpr int32_t Size128MiB = 0x8000000;

Frame commandFrame(uint8_t letter, uint8_t argument) {
    Frame frame{};
    frame[0] = letter;
    frame[1] = argument;
    return frame;
}

void logTime(DeviceSession &s) {
    s.ui.logLine(Log_Time_Text());
}

bool handshake(DeviceSession &s) {
    if (Connect_Device(s, '0', s.modelCode) == 0 && Connect_Device(s, '2', s.modelCode) == 0)
        return true;
    s.ui.showMessage(QStringLiteral("Fail to Connect a 31B device"));
    s.fail(-1, QStringLiteral("no handshake with the chip for the flash update"));
    return false;
}

// 0 when the loader now addresses the part, -4 when it refused.
int setAddressMode(DeviceSession &s) {
    if (s.flashSize == Size32MiB) {
        if (Set_FlashAddrMode(s, 1) != 0) return -4;
        s.flashAddrMode = 1;
        s.ui.logLine(QStringLiteral("Set 32 bits Address!"));
    } else if (s.flashSize == Size128MiB) {
        if (Chip_Model(s.modelCode).setsMode2 && Set_FlashAddrMode(s, 2) != 0) return -4;
        s.flashAddrMode = 2;
    }
    return 0;
}

// Sends blocks of the image; the parity alternates over the blocks actually sent, from 0.
struct BlockSender {
    DeviceSession &s;
    int32_t length;
    int32_t blockSize;
    uint8_t parity = 0;
    int sent = 0;

    // The block at `address`: 0 sent, -3 the device went silent or Exit was pressed.
    int send(uint32_t address) {
        const auto *image = reinterpret_cast<const uint8_t *>(s.imageBuf.constData());
        const int size = int(std::min<int64_t>(blockSize, length - int64_t(address)));
        // A refused block is left to the final CRC check; a silent device ends the update
        // rather than costing every remaining block its own time-out.
        if (Write_FlashBlock(s, image + address, address, size, parity) == -3 && !s.exitRequested())
            return s.fail(
                -3, QStringLiteral("the flash block at 0x%1 was not answered").arg(address, 0, 16));
        parity ^= 1;
        ++sent;
        return 0;
    }
    // The blocks of the piece of the image from `from` up to `to`.
    int sendAll(uint32_t from, uint32_t to) {
        for (uint32_t address = from; address < to; address += uint32_t(blockSize)) {
            if (send(address) != 0) return -3;
            QCoreApplication::processEvents();
            if (s.exitRequested()) return -3;
        }
        return 0;
    }
};

// Sends the image block by block: 0 done, -3 Exit pressed or a block went unacknowledged.
int writeBlocks(DeviceSession &s, int32_t length, int32_t blockSize) {
    BlockSender sender{s, length, blockSize};
    const int32_t count = length / blockSize;
    for (int32_t i = 0; int64_t(i) * blockSize < length; ++i) {
        if (sender.send(uint32_t(i) * uint32_t(blockSize)) != 0) return -3;
        if (i < count) s.ui.setProgress(int(int64_t(i) * 100 / count));
        QCoreApplication::processEvents();
        if (s.exitRequested()) return -3;
    }
    return 0;
}

// Sends only the blocks that the device's range CRCs show to differ from the image; `skipped`
// counts the others. Where the device cannot tell, every block from there on is sent. 0 done,
// -3 Exit pressed or a block went unacknowledged.
int writeChangedBlocks(DeviceSession &s, int32_t length, int32_t blockSize, int &skipped) {
    BlockSender sender{s, length, blockSize};
    skipped = 0;
    const auto visit = [&](const FlashPiece &p) {
        const uint32_t end = p.start + uint32_t(p.length);
        if (!p.differs)
            skipped += (p.length + blockSize - 1) / blockSize;
        else if (sender.sendAll(p.start, end) != 0)
            return -3;
        s.ui.setProgress(int(int64_t(end) * 100 / length));
        return 0;
    };
    uint32_t unvisited = 0;
    int r = Flash_WalkRanges(s, length, Flash_QueryRange(blockSize), Flash_WriteUnit(blockSize),
                             visit, unvisited);
    if (r == -1 || r == -2) {
        s.ui.logLine(QStringLiteral("No flash CRC of the range at 0x%1: every block from there on "
                                    "is written")
                         .arg(unvisited, 0, 16));
        r = sender.sendAll(unvisited, uint32_t(length));
    }
    if (r != 0) return -3;
    s.ui.logLine(QStringLiteral("Only changed blocks: %1 written, %2 unchanged and skipped")
                     .arg(sender.sent)
                     .arg(skipped));
    return 0;
}

// Writes the image, or only what changed, and lets the device settle: 0 done, -3 Exit pressed
// or a block went unacknowledged.
int writeImage(DeviceSession &s, int32_t length, int32_t blockSize, bool onlyChanged,
               int &skipped) {
    logTime(s);
    s.ui.logLine(QStringLiteral("Start to update flash ..."));
    s.ui.setProgressPhase(ProgressPhase::FlashWrite);
    skipped = 0;
    const int r = onlyChanged ? writeChangedBlocks(s, length, blockSize, skipped)
                              : writeBlocks(s, length, blockSize);
    if (r != 0) return -3;
    s.ui.setProgress(100);
    s.ui.logLine(QStringLiteral("End to update flash"));
    // The loader finishes its last write before it takes the CRC request.
    QThread::msleep(300);
    return 0;
}

} // namespace

int Set_FlashAddrMode(DeviceSession &s, int mode) {
    const Frame frame = commandFrame(Command::SetAddrMode.letter, uint8_t(mode));
    if (const int r = Exchange_Result(s, Command::SetAddrMode,
                                      exchange(s, Command::SetAddrMode, frame.data(), FrameSize),
                                      QStringLiteral("Set 32bits Addr,and return error command")))
        return r;
    s.ui.logLine(QStringLiteral("Set 32bits Addr ok"));
    return 0;
}

int Erase_WholeFlash(DeviceSession &s, int selector) {
    const Frame frame = commandFrame(Command::EraseFlash.letter, uint8_t(selector));
    if (const int r = Exchange_Result(s, Command::EraseFlash,
                                      exchange(s, Command::EraseFlash, frame.data(), FrameSize),
                                      QStringLiteral("Erase whole flash,and return error command")))
        return r;
    s.ui.logLine(QStringLiteral("Erase_whole_Flash ok"));
    return 0;
}

int Program_Flash(DeviceSession &s, int32_t length, int32_t blockSize) {
    s.flashAddrMode = 0;
    if (!s.link.isOpen()) {
        s.ui.showMessage(QStringLiteral("Please open the port!"));
        return s.fail(-1, QStringLiteral("the port is not open"));
    }
    if (!handshake(s)) return -1;
    if (Identify_FlashPart(s) != 0) return -2;
    if (setAddressMode(s) != 0)
        return s.fail(-4, QStringLiteral("the chip did not switch the flash address mode"));
    if (s.flashCodeLen > s.flashSize) {
        s.ui.showMessage(QStringLiteral("The file is over than the flash ic's size"));
        return s.fail(-3, QStringLiteral("image of %1 bytes exceeds the flash part %2 of %3 bytes")
                              .arg(s.flashCodeLen)
                              .arg(s.flashName)
                              .arg(s.flashSize));
    }
    // Only what is in memory can be written.
    if (length < 0 || length > s.imageBuf.size() || blockSize <= 0) return -3;

    if (s.ui.eraseWholeChecked() && s.flashAddrMode != 2) {
        logTime(s);
        s.ui.logLine(QStringLiteral("Start to erase flash ..."));
        s.ui.setProgressPhase(ProgressPhase::FlashErase);
        Erase_WholeFlash(s, 0);
        if (s.exitRequested()) return -3;
    }

    // An erased chip has nothing to keep.
    const bool onlyChanged = s.onlyChanged && !s.ui.eraseWholeChecked();
    int skipped = 0;
    if (writeImage(s, length, blockSize, onlyChanged, skipped) != 0) return -3;
    int check = Check_FlashCRC(s);
    // The whole-image check alone decides: a device that misjudged a range gets the whole
    // image, as a new update (handshake: parity and erased sectors start afresh).
    if (check != 0 && skipped > 0 && !s.exitRequested() && s.link.isOpen()) {
        s.ui.logLine(QStringLiteral("The flash still differs from the image: writing the whole "
                                    "image"));
        if (!handshake(s)) return -1;
        if (setAddressMode(s) != 0) return -4;
        if (writeImage(s, length, blockSize, false, skipped) != 0) return -3;
        check = Check_FlashCRC(s);
    }
    if (check != 0) return -3;
    // A chip that restarts into its new flash code leaves its port for the scan to find again.
    if (const uint32_t restart = Chip_Model(s.modelCode).flashRestartAddress) {
        Run_Address(s, restart);
        s.link.Close(); // the run command written above still reaches the chip
    }
    return 0;
}

int UpdateFlash(DeviceSession &s) {
    if (!Load_FlashCode(s)) return -5;
    const int blockSize = Flash_BlockSize(Flash_Layout(s.modelCode));
    s.ui.setButtonsEnabled(false);
    s.busy = 1;
    const int r = Program_Flash(s, s.flashCodeLen, blockSize);
    s.ui.logLine(QString());
    s.ui.logLine(r == 0 ? QStringLiteral("Update flash is OK!!!!!!")
                        : QStringLiteral("Update flash is fail....."));
    s.busy = 0;
    s.ui.setButtonsEnabled(true);
    s.imageBuf = QByteArray();
    return r;
}
