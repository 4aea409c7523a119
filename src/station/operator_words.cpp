#include "station/operator_words.h"

#include "station/recipe.h"

#include <QCoreApplication>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(OperatorWords)
};

} // namespace

OperatorWords Operator_Words(const JobResult &r, bool accessDenied, bool wrongRecipe) {
    const QString reseat = Words::tr("re-seat the board");
    const QString engineer = Words::tr("set the board aside and call the engineer");
    if (accessDenied)
        return {Words::tr("port not accessible"), Words::tr("join the dialout group")};
    if (!r.failure) return {};
    // The recipe's gate, its own or a bundle's chip check, refused the board before any write.
    if (wrongRecipe && r.chip && r.failure->kind == FailureKind::InputUnusable)
        return {Wrong_RecipeReason(r.chip->name()),
                Words::tr("take it to the station of its recipe")};
    switch (r.failure->kind) {
    case FailureKind::NoReply:
        return {Words::tr("the board did not answer"), reseat};
    case FailureKind::WrongReply:
        return {Words::tr("the board answered wrongly"), reseat};
    case FailureKind::Refused:
        return {Words::tr("the board refused the update"), reseat};
    case FailureKind::DeviceGone:
        return {Words::tr("the board went away"), reseat};
    case FailureKind::Stopped:
        return {Words::tr("stopped"), Words::tr("re-seat the board to run it again")};
    case FailureKind::InputUnusable:
        if (!r.chip) return {Words::tr("the port did not open"), reseat};
        if (!r.chip->known()) return {Words::tr("no known chip answered"), reseat};
        return {r.reason(), engineer};
    case FailureKind::ImageUnusable:
    case FailureKind::SystemError:
        break;
    }
    return {r.reason(), engineer};
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
