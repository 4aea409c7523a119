#pragma once

#include <QString>
#include <QStringList>

// The reason a command line was refused, placed where the operator must look: when the option it
// concerns was given on a line of a --config file, the reason starts with that line
// ("station.conf:7: unknown option --prot"). `words` are the arguments as expanded, `places`
// where each came from (Expand_StationConfig), `unknownOptions` the parser's unknown names.
QString Place_ArgumentError(const QString &error, const QStringList &words,
                            const QStringList &places, const QStringList &unknownOptions);
