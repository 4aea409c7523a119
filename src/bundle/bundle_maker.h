#pragma once

#include "bundle/bundle_manifest.h"
#include "bundle/minisign.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Making a release bundle.

struct BundleRecipe {
    QString product;
    QString version;
    BundleConstraints constraints;
    std::optional<QByteArray> mcu, flash; // the bytes the update writes (image order)
    UnitFields unitData;                  // each board's own values in the flash image
};

// The names the images get in the archive.
constexpr char McuEntryName[] = "mcu.bin";
constexpr char FlashEntryName[] = "flash.bin";

// Checks the recipe (a known model at least, an image at least, each image as the update of
// every listed model would check it) and packs the archive: the manifest, the images and, with a
// `key`, the manifest's signature in minisign's format. False, with the reason, when refused.
bool Make_Bundle(const BundleRecipe &recipe, const MinisignSecretKey *key, QByteArray &archive,
                 QString &reason);

// Writes the archive to `path` whole or not at all (a new file takes the old one's place only
// once it is complete).
bool Write_BundleFile(const QString &path, const QByteArray &archive, QString &reason);
