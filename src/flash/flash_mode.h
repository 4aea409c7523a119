#pragma once

#include "flash/loader_images.h"
#include "protocol/session.h"
#include "protocol/transaction.h"

#include <cstdint>

// Words per load packet, and where the KQ580 starts a downloaded loader.
constexpr int LoadPacketWords = 15;
constexpr uint32_t LoaderRunAddress = 0x800000;

// One load packet: `count` (1..15) words at byte offset `byteOffset` of the image.
Frame Load_Packet(const uint32_t *words, int count, int byteOffset);

// Sends `count` loader words in load packets, showing progress, then starts the loader with the
// run command. Nothing is acknowledged by the device. Returns 0.
int Download_Loader(DeviceSession &s, const uint32_t *words, int count);

// "KQ580 enter flash mode": handshakes, then downloads the NAND or NOR loader (as the operator
// chose) from `loaders` and starts it. A loader that is not built in is never replaced by
// anything else: the operator is told and nothing is sent. 0 loader sent and started, -1 refused
// (not a KQ580, loader not built in), -2 handshake failed.
int Enter_FlashMode(DeviceSession &s, const FlashModeLoaders &loaders = builtInLoaders());
