#include "protocol/image_file.h"

#include "protocol/crc32.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <limits>
#include <new>

bool Open_ImageFile(const QString &path, QFile &file, ImageFile &image) {
    image.path = path;
    image.absolutePath = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    file.setFileName(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return false;
    image.size = file.size();
    return true;
}

WholeRead Read_ImageBytes(QFile &file, ImageFile &image) {
    if (image.size > std::numeric_limits<int>::max()) return WholeRead::NoMemory;
    try {
        image.bytes.resize(int(image.size));
    } catch (const std::bad_alloc &) {
        image.bytes = QByteArray();
        return WholeRead::NoMemory;
    }
    qint64 done = 0;
    while (done < image.size) {
        const qint64 got = file.read(image.bytes.data() + done, image.size - done);
        if (got <= 0) break;
        done += got;
    }
    // A file that grew while it was read is not the one that was measured either.
    if (done != image.size || !file.read(1).isEmpty()) {
        image.bytes = QByteArray();
        return WholeRead::Short;
    }
    const auto *bytes = reinterpret_cast<const uint8_t *>(image.bytes.constData());
    image.crc = crc32_calc(bytes, size_t(image.size));
    image.sha256 = QCryptographicHash::hash(image.bytes, QCryptographicHash::Sha256);
    image.read = true;
    return WholeRead::Read;
}
