#pragma once

#include <QtGlobal>

// What a bundle may hold. Every length an archive or its manifest declares is checked against
// these before a byte of it is kept.

// The largest MCU flash of any known model: no MCU image can be larger.
qint64 Bundle_McuMax();

// The largest external flash image: 128 MiB, the largest part the boot loader has an address
// mode for (32-bit addressing of 32 and 128 MiB parts). Flash.ini could name larger capacities,
// but no larger part can be addressed, and this is also the most a hostile bundle can make a
// reader hold in memory.
constexpr qint64 BundleFlashMax = qint64(128) * 1024 * 1024;

// The manifest is a few hundred bytes of JSON; a signature file a few hundred bytes of text.
constexpr qint64 ManifestMax = 64 * 1024;
constexpr qint64 SignatureFileMax = 4 * 1024;

// The archive file: both images stored uncompressed at worst, plus the archive's own records.
qint64 Bundle_FileMax();

// The two entries every bundle names the same way.
constexpr char ManifestName[] = "manifest.json";
constexpr char SignatureName[] = "manifest.json.minisig";
