#include "station/operator_words.h"

#include "line/line_hook.h"
#include "station/recipe.h"
#include "station/refusal_words.h"

#include <QCoreApplication>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(OperatorWords)
};

} // namespace

namespace {

bool isCheck(std::optional<ProgressPhase> phase) {
    return phase == ProgressPhase::McuCrcCheck || phase == ProgressPhase::FlashCrcCheck;
}

// A board that went away mid-run is half-written: where it was lost says how much.
QString lostWhere(const JobResult &r, std::optional<ProgressPhase> phase) {
    if (!phase) return Words::tr("lost before anything was written");
    if (*phase == ProgressPhase::FlashWrite && r.flashBlocks > 0)
        return Words::tr("lost during flash write, %1 of %2 blocks")
            .arg(r.flashBlocksWritten)
            .arg(r.flashBlocks);
    return Words::tr("lost during %1").arg(Phase_Words(*phase));
}

} // namespace

OperatorWords Operator_Words(const JobResult &r, const FailureScene &scene) {
    const QString reseat = Words::tr("re-seat the board");
    const QString engineer = Words::tr("set the board aside and call the engineer");
    if (scene.accessDenied)
        return {Words::tr("port not accessible"), Words::tr("join the dialout group")};
    if (!r.failure) return {};
    // The ledger has no value left for the board: nothing was written on it.
    if (r.valuesExhausted)
        return {Words::tr("pool empty"),
                Words::tr("nothing was written: the supervisor adds values to the ledger")};
    // The recipe's gate, its own or a bundle's chip check, refused the board before any write.
    if (scene.wrongRecipe && r.chip && r.failure->kind == FailureKind::InputUnusable)
        return {Wrong_RecipeReason(r.chip->name()),
                Words::tr("take it to the station of its recipe")};
    // The line's hook before the board said no: its words, not the board's fault.
    const QString lineRefusal = QLatin1String(LineHook::RefusalPrefix);
    if (r.failure->kind == FailureKind::Refused && r.reason().startsWith(lineRefusal))
        return {Words::tr("refused by the line: %1")
                    .arg(Station_RefusalWords(r.reason().mid(lineRefusal.size()))),
                Words::tr("set the board aside and ask the line lead")};
    // A check that ran and disagreed is the board's contents, not its seating.
    if (isCheck(scene.lastPhase) &&
        (r.failure->kind == FailureKind::Refused || r.failure->kind == FailureKind::WrongReply))
        return {Words::tr("%1 failed").arg(Phase_Words(*scene.lastPhase)),
                Words::tr("run it again; if it fails again, set it aside")};
    switch (r.failure->kind) {
    case FailureKind::NoReply:
        return {Words::tr("the board did not answer"), reseat};
    case FailureKind::WrongReply:
        return {Words::tr("the board answered wrongly"), reseat};
    case FailureKind::Refused:
        return {Words::tr("the board refused the update"), engineer};
    case FailureKind::DeviceGone:
        return {lostWhere(r, scene.lastPhase), Words::tr("re-seat the board and run it again")};
    case FailureKind::Stopped:
        return {Words::tr("stopped"), Words::tr("run it again to finish")};
    case FailureKind::InputUnusable:
        if (!r.chip) return {Words::tr("the port did not open"), reseat};
        if (!r.chip->known()) return {Words::tr("no known chip answered"), reseat};
        return {Station_RefusalWords(r.reason()), engineer};
    case FailureKind::ImageUnusable:
    case FailureKind::SystemError:
        break;
    }
    return {Station_RefusalWords(r.reason()), engineer};
}

QString Phase_Words(ProgressPhase phase) {
    switch (phase) {
    case ProgressPhase::LoaderDownload:
        return Words::tr("loader download");
    case ProgressPhase::McuErase:
        return Words::tr("MCU erase");
    case ProgressPhase::McuWrite:
        return Words::tr("MCU write");
    case ProgressPhase::McuCrcCheck:
        return Words::tr("MCU check");
    case ProgressPhase::FlashErase:
        return Words::tr("flash erase");
    case ProgressPhase::FlashWrite:
        return Words::tr("flash write");
    case ProgressPhase::FlashCrcCheck:
        return Words::tr("flash check");
    }
    return QString();
}
