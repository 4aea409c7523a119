#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

// Waits `us` microseconds, never less, without processing events. Packet pacing needs waits finer
// than a plain sleep gives, so the end of the wait is spun on the high-resolution counter; where
// the platform allows, most of it is slept first, so that pacing does not cost a core per board.
// us <= 0 returns at once.
void Delay_us(int64_t us);

// The handshake time stamp of a local date-time (32-bit wrap-around arithmetic, as the boot
// loader expects): month*1036800 + hour*3600 + second + day*86400 + minute*60
// + (year-2000)*milliseconds.
int32_t Time_Stamp(const QDateTime &local);
int32_t Time_Stamp(); // of the current local time

// The wall-clock log line "Timer:H:M:S", without leading zeros.
QString Log_Time_Text(const QTime &local);
QString Log_Time_Text(); // of the current local time
