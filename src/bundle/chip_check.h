#pragma once

#include "bundle/bundle_manifest.h"
#include "protocol/chip_identity.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The chip as its identification found it.
struct IdentifiedChip {
    ChipIdentity chip;
    std::optional<uint32_t> flashId; // the external flash part's ID, once the run has read it
};

// Why images for `models` must not be written to `chip`, showing both sides ("bundle for KQ31B,
// KQ31C; this chip is KQ580", `what` naming the images); empty when they may. A chip of no known
// model is never one of them.
QString Model_ChipRefusal(const QString &what, const QStringList &models, const ChipIdentity &chip);

// Why the bundle must not be written to this chip, showing both sides ("bundle for KQ31B,
// KQ31C; this chip is KQ580"); empty when it may. The flash part is checked only when its ID is
// given, and only for a bundle that holds a flash image and lists flash IDs: call it again
// once the ID is read, before the flash is erased.
QString Bundle_ChipRefusal(const BundleConstraints &constraints, bool hasFlashImage,
                           const IdentifiedChip &chip);
