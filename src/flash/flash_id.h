#pragma once

#include "protocol/session.h"
#include "protocol/transaction.h"

#include <cstdint>

// The get-flash-ID request with ID-read variant 0 (first try) or 1 (retry).
Frame FlashId_Frame(int variant);
// The flash ID of a get-flash-ID reply.
uint32_t Decode_FlashId_Reply(const ReplyFrame &reply);

// Looks `id` up in Flash.ini (current directory, else beside the program); sets flashSize and
// flashName and shows the part. True when a line matched.
bool Read_FlashIni(DeviceSession &s, uint32_t id);
// Reads the flash ID with read variant 0 or 1 and looks it up: 0 found, 1 not found, -1 port
// closed, -2 wrong reply letter, -3 no reply.
int Get_FlashID(DeviceSession &s, int variant);
// "Flash Info": variant 0, then variant 1 when the first did not find the part. The last
// Get_FlashID result (0 found).
int Flash_Info(DeviceSession &s);
