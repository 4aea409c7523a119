#include "mcu/mcu_update.h"

int Update_Mcu(DeviceSession &) { return -1; }
int Program_Mcu(DeviceSession &, int32_t, int32_t, uint32_t) { return -1; }
void Check_Mcu(DeviceSession &) {}
void Update_All(DeviceSession &) {}
