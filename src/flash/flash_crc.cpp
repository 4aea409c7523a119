#include "flash/flash_crc.h"

#include "protocol/bytes.h"
#include "protocol/commands.h"
#include "serial/timing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstring>

namespace {

constexpr int ReplySize = 64;
constexpr uint8_t ProgressMark = 0x30;

enum class Reply { Progress, Final, Error };

// Reads the reply in front of rxBuf: a progress report or the final value.
Reply readReply(DeviceSession &s, uint32_t &value) {
    uint8_t *reply = s.link.rxBuf;
    if (s.link.rxLen > ReplySize) Take_LaterReply(reply, s.link.rxLen);
    if (reply[0] != Command::CheckFlashCrc.replyLetter) {
        s.ui.logLine(QStringLiteral("Get flash crc,and return error command"));
        return Reply::Error;
    }
    value = getLe32(&reply[2]);
    return reply[1] == ProgressMark ? Reply::Progress : Reply::Final;
}

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

void Take_LaterReply(uint8_t *rxBuf, int rxLen) {
    if (rxLen <= ReplySize) return;
    if (rxLen > 2 * ReplySize) {
        // More than two: the last whole reply is the latest news.
        const int last = qMin(rxLen, SerialLink::RxBufSize) / ReplySize - 1;
        std::memmove(rxBuf, rxBuf + last * ReplySize, ReplySize);
    } else if (rxBuf[62] == rxBuf[0]) {
        std::memmove(rxBuf, rxBuf + 63, 63);
    } else {
        std::memmove(rxBuf, rxBuf + 64, 64);
    }
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
    s.link.discardStale();
    s.link.write(frame.data(), FrameSize, Command::CheckFlashCrc.drain);

    // The budget is the time the slices add up to. The wait wakes as soon as a reply is in, and
    // looks once more when the budget is spent, so a reply that came in the last slice counts.
    const int sliceMs = Command::CheckFlashCrc.intervalMs;
    const qint64 budgetMs = qint64(Flash_CrcBudget(length) + 1) * sliceMs;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (s.link.rxFlag) {
            uint32_t value = 0;
            switch (readReply(s, value)) {
            case Reply::Final:
                deviceCrc = value;
                return 0;
            case Reply::Error:
                return -1;
            case Reply::Progress:
                if (showProgress) s.ui.setProgress(Flash_CrcProgress(value, length));
                s.link.rxFlag = 0;
                break;
            }
        }
        const qint64 left = budgetMs - clock.elapsed();
        // A device that went away sends no result: end now rather than spin out the budget.
        if (left <= 0 || !s.link.isOpen()) break;
        s.link.Wait_Reply(int(qMin<qint64>(left, sliceMs)), 1);
        QCoreApplication::processEvents();
        if (s.exitRequested()) return -3;
    }
    s.ui.showMessage(QStringLiteral("Time over!"));
    return -2;
}

int Check_FlashCRC(DeviceSession &s) {
    if (!s.link.isOpen()) {
        s.ui.showMessage(QStringLiteral("Please open the port!"));
        return -1;
    }
    s.ui.setProgress(0);
    s.ui.logLine(Log_Time_Text());
    s.ui.logLine(QStringLiteral("Start to get flash crc..."));

    uint32_t value = 0;
    if (const int r = Request_FlashCrc(s, 0, s.flashCodeLen, s.flashCodeCrc, true, value)) return r;
    if (value != s.flashCodeCrc) {
        s.ui.logLine(QStringLiteral("Check flash CRC fail,return CRC Value: 0x") +
                     QString::number(value, 16));
        return -3;
    }
    s.ui.logLine(QStringLiteral("Check flash CRC pass."));
    s.ui.logLine(Log_Time_Text());
    s.ui.setProgress(100);
    return 0;
}

void Check_Flash(DeviceSession &s) {
    s.ui.setButtonsEnabled(false);
    s.busy = 1;
    Check_FlashCRC(s);
    s.busy = 0;
    s.ui.setButtonsEnabled(true);
}
