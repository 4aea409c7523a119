#include "bundle/image_rules.h"

#include "bundle/bounded_file.h"
#include "bundle/bundle_limits.h"
#include "mcu/mcu_image.h"
#include "mcu/mcu_package.h"
#include "mcu/mcu_packets.h"
#include "protocol/bytes.h"
#include "protocol/chip_table.h"

namespace {

constexpr int MinMcuImage = 8; // the run address sits in bytes 4..7

} // namespace

QString Mcu_ImageRefusal(const QByteArray &image, uint32_t model) {
    const ChipModel &chip = Chip_Model(model);
    const QString name = QLatin1String(chip.name);
    const qint64 length = image.size();
    if (length == 0) return QStringLiteral("MCU image of 0 bytes: nothing to write");
    if (length < MinMcuImage)
        return QStringLiteral("MCU image of %1 bytes: too short, %2 bytes at least")
            .arg(length)
            .arg(MinMcuImage);
    if (length > chip.mcuFlashSize) return Mcu_TooLarge(length, model);
    if (length > chip.mcuUpdateLimit)
        return QStringLiteral("MCU image of %1 bytes exceeds the %2's update limit of %3 bytes")
            .arg(length)
            .arg(name)
            .arg(chip.mcuUpdateLimit);
    if (chip.runAddress == RunAddressRule::None) return QString();
    const uint32_t run = Get_Le32(reinterpret_cast<const uint8_t *>(image.constData()) + 4);
    if (run < chip.mcuBase)
        return QStringLiteral("MCU image for the %1: run address %2 is below %3")
            .arg(name, To_Hex8(run), To_Hex8(chip.mcuBase));
    const qint64 start = Mcu_StartOffset(run, chip.mcuBase);
    if (start + length > chip.mcuFlashSize)
        return QStringLiteral("MCU image of %1 bytes from offset %2 overruns the %3's MCU flash of "
                              "%4 bytes")
            .arg(length)
            .arg(To_Hex8(uint32_t(start)), name)
            .arg(chip.mcuFlashSize);
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

bool Read_BundleMcuImage(const QString &path, QByteArray &image, QString &reason) {
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

bool Read_BundleFlashImage(const QString &path, QByteArray &image, QString &reason) {
    return Read_BoundedFile(path, BundleFlashMax, image, reason);
}
