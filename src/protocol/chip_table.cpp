#include "protocol/chip_table.h"

#include <cstring>

namespace {

using R = RunAddressRule;
using F = FlashLayout;
constexpr uint32_t Base = 0x8008000;
constexpr uint32_t SecondBoot = 0x8009000;
constexpr uint32_t App = 0x8008000;

// clang-format off
// code        name      version  MCU flash  update   run address        base  2nd boot    large  patch  flash layout           mode2  restart  own tag  two   ordinary  application  run at  flash mode
const ChipModel KnownModels[] = {
    {0x1971031A, "KQ31A",  "KQ31A",  0xE800,  0xE800,  R::None,           Base, SecondBoot, false, false, F::SmallUnacknowledged, false, 0,       false,   false, true,  App,   1, false},
    {0x1971031B, "KQ31B",  "KQ31B",  0x7F000, 0x77800, R::InputAndUpdate, Base, SecondBoot, true,  false, F::Large,               true,  0,       false,   false, false, App,   1, false},
    {0x19713200, "KQ3200", "KQ320",  0x7F000, 0x77800, R::InputAndUpdate, Base, SecondBoot, true,  false, F::Large,               true,  0,       false,   false, false, App,   1, false},
    {0x1971031C, "KQ31C",  "KQ31C",  0x7F000, 0x77800, R::InputAndUpdate, Base, SecondBoot, true,  false, F::Large,               true,  0,       false,   false, false, App,   1, false},
    {0x1971031D, "KQ31D",  "KQ31D",  0x7F000, 0x77800, R::InputAndUpdate, Base, SecondBoot, true,  false, F::Large,               true,  0,       false,   false, false, App,   1, false},
    {0x05802018, "KQ580",  "KQ580",  0xFC00,  0xFC00,  R::None,           Base, SecondBoot, false, true,  F::SmallUnacknowledged, false, 0x18000, true,    true,  false, 0x400, 4, true},
    {0x19710581, "KQ581",  "KQ581",  0x7F000, 0x75800, R::Update,         Base, SecondBoot, true,  false, F::Large,               false, 0,       false,   false, false, App,   1, false},
    {0x19710470, "KQ47",   "KQ47",   0x3B000, 0x3B000, R::None,           Base, SecondBoot, false, false, F::SmallAcknowledged,   false, 0,       false,   false, false, App,   1, false},
};
// What the tool assumes of a chip that no known model answered for.
const ChipModel UnknownModel =
     {UnknownModelCode, "unknown", "unknown", 0, 0, R::None,      Base, SecondBoot, true,  false, F::Large,               false, 0,       false,   false, false, App,   1, false};
// clang-format on

std::deque<ChipModel> &table() {
    static std::deque<ChipModel> models(std::begin(KnownModels), std::end(KnownModels));
    return models;
}

} // namespace

const std::deque<ChipModel> &Chip_Models() {
    return table();
}

const ChipModel *Find_ChipModel(uint32_t code) {
    for (const ChipModel &model : table())
        if (model.code == code) return &model;
    return nullptr;
}

const ChipModel &Chip_Model(uint32_t code) {
    const ChipModel *model = Find_ChipModel(code);
    return model ? *model : UnknownModel;
}

const ChipModel *Find_ChipModelByName(const char *name) {
    for (const ChipModel &model : table())
        if (std::strcmp(model.name, name) == 0) return &model;
    return nullptr;
}

void Add_ChipModel(const ChipModel &model) {
    table().push_back(model);
}

int Flash_BlockSize(FlashLayout layout) {
    switch (layout) {
    case FlashLayout::SmallUnacknowledged:
        return 512;
    case FlashLayout::SmallAcknowledged:
        return 16384;
    case FlashLayout::Large:
        break;
    }
    return 32768;
}

int Flash_PacketSize(FlashLayout layout) {
    return layout == FlashLayout::Large ? 512 : 64;
}
