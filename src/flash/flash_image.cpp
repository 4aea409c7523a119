#include "flash/flash_image.h"

#include "flash/flash_id.h"
#include "flash/flash_ini.h"
#include "protocol/crc32.h"

#include <QFile>
#include <QTextStream>
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

// A refused image leaves no values behind: a check must not compare the flash with an earlier
// image, or with an empty one.
bool refuse(DeviceSession &s, const QString &message, const QString &why) {
    s.imageBuf = QByteArray();
    showImage(s, 0, 0);
    if (!message.isEmpty()) s.ui.showMessage(message);
    s.fail(-1, why);
    return false;
}

QString tooLargeReason(qint64 size) {
    return QStringLiteral("image of %1 bytes: 2 GiB or more cannot be used").arg(size);
}

QString readShortReason(const QString &path) {
    return QStringLiteral("image \"%1\" could not be read whole").arg(path);
}

// The largest part Flash.ini lists, or 0 when it cannot be read (the lookup then fails anyway).
uint64_t largestKnownPart(const DeviceSession &s) {
    QFile file(Flash_IniFile(s));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return 0;
    QTextStream in(&file);
    return Largest_FlashCapacity(in);
}

} // namespace

QString Flash_Label(uint32_t crc, int32_t length) {
    return QString::asprintf("Flash code,CRC = 0x%x  Len: %d", crc, length);
}

ImageRead Input_FlashImage(DeviceSession &s, const QString &path) {
    s.flashCodePath = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(s, QString(), QStringLiteral("cannot read image \"%1\"").arg(path));
        return ImageRead::CannotOpen;
    }
    const qint64 size = file.size();
    if (size > LargestImage) {
        refuse(s, TooLarge, tooLargeReason(size));
        return ImageRead::Refused;
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
        refuse(s, ReadShort, readShortReason(path));
        return ImageRead::Refused;
    }
    showImage(s, crc, int32_t(size));
    return ImageRead::Read;
}

bool Load_FlashCode(DeviceSession &s) {
    const QString path = s.ui.flashImagePath();
    if (path.isEmpty())
        return refuse(s, QStringLiteral("Please input flash code file"),
                      QStringLiteral("no flash image named"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(s, QStringLiteral("Read fail,please check the path!"),
               QStringLiteral("cannot read image \"%1\"").arg(path));
        s.ui.logLine(path);
        return false;
    }
    const qint64 size = file.size();
    if (size > LargestImage) return refuse(s, TooLarge, tooLargeReason(size));
    if (size == 0)
        return refuse(s, QStringLiteral("There aren't any datas to update!"),
                      QStringLiteral("image of 0 bytes: nothing to write"));
    // The part is identified only once the update talks to the chip; an image larger than every
    // part Flash.ini knows cannot fit it, and is refused before it is read into memory.
    if (const uint64_t largest = largestKnownPart(s); largest > 0 && uint64_t(size) > largest)
        return refuse(s, QStringLiteral("The file is over than the flash ic's size"),
                      QStringLiteral("image of %1 bytes is larger than any flash part in %2 "
                                     "(%3 bytes at most)")
                          .arg(size)
                          .arg(Flash_IniFile(s))
                          .arg(largest));
    try {
        s.imageBuf.resize(int(size));
    } catch (const std::bad_alloc &) {
        return refuse(s, QStringLiteral("Not enough memory for the flash code file"),
                      QStringLiteral("not enough memory for an image of %1 bytes").arg(size));
    }
    if (readWhole(file, s.imageBuf.data(), size) != size)
        return refuse(s, ReadShort, readShortReason(path));
    const auto *bytes = reinterpret_cast<const uint8_t *>(s.imageBuf.constData());
    showImage(s, crc32_calc(bytes, size_t(size)), int32_t(size));
    return true;
}
