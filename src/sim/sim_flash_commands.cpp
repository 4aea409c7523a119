#include "sim/sim_boot_loader.h"

// Not simulated yet: refused, so a host test sees an error reply rather than a false success.
SimResponse SimBootLoader::getFlashId(SimFrame &f) {
    return refuse(f, QStringLiteral("not simulated yet"));
}
SimResponse SimBootLoader::setAddrMode(SimFrame &f) {
    return refuse(f, QStringLiteral("not simulated yet"));
}
SimResponse SimBootLoader::eraseFlash(SimFrame &f) {
    return refuse(f, QStringLiteral("not simulated yet"));
}
SimResponse SimBootLoader::programFlash(SimFrame &f) {
    return refuse(f, QStringLiteral("not simulated yet"));
}
SimResponse SimBootLoader::checkFlashCrc(SimFrame &f) {
    return refuse(f, QStringLiteral("not simulated yet"));
}
bool SimBootLoader::flashAcknowledges() const {
    return chip.flashLayout != SimFlashLayout::Small64Unacked;
}
void SimBootLoader::finishFlashBlock(SimFrame &) {}
