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

uint32_t crcOf(const QByteArray &bytes) {
    return crc32_calc(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
}

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

// A refused image leaves no values behind: a check must not compare the chip with an earlier
// image, or with what a refused file computed to.
void forgetImage(DeviceSession &s) {
    s.mcuLen = 0;
    s.mcuCrc = 0;
    s.enterAddr = 0;
    s.imageBuf = QByteArray();
    s.ui.showMcuImageLabel(Mcu_Label(0, 0));
}

int refuse(DeviceSession &s, int result, const QString &message, const QString &why) {
    forgetImage(s);
    s.ui.showMessage(message);
    return s.fail(result, why);
}

int refuseUnreadable(DeviceSession &s, const QString &path) {
    refuse(s, -4, QStringLiteral("Read fail,please check the path!"),
           QStringLiteral("cannot read image \"%1\"").arg(path));
    s.ui.logLine(path);
    return -4;
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

bool Input_McuImage(DeviceSession &s, const QString &path) {
    s.mcuFilePath = path;
    QFile file(path);
    uint32_t crc = 0;
    int32_t length = 0;
    QByteArray head;
    if (!file.open(QIODevice::ReadOnly) || !scanFile(file, crc, length, head)) {
        forgetImage(s);
        return false;
    }

    s.mcuCrc = crc;
    s.mcuLen = length;
    s.enterAddr = 0;
    // An image too short to hold a run address leaves it 0.
    if (Chip_Model(s.modelCode).runAddress == RunAddressRule::InputAndUpdate &&
        head.size() >= RunAddressOffset + 4) {
        s.enterAddr =
            getLe32(reinterpret_cast<const uint8_t *>(head.constData()) + RunAddressOffset);
        s.ui.logLine(QStringLiteral("enter_Addr:") + To_Hex8(s.enterAddr));
    }
    s.ui.showMcuImageLabel(Mcu_Label(s.mcuCrc, s.mcuLen));
    return true;
}

int Load_McuImage(DeviceSession &s) {
    s.imageBuf.clear();
    const QString path = s.ui.mcuImagePath();
    if (path.isEmpty())
        return refuse(s, -1, QStringLiteral("Please input mcu code file"),
                      QStringLiteral("no MCU image named"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return refuseUnreadable(s, path);
    const qint64 size = file.size();
    const int32_t flashSize = Get_McuFlashSize(s.modelCode);
    if (size > flashSize)
        return refuse(s, -2, QStringLiteral("Over Mcu flash size:") + QString::number(flashSize),
                      Mcu_TooLarge(size, s.modelCode));
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size || !file.read(1).isEmpty()) return refuseUnreadable(s, path);

    if (Is_PlainMcuImage(path)) {
        s.mcuLen = int32_t(size);
        s.mcuCrc = crcOf(bytes);
        s.imageBuf = bytes;
    } else {
        const McuPackage package = Unpack_McuPackage(bytes);
        if (!package.valid())
            return refuse(s, -3, QStringLiteral("This isn't a KQ31A/B's file"),
                          QStringLiteral("\"%1\" is no packaged image: its CRC trailer does not "
                                         "match")
                              .arg(path));
        s.mcuLen = package.image.size();
        s.mcuCrc = package.crc;
        s.imageBuf = package.image;
    }
    s.ui.showMcuImageLabel(Mcu_Label(s.mcuCrc, s.mcuLen));
    return 0;
}
