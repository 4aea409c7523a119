#pragma once

#include <QString>
#include <cstdint>

// Chip model codes as the boot loader knows them.
namespace Model {
constexpr uint32_t KQ31A = 0x1971031A;
constexpr uint32_t KQ31B = 0x1971031B;
constexpr uint32_t KQ3200 = 0x19713200;
constexpr uint32_t KQ31C = 0x1971031C;
constexpr uint32_t KQ31D = 0x1971031D;
constexpr uint32_t KQ580 = 0x05802018;
constexpr uint32_t KQ581 = 0x19710581;
constexpr uint32_t KQ47 = 0x19710470;
constexpr uint32_t Unknown = 0x19710000; // no model recognised
} // namespace Model

struct ModelRow {
    uint32_t code;
    const char *name;          // shown in "MCU Name" after the probe
    const char *versionPrefix; // handshake log line prefix; the KQ580 builds its own
};

// The eight known models, in probe order.
constexpr ModelRow modelTable[] = {
    {Model::KQ31A, "KQ31A", "KQ31A Boot_Version:"},
    {Model::KQ31B, "KQ31B", "KQ31B Boot_Version:"},
    {Model::KQ3200, "KQ3200", "KQ320 Boot_Version:"},
    {Model::KQ31C, "KQ31C", "KQ31C Boot_Version:"},
    {Model::KQ31D, "KQ31D", "KQ31D Boot_Version:"},
    {Model::KQ580, "KQ580", nullptr},
    {Model::KQ581, "KQ581", "KQ581 Boot_Version:"},
    {Model::KQ47, "KQ47", "KQ47 Boot_Version:"},
};

// The row of `code`, or nullptr for a code outside the table.
const ModelRow *findModel(uint32_t code);

// Models whose MCU and flash programming packets are 64 bytes (the others use 512).
bool usesSmallPackets(uint32_t code);

// Models whose MCU image is placed by its run address (bytes 4..7 of the image).
bool usesRunAddress(uint32_t code);
