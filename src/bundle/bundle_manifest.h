#pragma once

#include "ledger/unit_fields.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The manifest of a release bundle (manifest.json): what the bundle is, which chips it is for,
// and for each image its file in the archive with the length and hashes it must have.

constexpr int ManifestFormat = 1;

struct ManifestImage {
    QString file;      // its name in the archive
    qint64 length = 0; // at least 1
    uint32_t crc = 0;  // the boot protocol's CRC-32
    QByteArray sha256; // 32 bytes
};

// What a chip must be for the bundle to be written to it.
struct BundleConstraints {
    QStringList models;                     // at least one, each a known model
    std::optional<uint32_t> minBootVersion; // none: any boot loader
    QList<uint32_t> flashIds;       // the external flash chips (IDs) it may go to; none: any
    std::optional<int> bootSetting; // sent after the MCU update; none: the operator's
};

struct BundleManifest {
    QString product;
    QString version;
    BundleConstraints constraints;
    std::optional<ManifestImage> mcu, flash; // at least one
    // Where in the flash image each board gets values of its own ("unit_data"); inside the
    // flash image, which must be there when any is declared.
    UnitFields unitData;
};

// The length, CRC-32 and SHA-256 of `bytes`, to be stored as `file`.
ManifestImage Describe_Image(const QString &file, const QByteArray &bytes);

// Reads a manifest: false, with the first reason in words, for anything but a format 1 manifest
// whose every field is known and valid. Image lengths are bounded by the largest MCU flash and the
// largest external flash.
bool Parse_BundleManifest(const QByteArray &json, BundleManifest &manifest, QString &reason);
// The manifest as JSON.
QByteArray Write_BundleManifest(const BundleManifest &manifest);

// "0x" and lower-case hex digits, as records show IDs, versions and CRCs.
QString Hex_Text(uint32_t value);
// A "0x..." hex or a decimal number of 32 bits; false for anything else.
bool Read_Number32(const QString &text, uint32_t &value);
