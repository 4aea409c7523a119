#include "flash/flash_ini.h"

#include <QByteArray>
#include <QTextStream>
#include <limits>

namespace {

bool isNumberChar(uint8_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f') || c == 'x' ||
           c == 'X';
}

bool isNameChar(uint8_t c) {
    return c >= 0x21 && c <= 0x7F;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0; // only x or X can get here
}

// A kept number field: hexadecimal when its second character is x or X, else decimal.
uint32_t numberOf(const char *text, int length) {
    if (length >= 2 && (text[1] == 'x' || text[1] == 'X')) return Hex_ToInt(text, length);
    bool ok = false;
    const int value = QByteArray(text, length).toInt(&ok, 10);
    // Only digits and hex letters are kept, so a valid decimal is never negative.
    return ok ? uint32_t(value) : 0;
}

} // namespace

uint32_t Hex_ToInt(const char *text, int length) {
    if (length < 3 || length > 10) return 0;
    uint32_t value = 0;
    for (int i = 2; i < length; ++i)
        value = value << 4 | uint32_t(hexDigit(text[i]));
    return value;
}

bool Read_FlashIniLine(const QString &line, uint32_t &id, FlashPart &part) {
    const QByteArray bytes = line.toLatin1();
    char field[FlashIniFieldMax + 1];
    int length = 0;
    int fieldIndex = 0;
    uint32_t numbers[3] = {};
    QString name;

    for (const char ch : bytes) {
        const uint8_t c = uint8_t(ch);
        if (c == ',') {
            field[length] = '\0';
            if (fieldIndex < 3) {
                numbers[fieldIndex] = numberOf(field, length);
            } else {
                name = QString::fromLatin1(field, length);
            }
            ++fieldIndex;
            length = 0;
            if (fieldIndex == 4) break;
            continue;
        }
        const bool kept = fieldIndex < 3 ? isNumberChar(c) : isNameChar(c);
        if (kept && length < FlashIniFieldMax) field[length++] = char(c);
    }

    if (fieldIndex < 1) return false;
    id = numbers[0];
    // Without both factors the capacity is unknown: 0, never a leftover value.
    part.capacity = fieldIndex >= 3 ? uint64_t(numbers[1]) * numbers[2] : 0;
    part.name = name;
    return true;
}

bool Parse_FlashIniLine(const QString &line, uint32_t id, FlashPart &part) {
    uint32_t lineId = 0;
    FlashPart read;
    if (!Read_FlashIniLine(line, lineId, read) || lineId != id) return false;
    part = read;
    return true;
}

bool Find_FlashPart(QTextStream &in, uint32_t id, FlashPart &part) {
    QString line;
    while (in.readLineInto(&line)) {
        if (line.startsWith(QLatin1String("[FLASH]"))) continue;
        if (Parse_FlashIniLine(line, id, part)) return true;
    }
    return false;
}

uint64_t Largest_FlashCapacity(QTextStream &in) {
    uint64_t largest = 0;
    QString line;
    while (in.readLineInto(&line)) {
        uint32_t id = 0;
        FlashPart part;
        if (!line.startsWith(QLatin1String("[FLASH]")) && Read_FlashIniLine(line, id, part))
            largest = qMax(largest, part.capacity);
    }
    return largest;
}

int32_t Flash_SizeOf(uint64_t capacity) {
    constexpr uint64_t largest = uint64_t(std::numeric_limits<int32_t>::max());
    return int32_t(capacity < largest ? capacity : largest);
}
