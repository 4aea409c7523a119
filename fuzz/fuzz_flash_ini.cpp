// Flash.ini text: single lines, whole files, and the hexadecimal field reader.
#include "flash/flash_ini.h"

#include <QString>
#include <QTextStream>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    // The field reader gets kept text of any length, as the line parser hands it over.
    Hex_ToInt(bytes.constData(), bytes.size());

    uint32_t id = 0;
    if (size >= 4)
        id = uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 |
             uint32_t(data[3]) << 24;
    FlashPart part;
    Parse_FlashIniLine(QString::fromLatin1(bytes), id, part);

    QTextStream in(bytes);
    FlashPart found;
    if (Find_FlashPart(in, id, found)) Flash_SizeOf(found.capacity);
    return 0;
}
