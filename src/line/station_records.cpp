#include "line/station_records.h"

#include <QFile>
#include <QJsonDocument>

namespace {

// A day's report of a busy line is some megabytes; a record, a few hundred bytes.
constexpr qint64 MaxReportBytes = 256LL * 1024 * 1024;
constexpr qint64 MaxLineBytes = 64 * 1024;

// The next line of `file`, or an empty one for a line too long to be a record (its rest is read
// past, so that no part of it passes for a line of its own).
QByteArray nextLine(QFile &file, qint64 &read) {
    QByteArray line = file.readLine(MaxLineBytes + 1);
    read += line.size();
    if (line.endsWith('\n') || file.atEnd()) return line;
    while (!file.atEnd() && read < MaxReportBytes) {
        const QByteArray rest = file.readLine(MaxLineBytes);
        read += rest.size();
        if (rest.endsWith('\n')) break;
    }
    return QByteArray();
}

} // namespace

int Read_StationRecords(const QString &path, const QString &station,
                        const std::function<void(const QJsonObject &record)> &take) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    int told = 0;
    qint64 read = 0;
    while (!file.atEnd() && read < MaxReportBytes) {
        const QJsonObject r = QJsonDocument::fromJson(nextLine(file, read)).object();
        if (r.isEmpty() || r.contains(QStringLiteral("type")) ||
            r.value(QStringLiteral("station")).toString() != station)
            continue;
        take(r);
        ++told;
    }
    return told;
}
