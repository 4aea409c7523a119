#include "flash/flash_update.h"

void UpdateFlash(DeviceSession &) {}
int Program_Flash(DeviceSession &, int32_t, int32_t) { return -1; }
int Set_FlashAddrMode(DeviceSession &, int) { return -3; }
int Erase_WholeFlash(DeviceSession &, int) { return -3; }
int Check_FlashCRC(DeviceSession &) { return -1; }
void Check_Flash(DeviceSession &) {}
