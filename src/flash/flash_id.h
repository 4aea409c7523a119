#pragma once

#include "protocol/session.h"
#include "protocol/transaction.h"

#include <QList>
#include <QString>
#include <cstdint>

// The get-flash-ID request with ID-read variant 0 (first try) or 1 (retry).
Frame FlashId_Frame(int variant);
// The flash ID of a get-flash-ID reply.
uint32_t Decode_FlashId_Reply(const ReplyFrame &reply);

// The Flash.ini the lookups read: the first that the search finds (flash_ini_search.h); empty
// when there is none.
QString Flash_IniFile(const DeviceSession &s);
// Why no part was found for `ids` (one or two flash IDs), in words, naming that Flash.ini.
QString Flash_UnknownPart(const DeviceSession &s, const QList<uint32_t> &ids);

// Looks `id` up in the Flash.ini that the search finds (flash_ini_search.h), read afresh; sets
// flashSize and flashName and shows the part. True when a line matched; a Flash.ini that cannot
// be read is logged.
bool Read_FlashIni(DeviceSession &s, uint32_t id);
// Reads the flash ID with read variant 0 or 1 and looks it up: 0 found, 1 not found, -1 port
// closed, -2 wrong reply letter, -3 no reply.
int Get_FlashID(DeviceSession &s, int variant);
// Variant 0, then variant 1 when the first did not find the part: the last Get_FlashID result
// (0 found), with the reason of a failure recorded.
int Identify_FlashPart(DeviceSession &s);
// "Flash Info": Identify_FlashPart with `busy` set.
int Flash_Info(DeviceSession &s);
