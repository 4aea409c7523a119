#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Packaged MCU images keep a CRC-32 trailer after the image, and files above 23,552 bytes store
// the 512 bytes of image offsets 800..1311 at the very end of the file.
constexpr int PackageReorderThreshold = 23552;
constexpr int PackageMovedOffset = 800;
constexpr int PackageMovedLength = 512;
constexpr int PackageTrailerLength = 4;

// `file` in image order: the moved stretch put back at offset 800 when the file is larger than
// the threshold, otherwise unchanged. The trailer stays the last 4 bytes.
QByteArray Reorder_McuPackage(const QByteArray &file);

struct McuPackage {
    bool hasTrailer = false; // false: shorter than a trailer, nothing else is valid
    QByteArray image;        // image order, trailer removed
    uint32_t crc = 0;        // CRC-32 of `image`
    uint32_t trailer = 0;    // the stored CRC-32
    bool valid() const { return hasTrailer && crc == trailer; }
};

// Unpacks a packaged image file: reorders it, splits off and checks the trailer.
McuPackage Unpack_McuPackage(const QByteArray &file);

// True for a plain image name (ends in ".bin", case-sensitive); any other name is packaged.
bool Is_PlainMcuImage(const QString &path);
