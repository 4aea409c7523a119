#pragma once

#include "protocol/chip_table.h"
#include "protocol/result.h"
#include "protocol/session.h"
#include "protocol/transaction.h"

#include <cstdint>
#include <initializer_list>

// The 'K' handshake frame: selector, time stamp, and the CRC that folds in the proposed model.
Frame Connect_Frame(char selector, int32_t timeStamp, uint32_t code);

// The proof a genuine chip of model `code` answers to a frame whose first 8 bytes are `head`.
uint32_t Expected_Proof(const uint8_t *head, uint32_t code);

// What a handshake reply says: the proof of the model proposed, the boot version (for a chip with
// two boot loaders its low byte is the boot type) and the boot kind code (not sent by those).
struct HandshakeReply {
    uint32_t proof = 0;
    uint32_t bootVersion = 0;
    uint32_t bootKindCode = 0;
};
HandshakeReply Decode_Handshake_Reply(const ReplyFrame &reply);
// The boot loader a kind code names: the boot-update loader, or the ordinary one.
BootLoader Boot_Loader(uint32_t kindCode);

// Whether the build kept the default proof tag (of the KQ580, or of every other model) rather
// than the one of the boot loader it is made for. The tags themselves are never shown.
bool ProofTag_IsDefault(bool kq580);

// What the chip's proof says of the model proposed.
enum class Proof { ThisModel, OtherModel };

// Handshake proposing model `code`: the proof (the session's identity takes over the chip's
// boot loader, and with selector '0' its boot version, when it is this model), or the exchange's
// failure ("the handshake was refused", after "Time over!" when it was not answered, ...).
Result<Proof> Connect_Device(DeviceSession &s, char selector, uint32_t code);

// What a handshake makes of a proof that names another model than the session's chip.
enum class OtherModel {
    Fails,  // no handshake: the chip is not the one identified
    Passes, // only a failed exchange ends the handshake
};

// Handshakes with the session's chip once per selector, in order, as an operation starts: the
// first failed exchange ends it with that exchange's failure, and so does a proof of another
// model, unless `otherModel` lets it pass.
Result<> Handshake(DeviceSession &s, std::initializer_list<char> selectors, OtherModel otherModel);

// "KQ31B Boot_Version:1a": the log line of a boot version.
QString Version_Line(const ChipModel &model, uint32_t bootVersion);

// Finds the chip's model after the port opened: proposes every known model in order and tells
// the model's name (or "unknown") as a fact. The identity found, which the session holds too;
// otherwise the session holds a chip of no known model and the failure says why.
Result<ChipIdentity> Probe_Model(DeviceSession &s);
