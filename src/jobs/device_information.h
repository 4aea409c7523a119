#pragma once

#include "protocol/session.h"

// The device-information request with the flash-part lookup of the two flash IDs it names:
// 0 valid and a flash ID found in Flash.ini, 1 valid but neither ID found, -1 wrong letter,
// -2 no reply, -3 reply CRC wrong.
int Get_Device_Info(DeviceSession &s);
// The hidden information button: runs the request and logs "reVal = " and its result.
void Report_Device_Info(DeviceSession &s);
