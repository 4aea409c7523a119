#pragma once

#include "protocol/session.h"

// "Update All": the MCU update, then the flash update when it succeeded. 0 both updated and
// verified, -1 the MCU update failed (flash left alone), -2 the flash update failed, -3 Exit was
// asked for during the MCU update (flash left alone).
int Update_All(DeviceSession &s);
