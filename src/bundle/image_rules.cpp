#include "bundle/image_rules.h"

#include "bundle/bounded_file.h"
#include "bundle/bundle_limits.h"
#include "mcu/mcu_image.h"
#include "mcu/mcu_package.h"
#include "mcu/mcu_packets.h"
#include "mcu/mcu_update.h"
#include "protocol/bytes.h"
#include "protocol/models.h"

namespace {

constexpr int MinMcuImage = 8; // the run address sits in bytes 4..7

QString nameOf(uint32_t model) {
    const ModelRow *row = findModel(model);
    return row ? QLatin1String(row->name) : QStringLiteral("unknown model");
}

} // namespace

QString Mcu_ImageRefusal(const QByteArray &image, uint32_t model) {
    const qint64 length = image.size();
    if (length == 0) return QStringLiteral("MCU image of 0 bytes: nothing to write");
    if (length < MinMcuImage)
        return QStringLiteral("MCU image of %1 bytes: too short, %2 bytes at least")
            .arg(length)
            .arg(MinMcuImage);
    if (length > Get_McuFlashSize(model)) return Mcu_TooLarge(length, model);
    if (length > McuUpdateLimit(model))
        return QStringLiteral("MCU image of %1 bytes exceeds the %2's update limit of %3 bytes")
            .arg(length)
            .arg(nameOf(model))
            .arg(McuUpdateLimit(model));
    if (!usesRunAddress(model)) return QString();
    const uint32_t run = getLe32(reinterpret_cast<const uint8_t *>(image.constData()) + 4);
    if (run < McuFlashBase)
        return QStringLiteral("MCU image for the %1: run address %2 is below %3")
            .arg(nameOf(model), To_Hex8(run), To_Hex8(McuFlashBase));
    const qint64 start = McuStartOffset(run);
    if (start + length > Get_McuFlashSize(model))
        return QStringLiteral("MCU image of %1 bytes from offset %2 overruns the %3's MCU flash of "
                              "%4 bytes")
            .arg(length)
            .arg(To_Hex8(uint32_t(start)), nameOf(model))
            .arg(Get_McuFlashSize(model));
    return QString();
}

QString Flash_ImageRefusal(const QByteArray &image) {
    if (image.isEmpty()) return QStringLiteral("flash image of 0 bytes: nothing to write");
    if (image.size() > BundleFlashMax)
        return QStringLiteral("flash image of %1 bytes is larger than any flash part (%2 bytes)")
            .arg(image.size())
            .arg(BundleFlashMax);
    return QString();
}

bool Read_McuImageFile(const QString &path, QByteArray &image, QString &reason) {
    QByteArray file;
    const qint64 most = Bundle_McuMax() + PackageTrailerLength;
    if (!Read_BoundedFile(path, most, file, reason)) return false;
    if (Is_PlainMcuImage(path)) {
        image = file;
        return true;
    }
    const McuPackage package = Unpack_McuPackage(file);
    if (!package.valid()) {
        reason = QStringLiteral("\"%1\" is no packaged MCU image: its CRC trailer does not match "
                                "(a plain image must be named *.bin)")
                     .arg(path);
        return false;
    }
    image = package.image;
    return true;
}

bool Read_FlashImageFile(const QString &path, QByteArray &image, QString &reason) {
    return Read_BoundedFile(path, BundleFlashMax, image, reason);
}
