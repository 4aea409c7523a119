#include "protocol/models.h"

const ModelRow *findModel(uint32_t code) {
    for (const ModelRow &row : modelTable)
        if (row.code == code) return &row;
    return nullptr;
}

bool usesSmallPackets(uint32_t code) {
    return code == Model::KQ31A || code == Model::KQ47 || code == Model::KQ580;
}

bool usesRunAddress(uint32_t code) {
    return code == Model::KQ31B || code == Model::KQ31C || code == Model::KQ31D ||
           code == Model::KQ3200 || code == Model::KQ581;
}
