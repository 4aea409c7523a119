#pragma once

#include <QString>
#include <cstdint>

class QTextStream;

// One record of Flash.ini: "ID,factor1,factor2,name," per line. Only characters of a field's
// class are kept (numbers: 0-9 A-F a-f x X; names: 0x21..0x7F), a field counts only once its
// comma is read, and a field longer than its buffer is cut at FlashIniFieldMax characters.
constexpr int FlashIniFieldMax = 267;

struct FlashPart {
    // The product of the two factors; 0 when a factor is missing. Not bounded to 32 bits.
    uint64_t capacity = 0;
    QString name;
};

// A hexadecimal field of `length` kept characters: two prefix characters and 1 to 8 digits,
// read from the last; any other length gives 0, and a non-digit (x or X) counts as 0.
uint32_t Hex_ToInt(const char *text, int length);

// Reads one line: false when it has no ID field, else its ID and part.
bool Read_FlashIniLine(const QString &line, uint32_t &id, FlashPart &part);
// Parses one line; true, with `part` set, when its ID field equals `id`. `part` is left alone
// otherwise.
bool Parse_FlashIniLine(const QString &line, uint32_t id, FlashPart &part);

// Searches a Flash.ini text for `id`: lines that begin with "[FLASH]" are skipped, the first
// matching line wins.
bool Find_FlashPart(QTextStream &in, uint32_t id, FlashPart &part);
// The largest capacity a Flash.ini text lists (lines as Find_FlashPart reads them); 0 for none.
uint64_t Largest_FlashCapacity(QTextStream &in);

// The flash size a capacity stands for: capacities of 2 GiB or more saturate at the largest
// signed 32-bit size, which every image the tool accepts fits.
int32_t Flash_SizeOf(uint64_t capacity);
