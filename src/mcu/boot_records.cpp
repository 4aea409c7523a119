#include "mcu/boot_records.h"

int Save_SecondBootInfo(DeviceSession &) { return -2; }
int Save_BootSetting(DeviceSession &) { return -2; }
void Report_SecondBootInfo(DeviceSession &) {}
