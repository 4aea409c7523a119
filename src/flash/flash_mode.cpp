#include "flash/flash_mode.h"

void Enter_FlashMode(DeviceSession &) {}
