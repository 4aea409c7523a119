#include "sim/sim_models.h"

namespace sim {

const std::vector<SimModel> &models() {
    using M = SimMcuLayout;
    using F = SimFlashLayout;
    static const std::vector<SimModel> table = {
        {"KQ31A", 0x1971031A, 0xE800, M::Small64, F::Small64Unacked, false},
        {"KQ31B", 0x1971031B, 0x7F000, M::Large512, F::Large512, false},
        {"KQ3200", 0x19713200, 0x7F000, M::Large512, F::Large512, false},
        {"KQ31C", 0x1971031C, 0x7F000, M::Large512, F::Large512, false},
        {"KQ31D", 0x1971031D, 0x7F000, M::Large512, F::Large512, false},
        {"KQ580", KQ580Code, 0xFC00, M::Small64, F::Small64Unacked, true},
        {"KQ581", 0x19710581, 0x7F000, M::Large512, F::Large512, false},
        {"KQ47", 0x19710470, 0x3B000, M::Small64, F::Small64Acked, false},
    };
    return table;
}

const SimModel *modelByName(const QString &name) {
    for (const SimModel &m : models())
        if (m.name.compare(name, Qt::CaseInsensitive) == 0) return &m;
    return nullptr;
}

const SimModel *modelByCode(uint32_t code) {
    for (const SimModel &m : models())
        if (m.code == code) return &m;
    return nullptr;
}

SimModel modelFor(uint32_t code) {
    if (const SimModel *m = modelByCode(code)) return *m;
    return {QStringLiteral("unknown"), code, 0x7F000, SimMcuLayout::Large512,
            SimFlashLayout::Large512,  false};
}

} // namespace sim
