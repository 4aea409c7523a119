#include "bundle/bundle_maker.h"

#include "bundle/bundle_limits.h"
#include "bundle/image_rules.h"
#include "bundle/model_names.h"
#include "bundle/zip_archive.h"

#include <QDateTime>
#include <QSaveFile>

namespace {

bool checkRecipe(const BundleRecipe &r, QString &reason) {
    const BundleConstraints &c = r.constraints;
    if (c.models.isEmpty()) {
        reason = QStringLiteral("a bundle needs a chip model at least");
        return false;
    }
    if (!r.mcu && !r.flash) {
        reason = QStringLiteral("a bundle needs an image at least (an MCU or a flash image)");
        return false;
    }
    if (!c.flashIds.isEmpty() && !r.flash) {
        reason = QStringLiteral("flash IDs apply to a flash image, and the bundle has none");
        return false;
    }
    if (c.bootSetting && !r.mcu) {
        reason = QStringLiteral("a boot setting is sent after an MCU update, and the bundle has no "
                                "MCU image");
        return false;
    }
    if (!r.unitData.isEmpty()) {
        reason = r.flash ? UnitFields_ImageRefusal(r.unitData, *r.flash)
                         : QStringLiteral("unit_data goes into a flash image, and the bundle has "
                                          "none");
        if (!reason.isEmpty()) return false;
    }
    for (const QString &model : c.models) {
        const std::optional<uint32_t> code = Model_CodeOf(model);
        if (!code) {
            reason = QStringLiteral("unknown chip model \"%1\" (known: %2)")
                         .arg(model, Model_Names().join(QLatin1String(", ")));
            return false;
        }
        if (r.mcu) reason = Mcu_ImageRefusal(*r.mcu, *code);
        if (reason.isEmpty() && r.flash) reason = Flash_ImageRefusal(*r.flash);
        if (!reason.isEmpty()) return false;
    }
    return true;
}

} // namespace

bool Make_Bundle(const BundleRecipe &recipe, const MinisignSecretKey *key, QByteArray &archive,
                 QString &reason) {
    reason.clear();
    if (!checkRecipe(recipe, reason)) return false;
    BundleManifest manifest;
    manifest.product = recipe.product;
    manifest.version = recipe.version;
    manifest.constraints = recipe.constraints;
    manifest.unitData = recipe.unitData;
    QList<ZipEntry> entries{{QLatin1String(ManifestName), {}, false, -1}};
    if (recipe.mcu) {
        manifest.mcu = Describe_Image(QLatin1String(McuEntryName), *recipe.mcu);
        entries.append({QLatin1String(McuEntryName), *recipe.mcu, false, -1});
    }
    if (recipe.flash) {
        manifest.flash = Describe_Image(QLatin1String(FlashEntryName), *recipe.flash);
        entries.append({QLatin1String(FlashEntryName), *recipe.flash, false, -1});
    }
    entries[0].data = Write_BundleManifest(manifest);
    // What is written must read back: the same rules check the manifest as every reader will.
    BundleManifest again;
    if (!Parse_BundleManifest(entries[0].data, again, reason)) return false;
    if (key) {
        const QByteArray comment = QStringLiteral("timestamp:%1\tfile:%2\thashed")
                                       .arg(QDateTime::currentSecsSinceEpoch())
                                       .arg(QLatin1String(ManifestName))
                                       .toUtf8();
        entries.insert(1, {QLatin1String(SignatureName),
                           Minisign_Sign(entries[0].data, *key, comment), false, -1});
    }
    return Write_Zip(entries, archive, reason);
}

bool Write_BundleFile(const QString &path, const QByteArray &archive, QString &reason) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size() ||
        !file.commit()) {
        reason = QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
