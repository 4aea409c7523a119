#pragma once

#include <QByteArray>
#include <cstdio>
#include <optional>

// How much a line on stderr matters, as the systemd journal ranks it (sd-daemon's prefixes), so
// that `journalctl -p err` shows the failures of a station run as a service.
enum class LinePriority { Failure = 3, Warning = 4, Information = 6 };

// Whether `stream` is connected to the journal: the service manager names that connection's
// device and inode in JOURNAL_STREAM ("DEVICE:INODE").
bool Stream_IsJournal(FILE *stream);
// `text` with "<N>" in front of each of its lines, for the journal.
QByteArray Journal_Prefixed(const QByteArray &text, LinePriority priority);

// "DEVICE:INODE" of the file `stream` writes to, as JOURNAL_STREAM writes it; none where the
// system has no such thing. (journal_stream_<platform>.cpp)
std::optional<QByteArray> Stream_DeviceInode(FILE *stream);
