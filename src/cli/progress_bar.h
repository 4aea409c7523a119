#pragma once

#include "protocol/observer.h"

#include <QString>
#include <optional>

// What erases the line the cursor is on, a progress bar, before anything else is written.
constexpr char EraseLine[] = "\r\033[K";

// A phase as the operator reads it: "MCU erase", "flash CRC check".
QString Phase_Name(ProgressPhase phase);

// "[########............]  40% MCU write": `width` marks, the percent (bounded to 0..100), and
// the phase when one has been named.
QString Progress_Bar(int percent, int width, const std::optional<ProgressPhase> &phase);
