#include "jobs/update_steps.h"

#include "flash/flash_update.h"
#include "jobs/stop_request.h"
#include "mcu/mcu_update.h"

Result<> Ask_Gate(DeviceSession &s, const JobRequest &r,
                  const std::optional<FlashPartFacts> &part) {
    if (r.gates.empty()) return Done{};
    GateFacts facts;
    facts.port = s.link.openedName();
    facts.chip = s.identity;
    facts.flashPart = part;
    facts.stopRequested = [&s] { return s.stopRequested(); };
    for (const Gate &gate : r.gates) {
        const Result<> passed = gate(facts);
        // Nothing is erased or written after a stop, whatever the gate said meanwhile.
        if (s.stopRequested()) return Fail(FailureKind::Stopped, Interrupted_Reason());
        if (!passed.ok()) return passed;
    }
    return Done{};
}

Result<> Run_McuUpdate(DeviceSession &s, const JobRequest &r, JobResult &result) {
    static const ImageSnapshot none = Read_McuImageFile(QString());
    const McuWriteScope writing;
    McuImageFacts facts;
    const Result<> done = Update_Mcu(s, r.mcuImage ? *r.mcuImage : *none, r.bootSetting, facts);
    result.mcuFacts = facts;
    result.mcu = Step_State(done);
    return done;
}

Result<> Run_FlashUpdate(DeviceSession &s, const JobRequest &r, JobResult &result,
                         const FlashGate &gate) {
    static const ImageSnapshot none = Read_FlashImageFile(QString(), QString());
    FlashUpdateRequest update;
    update.write = r.onlyChanged  ? FlashWrite::OnlyChanged
                   : r.eraseWhole ? FlashWrite::EraseFirst
                                  : FlashWrite::Over;
    update.flashIniPath = r.flashIniPath;
    update.partIdentified = [&](const FlashPartFacts &part) -> Result<> {
        result.flashPart = part;
        if (gate.askAtPart) return Ask_Gate(s, r, part);
        // What is written is what was let through: the part the gate saw, and no other.
        if (gate.seen && gate.seen->id != part.id)
            return Fail(
                FailureKind::WrongReply,
                QStringLiteral("the flash part changed: 0x%1 was let through, 0x%2 is there")
                    .arg(gate.seen->id, 0, 16)
                    .arg(part.id, 0, 16));
        return Done{};
    };
    const ImageFile &image = r.flashImage ? *r.flashImage : *none;
    FlashUpdateRecord record;
    const Result<> done = UpdateFlash(s, image, update, record);
    if (image.read)
        result.flashFacts = FlashImageFacts{int32_t(image.size), image.crc};
    else if (image.refusal)
        result.flashFacts = FlashImageFacts();
    result.flash = Step_State(done);
    result.flashBlocks = record.blocks;
    result.flashBlocksWritten = record.blocksWritten;
    return done;
}
