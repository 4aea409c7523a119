#include "flash/flash_crc.h"

#include "protocol/busy_chip.h"
#include "protocol/bytes.h"
#include "protocol/commands.h"
#include "protocol/open_port.h"
#include "protocol/transaction.h"
#include "serial/timing.h"

#include <QElapsedTimer>

namespace {

constexpr uint8_t ProgressMark = 0x30;

} // namespace

int Flash_CrcBudget(int32_t length) {
    return int(FlashCrc_Slices(length));
}

int Flash_CrcProgress(uint32_t done, int32_t length) {
    if (length <= 0) return 100;
    const float share = float(done) / float(length);
    return share >= 1.0f ? 100 : int(share * 100.0f);
}

FlashCrcReply Decode_FlashCrc_Reply(const ReplyFrame &reply) {
    return {reply[1] == ProgressMark, Get_Le32(&reply[2])};
}

std::array<uint8_t, 64> FlashCrc_Frame(uint32_t start, int32_t length, uint32_t crc) {
    std::array<uint8_t, 64> frame{};
    frame[0] = Command::CheckFlashCrc.letter;
    Put_Le32(&frame[1], start);
    Put_Le32(&frame[5], uint32_t(length));
    Put_Le32(&frame[9], crc);
    return frame;
}

Result<uint32_t> Request_FlashCrc(DeviceSession &s, uint32_t start, int32_t length,
                                  uint32_t expected, bool showProgress) {
    const auto frame = FlashCrc_Frame(start, length, expected);
    Transaction t(s, Command::CheckFlashCrc, ReplyAssembly::Stream);
    s.link.write(frame.data(), FrameSize, Command::CheckFlashCrc.drain);

    // The budget is the time the slices add up to. The wait wakes as soon as bytes come in, and
    // looks once more when the budget is spent, so a reply made whole in the last slice counts.
    const int sliceMs = Command::CheckFlashCrc.intervalMs;
    const qint64 budgetMs = qint64(Flash_CrcBudget(length) + 1) * sliceMs;
    const QString what = QStringLiteral("the flash CRC query");
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        ReplyFrame reply;
        if (t.take(reply)) {
            if (reply[0] != Command::CheckFlashCrc.replyLetter) {
                s.ui.logLine(QStringLiteral("Get flash crc,and return error command"));
                return Exchange_Failure({Exchange::WrongLetter, reply}, what);
            }
            const FlashCrcReply r = Decode_FlashCrc_Reply(reply);
            if (!r.progress) return r.value;
            if (showProgress) s.ui.progress(Flash_CrcProgress(r.value, length));
        }
        // A device that went away sends no result, nor does one past the link's deadline: end
        // now rather than spin out the budget.
        if (!s.link.isOpen()) return Exchange_Failure({Exchange::Gone, {}}, what);
        if (s.link.outOfTime()) {
            Note_ChipLeftBusy(s, Command::CheckFlashCrc, budgetMs - clock.elapsed());
            Report_TimeOut(s);
            return Exchange_Failure({Exchange::OutOfTime, {}}, what);
        }
        const qint64 left = budgetMs - clock.elapsed();
        if (left <= 0) break;
        t.waitForMore(int(qMin<qint64>(left, sliceMs)));
        if (s.stopRequested()) {
            Note_ChipLeftBusy(s, Command::CheckFlashCrc, budgetMs - clock.elapsed());
            return Exchange_Failure({Exchange::Stopped, {}}, what);
        }
    }
    Report_TimeOut(s);
    return Fail(FailureKind::NoReply,
                QStringLiteral("the flash CRC query was not answered in time"));
}

Result<> Check_FlashCRC(DeviceSession &s, const FlashImageFacts &image) {
    if (const Result<> open = Require_OpenPort(s); !open.ok()) return open.failure();
    // The CRC of zero bytes is 0 whatever the flash holds: no image, no verdict.
    if (image.flashCodeLen <= 0) {
        s.ui.message(QStringLiteral("Please input flash code file"));
        return Fail(FailureKind::InputUnusable, QStringLiteral("no flash image to compare with"));
    }
    s.ui.logLine(Log_Time_Text());
    s.ui.logLine(QStringLiteral("Start to get flash crc..."));
    s.ui.phaseStarted(ProgressPhase::FlashCrcCheck);
    s.ui.progress(0);

    const Result<uint32_t> value =
        Request_FlashCrc(s, 0, image.flashCodeLen, image.flashCodeCrc, true);
    if (!value.ok()) return value.failure();
    if (value.value() != image.flashCodeCrc) {
        s.ui.logLine(QStringLiteral("Check flash CRC fail,return CRC Value: 0x") +
                     QString::number(value.value(), 16));
        return Fail(FailureKind::WrongReply,
                    QStringLiteral("the external flash does not hold the image"));
    }
    // Full before the verdict, so that a terminal's bar is gone with the lines that follow.
    s.ui.progress(100);
    s.ui.logLine(QStringLiteral("Check flash CRC pass."));
    s.ui.logLine(Log_Time_Text());
    return Done{};
}
