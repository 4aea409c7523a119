#include "station/station_audit.h"

#include <QJsonDocument>

QString StationAudit::pathBeside(const QString &reportPath) {
    QString base = reportPath;
    if (base.endsWith(QLatin1String(".jsonl"))) base.chop(6);
    return base + QStringLiteral(".audit.jsonl");
}

bool StationAudit::open(const QString &path) {
    return file.open(path);
}

bool StationAudit::record(const QString &event, const QString &who, QJsonObject details,
                          const QDateTime &time) {
    details.insert(QStringLiteral("type"), QStringLiteral("audit"));
    details.insert(QStringLiteral("time"),
                   time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate));
    details.insert(QStringLiteral("station"), station);
    details.insert(QStringLiteral("who"), who);
    details.insert(QStringLiteral("event"), event);
    return file.appendRecord(QJsonDocument(details).toJson(QJsonDocument::Compact) + '\n');
}
