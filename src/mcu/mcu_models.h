#pragma once

#include <cstdint>

// The MCU flash of each chip model and the largest image its update accepts.
struct McuModel {
    uint32_t code;
    int32_t flashSize;
    int32_t updateLimit;
};

// The row of `code`, or nullptr for a model without a known MCU flash.
const McuModel *findMcuModel(uint32_t code);
