#pragma once

#include <QString>
#include <QStringList>

// The reports of earlier runs that may still owe the broker board ends: a station's report is
// dated (a new one each day) and a service's --report may name another file on each start, so
// the ends an earlier report owes would never be sent by a run that only looks at its own.
//
// An earlier report is a file NAME in the folder of `current`, other than `current`, with the
// acknowledgements file NAME.mqtt-acked beside it (which only a run that published NAME to a
// broker makes); both are regular files, neither a symbolic link, and NAME is larger than the
// cursor that file keeps (so something past it is not acknowledged yet). The least recently
// modified first (its records are the oldest), at most `limit` of them; at most `scanLimit`
// entries of the folder are looked at.
QStringList Earlier_OwingReports(const QString &current, int limit = 32, int scanLimit = 10000);
