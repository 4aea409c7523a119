#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// A chip that a run left working on a command (a stop or the run's deadline ended its wait, not
// the chip's work): which command, the chip's model code, and until when (milliseconds since the
// epoch) the run would have waited for it. Kept beside the port's name in a small file of the
// runtime directory, so that the next run on that port, in this program or another, finds it.
struct BusyMark {
    uint8_t letter = 0;
    uint32_t modelCode = 0;
    qint64 untilMs = 0;
};

// Where the marks are kept: $XDG_RUNTIME_DIR/tessara-busy, else the temporary directory's.
QString BusyMark_Directory();

// Records `mark` for `portName`, replacing what was there. A mark that cannot be written costs
// the next run its longer wait, nothing else: it is not reported.
void Save_BusyMark(const QString &portName, const BusyMark &mark);
// The mark of `portName`, if one was left and reads whole.
std::optional<BusyMark> Read_BusyMark(const QString &portName);
// The chip on `portName` is idle (it answered) or no longer awaited.
void Clear_BusyMark(const QString &portName);

// The text of a mark and back; a text that is not one is no mark.
QByteArray BusyMark_Text(const BusyMark &mark);
std::optional<BusyMark> Parse_BusyMark(const QByteArray &text);
