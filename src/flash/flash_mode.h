#pragma once

#include "flash/loader_images.h"
#include "protocol/result.h"
#include "protocol/session.h"
#include "protocol/transaction.h"

#include <cstdint>

// Words per load packet, and where the KQ580 starts a downloaded loader.
constexpr int LoadPacketWords = 15;
constexpr uint32_t LoaderRunAddress = 0x800000;

// One load packet: `count` (1..15) words at byte offset `byteOffset` of the image.
Frame Load_Packet(const uint32_t *words, int count, int byteOffset);

// Sends `count` loader words in load packets, showing progress, then starts the loader with the
// run command. Nothing is acknowledged by the device.
void Download_Loader(DeviceSession &s, const uint32_t *words, int count);

// "KQ580 enter flash mode": handshakes, then downloads the NAND loader (`nand`) or the NOR loader
// from `loaders` and starts it. Refused before anything is sent for a model that takes no
// loaders, and for a loader that is not built in: it is never replaced by anything else.
Result<> Enter_FlashMode(DeviceSession &s, bool nand,
                         const FlashModeLoaders &loaders = BuiltIn_Loaders());
