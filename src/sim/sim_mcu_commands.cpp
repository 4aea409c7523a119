#include "sim/sim_boot_loader.h"
void SimBootLoader::finishMcuBlock(SimFrame &) {}

// Not simulated yet: refused, so a host test sees an error reply rather than a false success.
SimResponse SimBootLoader::eraseMcu(SimFrame &f) {
    return refuse(f, QStringLiteral("not simulated yet"));
}
SimResponse SimBootLoader::programMcu(SimFrame &f) {
    return refuse(f, QStringLiteral("not simulated yet"));
}
SimResponse SimBootLoader::checkMcuCrc(SimFrame &f) {
    return refuse(f, QStringLiteral("not simulated yet"));
}
SimResponse SimBootLoader::bootFrame(SimFrame &f) {
    return refuse(f, QStringLiteral("not simulated yet"));
}
SimResponse SimBootLoader::writeWords(SimFrame &f) {
    return refuse(f, QStringLiteral("not simulated yet"));
}
