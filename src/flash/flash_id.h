#pragma once

#include "protocol/observer.h"
#include "protocol/result.h"
#include "protocol/session.h"
#include "protocol/transaction.h"

#include <QList>
#include <QString>
#include <cstdint>

// The get-flash-ID request with ID-read variant 0 (first try) or 1 (retry).
Frame FlashId_Frame(int variant);
// The flash ID of a get-flash-ID reply.
uint32_t Decode_FlashId_Reply(const ReplyFrame &reply);

// The Flash.ini the lookups read, `chosen` (one the operator named) searched first: the first
// that the search finds (flash_ini_search.h); empty when there is none.
QString Flash_IniFile(const QString &chosen);
// Why no part was found for `ids` (one or two flash IDs), in words, naming that Flash.ini.
QString Flash_UnknownPart(const QString &chosen, const QList<uint32_t> &ids);

// Looks `id` up in the Flash.ini that the search finds, read afresh, and tells the part as a
// fact: capacity 0 and no name when no line matched. A Flash.ini that cannot be read is logged.
FlashPartFacts Read_FlashIni(Observer &ui, const QString &chosen, uint32_t id);
// Reads the flash ID with read variant 0 or 1 and looks it up: the part, listed or not.
Result<FlashPartFacts> Get_FlashID(DeviceSession &s, int variant, const QString &chosen);
// "Flash Info": variant 0, then variant 1 when the first did not find the part. The part, or why
// none was identified (a part Flash.ini does not list is such a failure).
Result<FlashPartFacts> Identify_FlashPart(DeviceSession &s, const QString &chosen);
