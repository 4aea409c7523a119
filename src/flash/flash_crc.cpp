#include "flash/flash_crc.h"

#include "protocol/bytes.h"
#include "protocol/commands.h"
#include "protocol/transaction.h"
#include "serial/timing.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

constexpr uint8_t ProgressMark = 0x30;

} // namespace

int Flash_CrcBudget(int32_t length) {
    if (length <= 0) return 0;
    return int((int64_t(length) + 999999) / 1000000) * 100;
}

int Flash_CrcProgress(uint32_t done, int32_t length) {
    if (length <= 0) return 100;
    const float share = float(done) / float(length);
    return share >= 1.0f ? 100 : int(share * 100.0f);
}

FlashCrcReply Decode_FlashCrc_Reply(const ReplyFrame &reply) {
    return {reply[1] == ProgressMark, getLe32(&reply[2])};
}

std::array<uint8_t, 64> FlashCrc_Frame(uint32_t start, int32_t length, uint32_t crc) {
    std::array<uint8_t, 64> frame{};
    frame[0] = Command::CheckFlashCrc.letter;
    putLe32(&frame[1], start);
    putLe32(&frame[5], uint32_t(length));
    putLe32(&frame[9], crc);
    return frame;
}

int Request_FlashCrc(DeviceSession &s, uint32_t start, int32_t length, uint32_t expected,
                     bool showProgress, uint32_t &deviceCrc) {
    const auto frame = FlashCrc_Frame(start, length, expected);
    Transaction t(s, Command::CheckFlashCrc, ReplyAssembly::Stream);
    s.link.write(frame.data(), FrameSize, Command::CheckFlashCrc.drain);

    // The budget is the time the slices add up to. The wait wakes as soon as bytes come in, and
    // looks once more when the budget is spent, so a reply made whole in the last slice counts.
    const int sliceMs = Command::CheckFlashCrc.intervalMs;
    const qint64 budgetMs = qint64(Flash_CrcBudget(length) + 1) * sliceMs;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        ReplyFrame reply;
        if (t.take(reply)) {
            if (reply[0] != Command::CheckFlashCrc.replyLetter) {
                s.ui.logLine(QStringLiteral("Get flash crc,and return error command"));
                return -1;
            }
            const FlashCrcReply r = Decode_FlashCrc_Reply(reply);
            if (!r.progress) {
                deviceCrc = r.value;
                return 0;
            }
            if (showProgress) s.ui.setProgress(Flash_CrcProgress(r.value, length));
        }
        const qint64 left = budgetMs - clock.elapsed();
        // A device that went away sends no result, nor does one past the link's deadline: end
        // now rather than spin out the budget.
        if (left <= 0 || !s.link.isOpen() || s.link.outOfTime()) break;
        t.waitForMore(int(qMin<qint64>(left, sliceMs)));
        QCoreApplication::processEvents();
        if (s.exitRequested()) return -3;
    }
    Report_TimeOut(s);
    return -2;
}

int Check_FlashCRC(DeviceSession &s) {
    if (!s.link.isOpen()) {
        s.ui.showMessage(QStringLiteral("Please open the port!"));
        return s.fail(-1, QStringLiteral("the port is not open"));
    }
    // The CRC of zero bytes is 0 whatever the flash holds: no image, no verdict.
    if (s.flashCodeLen <= 0) {
        s.ui.showMessage(QStringLiteral("Please input flash code file"));
        return s.fail(-1, QStringLiteral("no flash image to compare with"));
    }
    s.ui.logLine(Log_Time_Text());
    s.ui.logLine(QStringLiteral("Start to get flash crc..."));
    s.ui.setProgressPhase(ProgressPhase::FlashCrcCheck);
    s.ui.setProgress(0);

    uint32_t value = 0;
    switch (Request_FlashCrc(s, 0, s.flashCodeLen, s.flashCodeCrc, true, value)) {
    case 0:
        break;
    case -1:
        return s.fail(-1, QStringLiteral("the flash CRC query was refused"));
    case -2:
        return s.fail(-2, s.link.isOpen()
                              ? QStringLiteral("the flash CRC query was not answered in time")
                              : QStringLiteral("the device went away"));
    default:
        return -3;
    }
    if (value != s.flashCodeCrc) {
        s.ui.logLine(QStringLiteral("Check flash CRC fail,return CRC Value: 0x") +
                     QString::number(value, 16));
        return s.fail(-3, QStringLiteral("the external flash does not hold the image"));
    }
    // Full before the verdict, so that a terminal's bar is gone with the lines that follow.
    s.ui.setProgress(100);
    s.ui.logLine(QStringLiteral("Check flash CRC pass."));
    s.ui.logLine(Log_Time_Text());
    return 0;
}

int Check_Flash(DeviceSession &s) {
    s.ui.setButtonsEnabled(false);
    s.busy = 1;
    const int r = Check_FlashCRC(s);
    s.busy = 0;
    s.ui.setButtonsEnabled(true);
    return r;
}
