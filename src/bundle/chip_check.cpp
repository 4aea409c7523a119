#include "bundle/chip_check.h"

#include <QStringList>

QString Model_ChipRefusal(const QString &what, const QStringList &models,
                          const ChipIdentity &chip) {
    if (chip.known() && models.contains(chip.name())) return QString();
    return QStringLiteral("%1 for %2; this chip is %3")
        .arg(what, models.join(QLatin1String(", ")), chip.name());
}

QString Bundle_ChipRefusal(const BundleConstraints &c, bool hasFlashImage,
                           const IdentifiedChip &chip) {
    if (const QString refusal = Model_ChipRefusal(QStringLiteral("bundle"), c.models, chip.chip);
        !refusal.isEmpty())
        return refusal;
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
