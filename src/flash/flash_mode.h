#pragma once

#include "protocol/session.h"

// "KQ580 enter flash mode": handshakes, then downloads the NAND or NOR loader and starts it.
void Enter_FlashMode(DeviceSession &s);
