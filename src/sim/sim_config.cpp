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

// Datasheet typical values of a Winbond W25Q128JV (16 MiB SPI NOR): page program tPP 0.7 ms,
// 4 KiB sector erase tSE 45 ms, chip erase tCE 40 s. The datasheet says nothing of the chip's
// CRC: 250 us per KiB is reading at 50 MHz on one data line (164 us per KiB) plus a table-driven
// CRC-32 at about 8 cycles per byte on a 100 MHz core (82 us per KiB).
const char *const SimConfig::RealisticTimingText =
    "a Winbond W25Q128JV, datasheet typical values: 256-byte page program 0.7 ms, 4 KiB sector "
    "erase 45 ms, chip erase 40 s; the CRC 250 us per KiB (SPI read at 50 MHz plus a "
    "table-driven CRC-32 on a 100 MHz core)";

void SimConfig::useRealisticTiming() {
    pageProgramUs = 700;
    sectorEraseUs = 45000;
    flashEraseMs = 40000;
    crcUsPerKiB = 250;
    crcProgressIntervalMs = 0; // the reports come as the computation gets there
}
