#pragma once

#include "protocol/session.h"

// The boot information records, each sent as one BootFrame; results as Send_Packet's.
int Save_SecondBootInfo(DeviceSession &s);
int Save_BootSetting(DeviceSession &s);
// The hidden button: sends the second boot information and logs OK or NG.
void Report_SecondBootInfo(DeviceSession &s);
