#include "bundle/chip_check.h"

#include <QStringList>

QString Bundle_ChipRefusal(const BundleConstraints &c, bool hasFlashImage,
                           const IdentifiedChip &chip) {
    if (!c.models.contains(chip.model))
        return QStringLiteral("bundle for %1; this chip is %2")
            .arg(c.models.join(QLatin1String(", ")),
                 chip.model.isEmpty() ? QStringLiteral("not identified") : chip.model);
    if (c.minBootVersion && chip.bootVersion < *c.minBootVersion)
        return QStringLiteral("bundle for boot version %1 or later; this chip's is %2")
            .arg(Hex_Text(*c.minBootVersion), Hex_Text(chip.bootVersion));
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
