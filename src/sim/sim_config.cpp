#include "sim/sim_config.h"

#include "sim/sim_models.h"

bool SimConfig::forModel(const QString &name, SimConfig *config) {
    const SimModel *model = sim::modelByName(name);
    if (!model) return false;
    *config = SimConfig();
    config->modelCode = model->code;
    if (model->kq580) {
        config->bootVersion = 0x101; // MCU-update boot loader
        config->bootType = 1;
    }
    return true;
}
