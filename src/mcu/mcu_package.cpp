#include "mcu/mcu_package.h"

#include "protocol/bytes.h"
#include "protocol/crc32.h"

#include <QString>
#include <cstring>

QByteArray Reorder_McuPackage(const QByteArray &file) {
    const int size = file.size();
    if (size <= PackageReorderThreshold) return file;
    // Above the threshold the file is at least 800 + 512 bytes long, so every range is inside.
    QByteArray image(size, '\0');
    const char *in = file.constData();
    char *out = image.data();
    const int tailStart = size - PackageMovedLength;
    std::memcpy(out, in, PackageMovedOffset);
    std::memcpy(out + PackageMovedOffset, in + tailStart, PackageMovedLength);
    std::memcpy(out + PackageMovedOffset + PackageMovedLength, in + PackageMovedOffset,
                size_t(tailStart - PackageMovedOffset));
    return image;
}

McuPackage Unpack_McuPackage(const QByteArray &file) {
    McuPackage package;
    if (file.size() < PackageTrailerLength) return package;
    const QByteArray ordered = Reorder_McuPackage(file);
    const int length = ordered.size() - PackageTrailerLength;
    package.hasTrailer = true;
    package.image = ordered.left(length);
    package.crc =
        crc32_calc(reinterpret_cast<const uint8_t *>(package.image.constData()), size_t(length));
    package.trailer = Get_Le32(reinterpret_cast<const uint8_t *>(ordered.constData()) + length);
    return package;
}

bool Is_PlainMcuImage(const QString &path) {
    return path.endsWith(QLatin1String(".bin"), Qt::CaseSensitive);
}
