#include "bundle/chip_check.h"

#include <QStringList>

QString Bundle_ChipRefusal(const BundleConstraints &c, bool hasFlashImage,
                           const IdentifiedChip &chip) {
    // A chip of no known model is never one a bundle lists.
    if (!chip.chip.known() || !c.models.contains(chip.chip.name()))
        return QStringLiteral("bundle for %1; this chip is %2")
            .arg(c.models.join(QLatin1String(", ")), chip.chip.name());
    if (c.minBootVersion && chip.chip.bootVersion < *c.minBootVersion)
        return QStringLiteral("bundle for boot version %1 or later; this chip's is %2")
            .arg(Hex_Text(*c.minBootVersion), Hex_Text(chip.chip.bootVersion));
    if (hasFlashImage && !c.flashIds.isEmpty() && chip.flashId &&
        !c.flashIds.contains(*chip.flashId)) {
        QStringList ids;
        for (const uint32_t id : c.flashIds)
            ids.append(Hex_Text(id));
        return QStringLiteral("bundle for flash IDs %1; this chip's flash ID is %2")
            .arg(ids.join(QLatin1String(", ")), Hex_Text(*chip.flashId));
    }
    return QString();
}
