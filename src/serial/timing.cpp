#include "serial/timing.h"

int32_t Time_Stamp(const QDateTime &local) {
    const QDate d = local.date();
    const QTime t = local.time();
    // Unsigned arithmetic wraps like the 32-bit signed original without undefined behaviour.
    const uint32_t v = uint32_t(d.month()) * 1036800u + uint32_t(t.hour()) * 3600u +
                       uint32_t(t.second()) + uint32_t(d.day()) * 86400u +
                       uint32_t(t.minute()) * 60u + uint32_t(d.year() - 2000) * uint32_t(t.msec());
    return int32_t(v);
}

int32_t Time_Stamp() {
    return Time_Stamp(QDateTime::currentDateTime());
}

QString Log_Time_Text(const QTime &local) {
    return QStringLiteral("Timer:%1:%2:%3")
        .arg(local.hour())
        .arg(local.minute())
        .arg(local.second());
}

QString Log_Time_Text() {
    return Log_Time_Text(QTime::currentTime());
}
