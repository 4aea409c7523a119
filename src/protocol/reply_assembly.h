#pragma once

#include "serial/arrival_sink.h"

#include <array>
#include <cstdint>
#include <functional>

// Every reply of the boot loader is one 64-byte frame.
constexpr int ReplySize = 64;
using ReplyFrame = std::array<uint8_t, ReplySize>;

// Joins the pieces in which replies arrive and hands a reply out only once it is whole, so that
// no field is ever read from bytes that did not arrive for it. Serial drivers split a reply into
// pieces or join several replies into one read; the assembly sees each arrival, in order, and
// knows nothing of ports or clocks.
//
// OneReply, for every command but the flash CRC check: the reply is the first 64 bytes that
// arrive after the command was sent; whatever follows them is not its reply.
//
// Stream, for the flash CRC check, which is answered by progress reports and then its result:
// replies are cut from the stream one after another, and of those that became whole since the
// last look, the latest is the news. An arrival that starts a reply and brings more than one keeps
// the later-reply rule of the check: when its byte 62 repeats its byte 0, the first reply in it is
// taken as 63 bytes long.
class ReplyAssembly : public ArrivalSink {
  public:
    enum Mode { OneReply, Stream };

    explicit ReplyAssembly(Mode assemblyMode = OneReply) : mode(assemblyMode) {}

    // One arrival of `size` bytes.
    void add(const uint8_t *bytes, int size);
    // Bytes were lost on the way (an arrival too long for the reply buffer): a reply joined
    // across the gap would be made of unrelated bytes, so the reply being joined is dropped and
    // the next arrival starts a new one.
    void lose() {
        have = 0;
        lostBytes = true;
    }
    // Bytes were lost since the command was sent: a reply that never came whole may have been
    // among them (a reply too long to be one).
    bool lostAny() const { return lostBytes; }

    // OneReply: whole replies whose letter `isLate` accepts are set aside rather than taken (the
    // late replies a busy chip sends for a command of a stopped run); the reply is the next one.
    void setAside(std::function<bool(uint8_t letter)> isLate) { late = std::move(isLate); }
    int setAsideCount() const { return setAsideReplies; }

    // As the link's sink.
    void arrived(const uint8_t *bytes, int length) override { add(bytes, length); }
    void lost() override { lose(); }
    // The whole reply not yet taken, into `reply`; false while there is none. In OneReply mode
    // the reply is handed out once.
    bool take(ReplyFrame &reply);

  private:
    Mode mode;
    ReplyFrame building{}; // the reply being joined
    int have = 0;          // its bytes so far
    ReplyFrame latest{};   // the latest whole reply ...
    bool waiting = false;  // ... not yet taken
    bool complete = false; // OneReply: its reply has been whole
    bool lostBytes = false;
    std::function<bool(uint8_t)> late;
    int setAsideReplies = 0;
};
