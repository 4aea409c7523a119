#include "mcu/mcu_image.h"

#include "mcu/mcu_package.h"
#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/crc32.h"

#include <QFile>
#include <limits>

namespace {

constexpr qint64 ReadChunk = 64 * 1024;
constexpr int RunAddressOffset = 4;

// Reads the open file in chunks: its CRC, its length and its first 8 bytes. False when it
// cannot be read whole or is too long for a 32-bit length.
bool scanFile(QFile &file, uint32_t &crc, int32_t &length, QByteArray &head) {
    const qint64 size = file.size();
    if (size > std::numeric_limits<int32_t>::max()) return false;
    crc = 0;
    head.clear();
    qint64 total = 0;
    for (;;) {
        const QByteArray chunk = file.read(ReadChunk);
        if (chunk.isEmpty()) break;
        if (head.size() < 8) head += chunk.left(8 - head.size());
        crc = crc32_update(crc, reinterpret_cast<const uint8_t *>(chunk.constData()),
                           size_t(chunk.size()));
        total += chunk.size();
        if (total > size) return false;
    }
    length = int32_t(total);
    return total == size && file.error() == QFileDevice::NoError;
}

// The largest MCU flash of any model: no MCU image can be larger.
qint64 largestMcuFlash() {
    qint64 largest = 0;
    for (const ChipModel &model : Chip_Models())
        largest = qMax<qint64>(largest, model.mcuFlashSize);
    return largest;
}

ImageRefusal unreadable(const QString &path) {
    return {Fail(FailureKind::SystemError, QStringLiteral("cannot read image \"%1\"").arg(path)),
            QStringLiteral("Read fail,please check the path!"), path};
}

// A refused image leaves no values behind: a check must not compare the chip with an earlier
// image, or with what a refused file computed to.
Failure refuse(DeviceSession &s, const ImageRefusal &refusal) {
    s.ui.imageRead(ImageRole::Mcu, 0, 0);
    s.ui.message(refusal.message);
    if (!refusal.logLine.isEmpty()) s.ui.logLine(refusal.logLine);
    return refusal.failure;
}

} // namespace

QString To_Hex8(uint32_t value) {
    return QStringLiteral("0x") +
           QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

int32_t Get_McuFlashSize(uint32_t modelCode) {
    return Chip_Model(modelCode).mcuFlashSize;
}

QString Mcu_Label(uint32_t crc, int32_t length) {
    return QString::asprintf("Mcu code,CRC = 0x%x  Len: %d", crc, length);
}

QString Mcu_TooLarge(qint64 length, uint32_t modelCode) {
    const ChipModel *row = Find_ChipModel(modelCode);
    if (!row)
        return QStringLiteral("image of %1 bytes: no chip model identified, no MCU flash to hold "
                              "it")
            .arg(length);
    return QStringLiteral("image of %1 bytes exceeds the %2's MCU flash of %3 bytes")
        .arg(length)
        .arg(QLatin1String(row->name))
        .arg(Get_McuFlashSize(modelCode));
}

std::optional<McuImageFacts> Input_McuImage(const QString &path, uint32_t modelCode, Observer &ui) {
    QFile file(path);
    McuImageFacts facts;
    QByteArray head;
    if (!file.open(QIODevice::ReadOnly) || !scanFile(file, facts.mcuCrc, facts.mcuLen, head))
        return std::nullopt;
    // An image too short to hold a run address leaves it 0.
    if (Chip_Model(modelCode).runAddress == RunAddressRule::InputAndUpdate &&
        head.size() >= RunAddressOffset + 4) {
        facts.enterAddr =
            Get_Le32(reinterpret_cast<const uint8_t *>(head.constData()) + RunAddressOffset);
        ui.logLine(QStringLiteral("enter_Addr:") + To_Hex8(facts.enterAddr));
    }
    return facts;
}

ImageSnapshot Read_McuImageFile(const QString &path) {
    auto image = std::make_shared<ImageFile>();
    QFile file;
    if (path.isEmpty()) {
        image->refusal =
            ImageRefusal{Fail(FailureKind::InputUnusable, QStringLiteral("no MCU image named")),
                         QStringLiteral("Please input mcu code file"), QString()};
    } else if (!Open_ImageFile(path, file, *image)) {
        image->refusal = unreadable(path);
    } else if (image->size <= largestMcuFlash() &&
               Read_ImageBytes(file, *image) != WholeRead::Read) {
        image->refusal = unreadable(path);
    }
    return image;
}

Result<McuImage> Load_McuImage(DeviceSession &s, const ImageFile &file) {
    if (file.refusal) return refuse(s, *file.refusal);
    const int32_t flashSize = Get_McuFlashSize(s.chip().code);
    if (file.size > flashSize)
        return refuse(s, {Fail(FailureKind::ImageUnusable, Mcu_TooLarge(file.size, s.chip().code)),
                          QStringLiteral("Over Mcu flash size:") + QString::number(flashSize),
                          QString()});
    McuImage image;
    if (file.inImageOrder || Is_PlainMcuImage(file.path)) {
        image.bytes = file.bytes;
        image.crc = file.crc;
    } else {
        const McuPackage package = Unpack_McuPackage(file.bytes);
        if (!package.valid())
            return refuse(s, {Fail(FailureKind::ImageUnusable,
                                   QStringLiteral("\"%1\" is no packaged image: its CRC trailer "
                                                  "does not match")
                                       .arg(file.path)),
                              QStringLiteral("This isn't a KQ31A/B's file"), QString()});
        image.bytes = package.image;
        image.crc = package.crc;
    }
    image.length = image.bytes.size();
    s.ui.imageRead(ImageRole::Mcu, image.crc, image.length);
    return image;
}
