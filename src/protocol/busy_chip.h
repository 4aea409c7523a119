#pragma once

#include "protocol/chip_table.h"
#include "protocol/commands.h"
#include "protocol/session.h"

#include <QtGlobal>
#include <cstdint>

// A chip keeps working on a command after the host stopped waiting for it: a stopped run leaves
// a whole erase or a CRC over the whole part running for seconds (a W25Q128JV erases for about
// 40 s). The chip takes no new command until it is done and then answers the old one late. The
// next run waits for it instead of taking it for a silent port, and sets its late replies aside.

// The longest a command can keep a chip of `model` busy, as the tool waits for it: the whole
// erase of its external flash, or the CRC over the largest part it addresses.
qint64 Longest_CommandMs(const ChipModel &model);

// Whether `letter` starts the reply to another command than `awaited` (one of the table's): a
// late reply, not an answer.
bool Is_OtherCommandsReply(uint8_t letter, const CommandTraits &awaited);

// A wait for `command` ended while the chip may still be working on it (a stop, the deadline),
// `leftMs` before its budget ran out: the port is marked so that the next run waits that long.
void Note_ChipLeftBusy(DeviceSession &s, const CommandTraits &command, qint64 leftMs);

// How much longer a handshake waits because a run left the chip on this port working on a
// command that may not be done yet (0: none did): what the run had left of that command's wait,
// never more than the longest command of that chip. Says so in the log when it waits.
qint64 BusyChip_ExtraMs(DeviceSession &s);

// The chip answered (or was waited for to the end): no longer marked busy.
void Forget_ChipBusy(DeviceSession &s);
