#include "mcu/mcu_models.h"

#include "protocol/models.h"

namespace {
constexpr McuModel mcuModels[] = {
    {Model::KQ31A, 0xE800, 0xE800},    {Model::KQ31B, 0x7F000, 0x77800},
    {Model::KQ31C, 0x7F000, 0x77800},  {Model::KQ31D, 0x7F000, 0x77800},
    {Model::KQ3200, 0x7F000, 0x77800}, {Model::KQ581, 0x7F000, 0x75800},
    {Model::KQ47, 0x3B000, 0x3B000},   {Model::KQ580, 0xFC00, 0xFC00},
};
} // namespace

const McuModel *findMcuModel(uint32_t code) {
    for (const McuModel &m : mcuModels)
        if (m.code == code) return &m;
    return nullptr;
}
