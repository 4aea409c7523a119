#include "protocol/handshake.h"

#include "protocol/busy_chip.h"
#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/crc32.h"
#include "serial/timing.h"

#include <cstring>

namespace {

// The proof tags are shared with the boot loader and never sent.
constexpr char ProofTag[] = TESSARA_PROOF_TAG;
constexpr char ProofTagKq580[] = TESSARA_PROOF_TAG_KQ580;
static_assert(sizeof(ProofTag) == 5 && sizeof(ProofTagKq580) == 5, "a proof tag is four letters");

#ifdef TESSARA_PROOF_TAG_IS_DEFAULT
constexpr bool ProofTagIsTheDefault = true;
#else
constexpr bool ProofTagIsTheDefault = false;
#endif
#ifdef TESSARA_PROOF_TAG_KQ580_IS_DEFAULT
constexpr bool ProofTagKq580IsTheDefault = true;
#else
constexpr bool ProofTagKq580IsTheDefault = false;
#endif

} // namespace

BootLoader Boot_Loader(uint32_t kindCode) {
    return kindCode == 0xEEBA0020u ? BootLoader::BootUpdate : BootLoader::Ordinary;
}

HandshakeReply Decode_Handshake_Reply(const ReplyFrame &reply) {
    HandshakeReply r;
    r.proof = Get_Le32(&reply[1]);
    r.bootVersion = Get_Le32(&reply[9]);
    r.bootKindCode = Get_Le32(&reply[13]);
    return r;
}

bool ProofTag_IsDefault(bool kq580) {
    return kq580 ? ProofTagKq580IsTheDefault : ProofTagIsTheDefault;
}

Frame Connect_Frame(char selector, int32_t timeStamp, uint32_t code) {
    Frame frame{};
    frame[0] = 'K';
    frame[1] = uint8_t(selector);
    frame[2] = 'K';
    frame[3] = 'Q';
    Put_Le32(&frame[4], uint32_t(timeStamp));
    Put_Le32(&frame[8], code);
    Put_Le32(&frame[8], crc32_calc(frame.data(), 12));
    frame[16] = 0x7F;
    return frame;
}

uint32_t Expected_Proof(const uint8_t *head, uint32_t code) {
    const char *tag = Chip_Model(code).ownProofTag ? ProofTagKq580 : ProofTag;
    uint8_t input[16];
    std::memcpy(input, head, 8);
    Put_Le32(&input[8], code);
    for (int i = 0; i < 4; ++i)
        input[12 + i] = uint8_t(tag[i]);
    return crc32_calc(input, sizeof input);
}

Result<Proof> Connect_Device(DeviceSession &s, char selector, uint32_t code) {
    const Frame frame = Connect_Frame(selector, Time_Stamp(), code);
    Transaction t(s, Command::Connect);
    // A chip still working on a command of a stopped run answers this frame once it is done, its
    // late reply first: wait for it rather than take it for a silent port.
    t.waitForBusyChip(BusyChip_ExtraMs(s), Longest_CommandMs(Chip_Model(code)));
    s.link.write(frame.data(), FrameSize, Command::Connect.drain);
    const Exchange exchange = t.await();
    if (const int late = t.lateReplies())
        s.ui.logLine(
            QStringLiteral("Set aside %1 late %2 of an earlier command: the chip was still "
                           "busy with it")
                .arg(late)
                .arg(late == 1 ? QStringLiteral("reply") : QStringLiteral("replies")));
    // A stop or the deadline leaves the chip as busy as it found it.
    if (exchange.outcome != Exchange::Stopped && exchange.outcome != Exchange::OutOfTime)
        Forget_ChipBusy(s);
    const Result<ReplyFrame> answer =
        Exchange_Result(s, exchange, QStringLiteral("the handshake"),
                        QStringLiteral("Connect device,and return error command"));
    if (!answer.ok()) return answer.failure();
    const HandshakeReply reply = Decode_Handshake_Reply(answer.value());
    if (reply.proof != Expected_Proof(frame.data(), code)) return Proof::OtherModel;

    const uint32_t version = reply.bootVersion;
    ChipIdentity &chip = s.identity;
    const ChipModel &proposed = Chip_Model(code);
    if (proposed.twoBootLoaders) {
        // The low byte of the version names the boot loader: 1 the MCU-update one.
        const bool mcuLoader = (version & 0xFF) == 1;
        chip.bootVersion = version;
        chip.bootLoader = mcuLoader ? BootLoader::McuUpdate : BootLoader::FlashUpdate;
        if (selector == '0')
            s.ui.logLine(QStringLiteral("%1 update %2 Boot_Version:%3")
                             .arg(QLatin1String(proposed.versionName),
                                  mcuLoader ? QStringLiteral("mcu") : QStringLiteral("flash"),
                                  QString::number(version, 16)));
        return Proof::ThisModel;
    }

    chip.bootLoader = Boot_Loader(reply.bootKindCode);
    s.packetDelayUs = 125;
    if (selector != '0') return Proof::ThisModel;
    chip.bootVersion = version;
    if (const ChipModel *known = Find_ChipModel(code)) {
        s.ui.logLine(Version_Line(*known, version));
        if (known->alwaysOrdinaryBootLoader) chip.bootLoader = BootLoader::Ordinary;
    }
    return Proof::ThisModel;
}

Result<> Handshake(DeviceSession &s, std::initializer_list<char> selectors, OtherModel otherModel) {
    for (const char selector : selectors) {
        const Result<Proof> r = Connect_Device(s, selector, s.chip().code);
        if (!r.ok()) return r.failure();
        if (r.value() == Proof::OtherModel && otherModel == OtherModel::Fails)
            return Fail(FailureKind::WrongReply,
                        QStringLiteral("the chip answered the handshake as another model"));
    }
    return Done{};
}

QString Version_Line(const ChipModel &model, uint32_t bootVersion) {
    return QLatin1String(model.versionName) + QStringLiteral(" Boot_Version:") +
           QString::number(bootVersion, 16);
}

Result<ChipIdentity> Probe_Model(DeviceSession &s) {
    s.identity = ChipIdentity();
    Failure failure = Fail(FailureKind::WrongReply, QString());
    bool answered = false; // a handshake was answered, with the proof of no model tried
    for (const ChipModel &model : Chip_Models()) {
        const Result<Proof> r = Connect_Device(s, '0', model.code);
        if (!r.ok()) {
            failure = r.failure();
            break;
        }
        answered = true;
        if (r.value() == Proof::ThisModel) {
            s.identity.model = &model;
            s.ui.chipIdentified(QLatin1String(model.name));
            return s.identity;
        }
    }
    s.ui.chipIdentified(s.identity.name());
    // Every handshake answered, none with a proof this build can check: a boot loader of
    // another build (or another tag), not a silent port.
    if (answered && failure.reason.isEmpty())
        return Fail(FailureKind::WrongReply,
                    QStringLiteral("a chip answered on \"%1\", but with the proof of another "
                                   "build: no model this build knows")
                        .arg(s.link.portName()));
    return Step_Failure(failure,
                        QStringLiteral("no known chip answered on \"%1\"").arg(s.link.portName()));
}
