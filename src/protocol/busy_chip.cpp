#include "protocol/busy_chip.h"

#include "protocol/busy_mark.h"

#include <QDateTime>
#include <algorithm>

namespace {

// The largest part a model addresses: 16 MiB with three address bytes, 128 MiB in mode 2.
constexpr qint64 ThreeByteFlash = 16ll * 1024 * 1024;
constexpr qint64 ModeTwoFlash = 128ll * 1024 * 1024;

// Every command the chip answers.
const CommandTraits *const RepliedCommands[] = {
    &Command::Connect,     &Command::GetInfo,      &Command::EraseMcu,      &Command::ProgramMcu,
    &Command::CheckMcuCrc, &Command::BootFrame,    &Command::GetFlashId,    &Command::SetAddrMode,
    &Command::EraseFlash,  &Command::ProgramFlash, &Command::CheckFlashCrc,
};

qint64 budgetMs(const CommandTraits &c) {
    return qint64(c.intervalMs) * c.polls;
}

QString commandName(uint8_t letter) {
    switch (letter) {
    case Command::EraseFlash.letter:
        return QStringLiteral("the whole flash erase");
    case Command::CheckFlashCrc.letter:
        return QStringLiteral("the flash CRC check");
    case Command::ProgramFlash.letter:
        return QStringLiteral("a flash block");
    default:
        return QStringLiteral("command '%1'").arg(QChar(letter));
    }
}

} // namespace

qint64 Longest_CommandMs(const ChipModel &model) {
    const qint64 part = model.setsMode2 ? ModeTwoFlash : ThreeByteFlash;
    const qint64 crcMs = (FlashCrc_Slices(part) + 1) * Command::CheckFlashCrc.intervalMs;
    qint64 longest = crcMs;
    for (const CommandTraits *c : RepliedCommands)
        longest = std::max(longest, budgetMs(*c));
    return longest;
}

bool Is_OtherCommandsReply(uint8_t letter, const CommandTraits &awaited) {
    if (letter == awaited.replyLetter) return false;
    return std::any_of(std::begin(RepliedCommands), std::end(RepliedCommands),
                       [letter](const CommandTraits *c) { return c->replyLetter == letter; });
}

void Note_ChipLeftBusy(DeviceSession &s, const CommandTraits &command, qint64 leftMs) {
    if (leftMs <= 0 || !s.link.isOpen()) return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    Save_BusyMark(s.link.portName(), {command.letter, s.chip().code, now + leftMs});
}

qint64 BusyChip_ExtraMs(DeviceSession &s) {
    const std::optional<BusyMark> mark = Read_BusyMark(s.link.portName());
    if (!mark) return 0;
    const qint64 left = mark->untilMs - QDateTime::currentMSecsSinceEpoch();
    // No longer than the longest command of the chip that was left busy, whatever the mark says.
    const qint64 extra = std::min(left, Longest_CommandMs(Chip_Model(mark->modelCode)));
    if (extra <= 0) {
        Clear_BusyMark(s.link.portName());
        return 0;
    }
    s.ui.logLine(QStringLiteral("The chip may still be busy with %1 of a stopped run: waiting up "
                                "to %2 s for it")
                     .arg(commandName(mark->letter))
                     .arg((extra + 999) / 1000));
    return extra;
}

void Forget_ChipBusy(DeviceSession &s) {
    Clear_BusyMark(s.link.portName());
}
