#include "flash/flash_update.h"

#include "flash/flash_block.h"
#include "flash/flash_id.h"
#include "flash/flash_ini.h"
#include "flash/flash_ranges.h"
#include "protocol/chip_table.h"
#include "protocol/handshake.h"
#include "protocol/open_port.h"
#include "protocol/transaction.h"
#include "serial/timing.h"

#include <QThread>
#include <algorithm>

namespace {

constexpr int32_t Size32MiB = 0x2000000;
constexpr int32_t Size128MiB = 0x8000000;
// The loader finishes its last write before it takes the CRC request.
constexpr int SettleMs = 300;

Frame commandFrame(uint8_t letter, uint8_t argument) {
    Frame frame{};
    frame[0] = letter;
    frame[1] = argument;
    return frame;
}

void logTime(DeviceSession &s) {
    s.ui.logLine(Log_Time_Text());
}

Failure stopped() {
    return Fail(FailureKind::Stopped, Interrupted_Reason());
}

Result<> handshake(DeviceSession &s) {
    const Result<> shook = Handshake(s, {'0', '2'}, OtherModel::Fails);
    if (shook.ok()) return shook;
    s.ui.message(QStringLiteral("Fail to Connect a 31B device"));
    return Step_Failure(shook.failure(),
                        QStringLiteral("no handshake with the chip for the flash update"));
}

// Tells the loader how to address the part, when its size asks for it.
Result<> setAddressMode(DeviceSession &s, int32_t flashSize, FlashUpdateRecord &record) {
    if (flashSize == Size32MiB) {
        if (const Result<> r = Set_FlashAddrMode(s, 1); !r.ok()) return r;
        record.flashAddrMode = 1;
        s.ui.logLine(QStringLiteral("Set 32 bits Address!"));
    } else if (flashSize == Size128MiB) {
        if (s.chip().setsMode2)
            if (const Result<> r = Set_FlashAddrMode(s, 2); !r.ok()) return r;
        record.flashAddrMode = 2;
    }
    return Done{};
}

// Sends blocks of the image; the parity alternates over the blocks actually sent, from 0.
struct BlockSender {
    DeviceSession &s;
    const QByteArray &image;
    int32_t blockSize;
    FlashUpdateRecord &record;
    uint8_t parity = 0;
    int sent = 0;

    // The block at `address`.
    Result<> send(uint32_t address) {
        const auto *bytes = reinterpret_cast<const uint8_t *>(image.constData());
        const int size = int(std::min<int64_t>(blockSize, image.size() - int64_t(address)));
        const Result<> r = Write_FlashBlock(s, bytes + address, address, size, parity);
        ++record.blocksWritten;
        // A refused block is left to the final CRC check; a silent device, a stop or a device
        // gone ends the update rather than costing every remaining block its own wait.
        if (!r.ok() && r.kind() != FailureKind::Refused) return r;
        parity ^= 1;
        ++sent;
        return Done{};
    }
    // The blocks of the piece of the image from `from` up to `to`.
    Result<> sendAll(uint32_t from, uint32_t to) {
        for (uint32_t address = from; address < to; address += uint32_t(blockSize)) {
            if (const Result<> r = send(address); !r.ok()) return r;
            if (s.stopRequested()) return stopped();
        }
        return Done{};
    }
};

// Sends the image block by block.
Result<> writeBlocks(DeviceSession &s, const QByteArray &image, int32_t blockSize,
                     FlashUpdateRecord &record) {
    BlockSender sender{s, image, blockSize, record};
    const int32_t length = image.size();
    const int32_t count = length / blockSize;
    for (int32_t i = 0; int64_t(i) * blockSize < length; ++i) {
        if (const Result<> r = sender.send(uint32_t(i) * uint32_t(blockSize)); !r.ok()) return r;
        if (i < count) s.ui.progress(int(int64_t(i) * 100 / count));
        if (s.stopRequested()) return stopped();
    }
    return Done{};
}

// Sends only the blocks that the device's range CRCs show to differ from the image; `skipped`
// counts the others. Where the device cannot tell, every block from there on is sent.
Result<> writeChangedBlocks(DeviceSession &s, const QByteArray &image, int32_t blockSize,
                            FlashUpdateRecord &record, int &skipped) {
    BlockSender sender{s, image, blockSize, record};
    const int32_t length = image.size();
    skipped = 0;
    const auto visit = [&](const FlashPiece &p) -> Result<> {
        const uint32_t end = p.start + uint32_t(p.length);
        if (!p.differs)
            skipped += (p.length + blockSize - 1) / blockSize;
        else if (const Result<> r = sender.sendAll(p.start, end); !r.ok())
            return r;
        s.ui.progress(int(int64_t(end) * 100 / length));
        return Done{};
    };
    uint32_t unvisited = 0;
    Result<> r = Flash_WalkRanges(s, image, Flash_QueryRange(blockSize), Flash_WriteUnit(blockSize),
                                  visit, unvisited);
    const bool unanswered =
        !r.ok() && (r.kind() == FailureKind::Refused ||
                    (r.kind() == FailureKind::NoReply && !r.failure().endsRun()));
    if (unanswered) {
        s.ui.logLine(QStringLiteral("No flash CRC of the range at 0x%1: every block from there on "
                                    "is written")
                         .arg(unvisited, 0, 16));
        r = sender.sendAll(unvisited, uint32_t(length));
    }
    if (!r.ok()) return r;
    s.ui.logLine(QStringLiteral("Only changed blocks: %1 written, %2 unchanged and skipped")
                     .arg(sender.sent)
                     .arg(skipped));
    return Done{};
}

// Writes the image, or only what changed, and lets the device settle.
Result<> writeImage(DeviceSession &s, const QByteArray &image, int32_t blockSize, bool onlyChanged,
                    FlashUpdateRecord &record, int &skipped) {
    logTime(s);
    s.ui.logLine(QStringLiteral("Start to update flash ..."));
    s.ui.phaseStarted(ProgressPhase::FlashWrite);
    skipped = 0;
    record.blocksWritten = 0;
    const Result<> r = onlyChanged ? writeChangedBlocks(s, image, blockSize, record, skipped)
                                   : writeBlocks(s, image, blockSize, record);
    if (!r.ok()) return r;
    s.ui.progress(100);
    s.ui.logLine(QStringLiteral("End to update flash"));
    QThread::msleep(SettleMs);
    return Done{};
}

} // namespace

Result<> Set_FlashAddrMode(DeviceSession &s, int mode) {
    const Frame frame = commandFrame(Command::SetAddrMode.letter, uint8_t(mode));
    const Result<ReplyFrame> r =
        Exchange_Result(s, Exchange_Command(s, Command::SetAddrMode, frame.data(), FrameSize),
                        QStringLiteral("the flash address mode"),
                        QStringLiteral("Set 32bits Addr,and return error command"));
    if (!r.ok())
        return Step_Failure(r.failure(),
                            QStringLiteral("the chip did not switch the flash address mode"));
    s.ui.logLine(QStringLiteral("Set 32bits Addr ok"));
    return Done{};
}

Result<> Erase_WholeFlash(DeviceSession &s, int selector) {
    const Frame frame = commandFrame(Command::EraseFlash.letter, uint8_t(selector));
    const Result<ReplyFrame> r =
        Exchange_Result(s, Exchange_Command(s, Command::EraseFlash, frame.data(), FrameSize),
                        QStringLiteral("the whole-flash erase"),
                        QStringLiteral("Erase whole flash,and return error command"));
    if (!r.ok()) return r.failure();
    s.ui.logLine(QStringLiteral("Erase_whole_Flash ok"));
    return Done{};
}

Result<> Program_Flash(DeviceSession &s, const QByteArray &image, const FlashImageFacts &facts,
                       int32_t blockSize, const FlashUpdateRequest &r, FlashUpdateRecord &record) {
    record.flashAddrMode = 0;
    if (const Result<> open = Require_OpenPort(s); !open.ok()) return open.failure();
    if (const Result<> shook = handshake(s); !shook.ok()) return shook;
    const Result<FlashPartFacts> part = Identify_FlashPart(s, r.flashIniPath);
    if (!part.ok()) return part.failure();
    record.part = part.value();
    const int32_t flashSize = Flash_SizeOf(part.value().capacity);
    // Nothing is erased or written before the job has seen the part.
    if (r.partIdentified)
        if (const Result<> approved = r.partIdentified(part.value()); !approved.ok())
            return approved;
    if (const Result<> mode = setAddressMode(s, flashSize, record); !mode.ok()) return mode;
    if (facts.flashCodeLen > flashSize) {
        s.ui.message(QStringLiteral("The file is over than the flash ic's size"));
        return Fail(FailureKind::ImageUnusable,
                    QStringLiteral("image of %1 bytes exceeds the flash part %2 of %3 bytes")
                        .arg(facts.flashCodeLen)
                        .arg(part.value().name)
                        .arg(flashSize));
    }
    // Only what is in memory can be written.
    if (facts.flashCodeLen != image.size() || blockSize <= 0)
        return Fail(FailureKind::ImageUnusable, QStringLiteral("the flash image is not in memory"));
    record.blocks = int((int64_t(image.size()) + blockSize - 1) / blockSize);

    if (r.write == FlashWrite::EraseFirst && record.flashAddrMode != 2) {
        logTime(s);
        s.ui.logLine(QStringLiteral("Start to erase flash ..."));
        s.ui.phaseStarted(ProgressPhase::FlashErase);
        // Whatever is written after a whole erase the chip refused or did not finish would rest
        // on a flash in an unknown state: the update ends here.
        if (const Result<> erased = Erase_WholeFlash(s, 0); !erased.ok()) return erased;
        if (s.stopRequested()) return stopped();
    }

    const bool onlyChanged = r.write == FlashWrite::OnlyChanged;
    int skipped = 0;
    if (const Result<> w = writeImage(s, image, blockSize, onlyChanged, record, skipped); !w.ok())
        return w;
    Result<> check = Check_FlashCRC(s, facts);
    // The whole-image check alone decides: a device that misjudged a range gets the whole
    // image, as a new update (handshake: parity and erased sectors start afresh).
    if (!check.ok() && skipped > 0 && !check.failure().endsRun()) {
        s.ui.logLine(QStringLiteral("The flash still differs from the image: writing the whole "
                                    "image"));
        if (const Result<> shook = handshake(s); !shook.ok()) return shook;
        if (const Result<> mode = setAddressMode(s, flashSize, record); !mode.ok()) return mode;
        if (const Result<> w = writeImage(s, image, blockSize, false, record, skipped); !w.ok())
            return w;
        check = Check_FlashCRC(s, facts);
    }
    if (!check.ok()) return check;
    // A chip that restarts into its new flash code leaves its port for the scan to find again.
    if (const uint32_t restart = s.chip().flashRestartAddress) {
        Run_Address(s, restart);
        s.link.Close(); // the run command written above still reaches the chip
    }
    return Done{};
}

Result<FlashPartFacts> Read_FlashPart(DeviceSession &s, const QString &flashIniPath) {
    if (const Result<> open = Require_OpenPort(s); !open.ok()) return open.failure();
    if (const Result<> shook = handshake(s); !shook.ok()) return shook.failure();
    return Identify_FlashPart(s, flashIniPath);
}

Result<> UpdateFlash(DeviceSession &s, const ImageFile &image, const FlashUpdateRequest &r,
                     FlashUpdateRecord &record) {
    const Result<FlashImageFacts> facts = Load_FlashCode(s, image);
    if (!facts.ok()) return facts.failure();
    const int blockSize = Flash_BlockSize(Flash_Layout(s.chip().code));
    const Result<> done = Program_Flash(s, image.bytes, facts.value(), blockSize, r, record);
    s.ui.logLine(QString());
    s.ui.logLine(done.ok() ? QStringLiteral("Update flash is OK!!!!!!")
                           : QStringLiteral("Update flash is fail....."));
    return done;
}
