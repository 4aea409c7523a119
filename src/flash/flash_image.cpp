#include "flash/flash_image.h"

#include "protocol/crc32.h"

#include <QFile>
#include <limits>
#include <new>

namespace {

// Images are addressed with signed 32-bit lengths, so 2 GiB and more cannot be handled.
constexpr qint64 LargestImage = std::numeric_limits<int32_t>::max();

const QString TooLarge = QStringLiteral("The flash code file is 2 GB or larger and cannot be used");
const QString ReadShort = QStringLiteral("The flash code file could not be read whole, please "
                                         "check the path!");

// Reads up to `length` bytes into `buffer`; the number of bytes read.
qint64 readWhole(QFile &file, char *buffer, qint64 length) {
    qint64 done = 0;
    while (done < length) {
        const qint64 got = file.read(buffer + done, length - done);
        if (got <= 0) break;
        done += got;
    }
    return done;
}

void showImage(DeviceSession &s, uint32_t crc, int32_t length) {
    s.flashCodeCrc = crc;
    s.flashCodeLen = length;
    s.ui.showFlashImageLabel(Flash_Label(crc, length));
}

} // namespace

QString Flash_Label(uint32_t crc, int32_t length) {
    return QString::asprintf("Flash code,CRC = 0x%x  Len: %d", crc, length);
}

bool Input_FlashImage(DeviceSession &s, const QString &path) {
    s.flashCodePath = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    if (size > LargestImage) {
        s.ui.showMessage(TooLarge);
        return true;
    }
    // Only the CRC and the length are kept, so the file is read in pieces.
    static constexpr qint64 Piece = 1 << 20;
    QByteArray piece(int(qMin(size, Piece)), Qt::Uninitialized);
    uint32_t crc = 0;
    qint64 done = 0;
    while (done < size) {
        const qint64 want = qMin(size - done, Piece);
        const qint64 got = readWhole(file, piece.data(), want);
        crc = crc32_update(crc, reinterpret_cast<const uint8_t *>(piece.constData()), size_t(got));
        done += got;
        if (got < want) break;
    }
    if (done != size) {
        s.ui.showMessage(ReadShort);
        return true;
    }
    showImage(s, crc, int32_t(size));
    return true;
}

bool Load_FlashCode(DeviceSession &s) {
    const QString path = s.ui.flashImagePath();
    if (path.isEmpty()) {
        s.ui.showMessage(QStringLiteral("Please input flash code file"));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        s.ui.showMessage(QStringLiteral("Read fail,please check the path!"));
        s.ui.logLine(path);
        return false;
    }
    const qint64 size = file.size();
    if (size > LargestImage) {
        s.ui.showMessage(TooLarge);
        return false;
    }
    try {
        s.imageBuf.resize(int(size));
    } catch (const std::bad_alloc &) {
        s.imageBuf = QByteArray();
        s.ui.showMessage(QStringLiteral("Not enough memory for the flash code file"));
        return false;
    }
    if (readWhole(file, s.imageBuf.data(), size) != size) {
        s.imageBuf = QByteArray();
        s.ui.showMessage(ReadShort);
        return false;
    }
    const auto *bytes = reinterpret_cast<const uint8_t *>(s.imageBuf.constData());
    showImage(s, crc32_calc(bytes, size_t(size)), int32_t(size));
    return true;
}
