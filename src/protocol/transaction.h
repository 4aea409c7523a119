#pragma once

#include "protocol/commands.h"
#include "protocol/reply_assembly.h"
#include "protocol/result.h"
#include "protocol/session.h"

#include <array>
#include <cstdint>

using Frame = std::array<uint8_t, FrameSize>;

// How a command's wait ended and, for Reply and WrongLetter, its whole reply.
struct Exchange {
    // Overlong: no whole reply in time, but an arrival too long to be one was dropped.
    enum Outcome { Reply, WrongLetter, TimeOut, Overlong, Stopped, Gone, OutOfTime };
    Outcome outcome = TimeOut;
    ReplyFrame reply{};
};

// One command on the link, from before its first frame is written until its reply is judged.
// Starting it drops what arrived before (a late reply of an earlier command, the tail of a reply
// left unread cannot answer this one); from then on every arrival is joined into its reply.
class Transaction {
  public:
    Transaction(DeviceSession &s, const CommandTraits &command,
                ReplyAssembly::Mode mode = ReplyAssembly::OneReply);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    // Waits within the command's budget (interval x polls, whatever the link's WaitTime) until
    // the reply is whole, then judges its letter. A reply whose letter is wrong is awaited whole
    // too, so that its tail cannot pass for the next command's reply. No reply, or one still
    // short when the budget is spent, is a time-out: "Time over!". Stopped: the stop token
    // (commands that stop on it only). Gone: the port closed under the wait. OutOfTime: the
    // link's deadline came ("Time over!" too). Stopped and OutOfTime leave the chip marked busy
    // for what was left of the budget.
    Exchange await();

    // The handshake after a stopped run: the wait grows by `extraMs` (a run left the chip busy),
    // replies to other commands are set aside as late, and the first of them grows the wait by
    // `onLateMs` more (the chip shows it is still working on an earlier command).
    void waitForBusyChip(qint64 extraMs, qint64 onLateMs);
    int lateReplies() const { return assembly.setAsideCount(); }

    // For a command that runs its own wait (the flash CRC check): the latest whole reply not yet
    // taken, and a wait of at most `ms` for more bytes.
    bool take(ReplyFrame &reply) { return assembly.take(reply); }
    void waitForMore(int ms);

  private:
    DeviceSession &s;
    const CommandTraits command;
    ReplyAssembly assembly;
    qint64 busyExtraMs = 0;
    qint64 busyOnLateMs = 0;
};

// A command's reply did not come in time: "Time over!", unless the port has closed under it
// because the device went away.
void Report_TimeOut(DeviceSession &s);

// The failure of an exchange that brought no good reply, for the command the operator knows as
// `what` ("the MCU erase"): refused (another letter), not answered, the device went away,
// interrupted, or no answer in the time given.
Failure Exchange_Failure(const Exchange &e, const QString &what);

// One command and its reply: writes `length` bytes of `frame` (draining when the command does)
// and awaits the reply as Transaction::await does.
Exchange Exchange_Command(DeviceSession &s, const CommandTraits &command, const uint8_t *frame,
                          int length);

// A finished exchange as the command's result: its whole reply; for another reply letter the
// command's error line in the log (when given), and Exchange_Failure.
Result<ReplyFrame> Exchange_Result(DeviceSession &s, const Exchange &e, const QString &what,
                                   const QString &errorLine = QString());

// Sends a BootFrame ('H' '0', code, payload length, payload, CRC-32) and waits for the 'H'
// reply; a reply whose status is not 0 is a refusal. `length` is at most 52; `what` names the
// record for the operator.
Result<> Send_Packet(DeviceSession &s, int length, uint32_t code, const uint8_t *payload,
                     const QString &what);

// Builds the BootFrame that Send_Packet writes.
Frame BootFrame(int length, uint32_t code, const uint8_t *payload);
// The status of a BootFrame reply as a signed byte: 0 accepted.
int Decode_BootFrame_Status(const ReplyFrame &reply);

// The run command 'O': the address goes where the model takes it (bytes 1..4, or 4..7).
Frame Run_Frame(uint32_t modelCode, uint32_t address);
// Writes the run command for the session's model and lets it drain; no reply.
void Run_Address(DeviceSession &s, uint32_t address);
