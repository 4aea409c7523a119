#include "flash/flash_id.h"

bool Read_FlashIni(DeviceSession &, uint32_t) { return false; }
int Get_FlashID(DeviceSession &, int) { return -1; }
void Flash_Info(DeviceSession &) {}
