#include "flash/flash_image.h"

#include "flash/flash_id.h"
#include "flash/flash_ini.h"
#include "protocol/crc32.h"

#include <QFile>
#include <QTextStream>
#include <limits>

namespace {

// Images are addressed with signed 32-bit lengths, so 2 GiB and more cannot be handled.
constexpr qint64 LargestImage = std::numeric_limits<int32_t>::max();

const QString TooLarge = QStringLiteral("The flash code file is 2 GB or larger and cannot be used");
const QString ReadShort = QStringLiteral("The flash code file could not be read whole, please "
                                         "check the path!");

QString tooLargeReason(qint64 size) {
    return QStringLiteral("image of %1 bytes: 2 GiB or more cannot be used").arg(size);
}

QString readShortReason(const QString &path) {
    return QStringLiteral("image \"%1\" could not be read whole").arg(path);
}

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

// The largest part Flash.ini lists, or 0 when it cannot be read (the lookup then fails anyway).
uint64_t largestKnownPart(const QString &chosen) {
    QFile file(Flash_IniFile(chosen));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return 0;
    QTextStream in(&file);
    return Largest_FlashCapacity(in);
}

ImageRefusal refusal(FailureKind kind, const QString &why, const QString &message,
                     const QString &logLine = QString()) {
    return {Fail(kind, why), message, logLine};
}

} // namespace

QString Flash_Label(uint32_t crc, int32_t length) {
    return QString::asprintf("Flash code,CRC = 0x%x  Len: %d", crc, length);
}

ImageRead Input_FlashImage(const QString &path, Observer &ui, FlashImageFacts &facts) {
    facts = FlashImageFacts();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ImageRead::CannotOpen;
    const qint64 size = file.size();
    if (size > LargestImage) {
        ui.message(TooLarge);
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
        ui.message(ReadShort);
        return ImageRead::Refused;
    }
    facts = {int32_t(size), crc};
    return ImageRead::Read;
}

ImageSnapshot Read_FlashImageFile(const QString &path, const QString &chosen) {
    auto image = std::make_shared<ImageFile>();
    QFile file;
    if (path.isEmpty()) {
        image->refusal = refusal(FailureKind::InputUnusable, QStringLiteral("no flash image named"),
                                 QStringLiteral("Please input flash code file"));
        return image;
    }
    if (!Open_ImageFile(path, file, *image)) {
        image->refusal =
            refusal(FailureKind::SystemError, QStringLiteral("cannot read image \"%1\"").arg(path),
                    QStringLiteral("Read fail,please check the path!"), path);
        return image;
    }
    const qint64 size = image->size;
    if (size > LargestImage) {
        image->refusal = refusal(FailureKind::ImageUnusable, tooLargeReason(size), TooLarge);
        return image;
    }
    if (size == 0) {
        image->refusal = refusal(FailureKind::ImageUnusable,
                                 QStringLiteral("image of 0 bytes: nothing to write"),
                                 QStringLiteral("There aren't any datas to update!"));
        return image;
    }
    // The part is identified only once the update talks to the chip; an image larger than every
    // part Flash.ini knows cannot fit it, and is refused before it is read into memory.
    if (const uint64_t largest = largestKnownPart(chosen);
        largest > 0 && uint64_t(size) > largest) {
        image->refusal = refusal(FailureKind::ImageUnusable,
                                 QStringLiteral("image of %1 bytes is larger than any flash part "
                                                "in %2 (%3 bytes at most)")
                                     .arg(size)
                                     .arg(Flash_IniFile(chosen))
                                     .arg(largest),
                                 QStringLiteral("The file is over than the flash ic's size"));
        return image;
    }
    switch (Read_ImageBytes(file, *image)) {
    case WholeRead::Read:
        break;
    case WholeRead::NoMemory:
        image->refusal =
            refusal(FailureKind::SystemError,
                    QStringLiteral("not enough memory for an image of %1 bytes").arg(size),
                    QStringLiteral("Not enough memory for the flash code file"));
        break;
    case WholeRead::Short:
        image->refusal = refusal(FailureKind::SystemError, readShortReason(path), ReadShort);
        break;
    }
    return image;
}

Result<FlashImageFacts> Load_FlashCode(DeviceSession &s, const ImageFile &file) {
    if (file.refusal) {
        // A refused image leaves no values behind: a check must not compare the flash with an
        // earlier image, or with an empty one.
        s.ui.imageRead(ImageRole::Flash, 0, 0);
        s.ui.message(file.refusal->message);
        if (!file.refusal->logLine.isEmpty()) s.ui.logLine(file.refusal->logLine);
        return file.refusal->failure;
    }
    const FlashImageFacts facts{int32_t(file.size), file.crc};
    s.ui.imageRead(ImageRole::Flash, facts.flashCodeCrc, facts.flashCodeLen);
    return facts;
}
