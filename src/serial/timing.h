#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

// Busy-waits `us` microseconds on the high-resolution monotonic counter, without sleeping and
// without processing events: packet pacing needs waits far finer than any sleep. us <= 0 returns
// at once.
void Delay_us(int64_t us);

// The handshake time stamp of a local date-time (32-bit wrap-around arithmetic, as the boot
// loader expects): month*1036800 + hour*3600 + second + day*86400 + minute*60
// + (year-2000)*milliseconds.
int32_t Time_Stamp(const QDateTime &local);
int32_t Time_Stamp(); // of the current local time

// The wall-clock log line "Timer:H:M:S", without leading zeros.
QString Log_Time_Text(const QTime &local);
QString Log_Time_Text(); // of the current local time
