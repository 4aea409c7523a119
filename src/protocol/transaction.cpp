#include "protocol/transaction.h"

#include "protocol/busy_chip.h"
#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/crc32.h"

#include <QElapsedTimer>
#include <cstring>

Transaction::Transaction(DeviceSession &session, const CommandTraits &traits,
                         ReplyAssembly::Mode mode)
    : s(session), command(traits), assembly(mode) {
    s.link.discardStale();
    s.link.setArrivalSink(&assembly);
}

Transaction::~Transaction() {
    s.link.setArrivalSink(nullptr);
}

void Transaction::waitForBusyChip(qint64 extraMs, qint64 onLateMs) {
    busyExtraMs = qMax<qint64>(extraMs, 0);
    busyOnLateMs = qMax<qint64>(onLateMs, 0);
    const CommandTraits awaited = command;
    assembly.setAside([awaited](uint8_t letter) { return Is_OtherCommandsReply(letter, awaited); });
}

Exchange Transaction::await() {
    const int intervalMs = qMax(command.intervalMs, 1);
    qint64 budgetMs = qint64(intervalMs) * command.polls + busyExtraMs;
    bool grownOnLate = false;
    // A wait grown for a busy chip may be long: a stop ends it like the long commands' waits.
    std::function<bool()> stop = [this, &grownOnLate] {
        return (command.stopsOnExit || busyExtraMs > 0 || grownOnLate) && s.stopRequested();
    };
    QElapsedTimer clock;
    clock.start();
    Exchange e;
    // Every arrival is joined as it comes; an arrival only wakes this loop to look again.
    while (!assembly.take(e.reply)) {
        if (!grownOnLate && assembly.setAsideCount() > 0) {
            grownOnLate = true;
            budgetMs += busyOnLateMs;
        }
        const qint64 leftMs = budgetMs - clock.elapsed();
        const int polls = leftMs > 0 ? int((leftMs + intervalMs - 1) / intervalMs) : 0;
        switch (s.link.Wait_Reply(intervalMs, polls, stop)) {
        case SerialLink::Wait::Reply:
            continue;
        case SerialLink::Wait::Stopped:
            Note_ChipLeftBusy(s, command, budgetMs - clock.elapsed());
            e.outcome = Exchange::Stopped;
            return e;
        case SerialLink::Wait::Gone:
            e.outcome = Exchange::Gone;
            return e;
        case SerialLink::Wait::OutOfTime:
            Note_ChipLeftBusy(s, command, budgetMs - clock.elapsed());
            Report_TimeOut(s);
            e.outcome = Exchange::OutOfTime;
            return e;
        case SerialLink::Wait::TimeOut:
            Report_TimeOut(s);
            e.outcome = assembly.lostAny() ? Exchange::Overlong : Exchange::TimeOut;
            return e;
        }
    }
    e.outcome = e.reply[0] == command.replyLetter ? Exchange::Reply : Exchange::WrongLetter;
    return e;
}

void Transaction::waitForMore(int ms) {
    (void)s.link.Wait_Reply(ms, 1);
}

void Report_TimeOut(DeviceSession &s) {
    // A device that went away is reported as gone, not as a slow one.
    if (s.link.isOpen()) s.ui.message(QStringLiteral("Time over!"));
}

Failure Exchange_Failure(const Exchange &e, const QString &what) {
    switch (e.outcome) {
    case Exchange::WrongLetter:
        return Fail(FailureKind::Refused, what + QStringLiteral(" was refused"));
    case Exchange::Stopped:
        return Fail(FailureKind::Stopped, Interrupted_Reason());
    case Exchange::Gone:
        return Fail(FailureKind::DeviceGone, QStringLiteral("the device went away"));
    case Exchange::OutOfTime: {
        Failure late = Fail(FailureKind::NoReply, QStringLiteral("no answer in the time given"));
        late.outOfTime = true;
        return late;
    }
    case Exchange::Overlong:
        return Fail(FailureKind::WrongReply,
                    what + QStringLiteral(" was answered with more bytes than a reply holds"));
    case Exchange::Reply:
    case Exchange::TimeOut:
        break;
    }
    return Fail(FailureKind::NoReply, what + QStringLiteral(" was not answered"));
}

Exchange Exchange_Command(DeviceSession &s, const CommandTraits &command, const uint8_t *frame,
                          int length) {
    Transaction t(s, command);
    s.link.write(frame, length, command.drain);
    return t.await();
}

Result<ReplyFrame> Exchange_Result(DeviceSession &s, const Exchange &e, const QString &what,
                                   const QString &errorLine) {
    if (e.outcome == Exchange::Reply) return e.reply;
    if (e.outcome == Exchange::WrongLetter && !errorLine.isEmpty()) s.ui.logLine(errorLine);
    return Exchange_Failure(e, what);
}

Frame BootFrame(int length, uint32_t code, const uint8_t *payload) {
    Frame frame{};
    length = qBound(0, length, FrameSize - 12);
    frame[0] = 'H';
    frame[1] = '0';
    Put_Le32(&frame[2], code);
    Put_Le16(&frame[6], uint16_t(length));
    if (length > 0) std::memcpy(&frame[8], payload, size_t(length));
    Put_Le32(&frame[8 + length], crc32_calc(frame.data(), size_t(8 + length)));
    return frame;
}

int Decode_BootFrame_Status(const ReplyFrame &reply) {
    return int8_t(reply[1]);
}

Result<> Send_Packet(DeviceSession &s, int length, uint32_t code, const uint8_t *payload,
                     const QString &what) {
    const Frame frame = BootFrame(length, code, payload);
    const Result<ReplyFrame> reply =
        Exchange_Result(s, Exchange_Command(s, Command::BootFrame, frame.data(), FrameSize), what);
    if (!reply.ok()) return reply.failure();
    if (const int status = Decode_BootFrame_Status(reply.value()))
        return Fail(FailureKind::Refused,
                    QStringLiteral("the chip refused %1 (status %2)").arg(what).arg(status));
    return Done{};
}

Frame Run_Frame(uint32_t modelCode, uint32_t address) {
    Frame frame{};
    frame[0] = Command::Run.letter;
    Put_Le32(&frame[Chip_Model(modelCode).runFrameAddressAt], address);
    return frame;
}

void Run_Address(DeviceSession &s, uint32_t address) {
    const Frame frame = Run_Frame(s.chip().code, address);
    s.link.discardStale();
    s.link.write(frame.data(), FrameSize, Command::Run.drain);
}
