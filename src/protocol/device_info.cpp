#include "protocol/device_info.h"

int Get_Device_Info(DeviceSession &) { return -2; }
void Report_Device_Info(DeviceSession &) {}
void Run_Application(DeviceSession &) {}
