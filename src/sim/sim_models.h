#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The chips the simulator can be, with what decides its frame layouts.
enum class SimMcuLayout { Small64, Large512 };
enum class SimFlashLayout { Small64Unacked, Small64Acked, Large512 };

struct SimModel {
    QString name;
    uint32_t code;
    uint32_t mcuFlashSize;
    SimMcuLayout mcuLayout;
    SimFlashLayout flashLayout;
    bool kq580; // own proof tag, run address in bytes 4-7, boot type in the version
};

namespace sim {
constexpr uint32_t KQ580Code = 0x05802018;

const std::vector<SimModel> &models();
// nullptr when the name or code is not a known chip.
const SimModel *modelByName(const QString &name);
const SimModel *modelByCode(uint32_t code);
// The known model, or a generic large-packet chip carrying `code` for an unknown one.
SimModel modelFor(uint32_t code);
} // namespace sim
