#include "station/station_history.h"

#include "line/station_records.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

namespace {

// A day's report of a busy line is some megabytes; a line, a few hundred bytes.
constexpr qint64 MaxReportBytes = 256LL * 1024 * 1024;
constexpr qint64 MaxLineBytes = 64 * 1024;

} // namespace

QString Board_Key(const QString &usbSerial, const QString &port, const QString &slot) {
    return usbSerial.isEmpty() ? QStringLiteral("port:%1|%2").arg(port, slot)
                               : QStringLiteral("usb:") + usbSerial;
}

int Records_BeforeReset(const QString &auditPath, const QString &station) {
    QFile file(auditPath);
    int last = 0;
    if (!file.open(QIODevice::ReadOnly)) return last;
    qint64 read = 0;
    while (!file.atEnd() && read < MaxReportBytes) {
        const QByteArray line = file.readLine(MaxLineBytes);
        read += line.size();
        const QJsonObject r = QJsonDocument::fromJson(line).object();
        if (r.value(QStringLiteral("event")).toString() == QLatin1String("counters reset") &&
            r.value(QStringLiteral("station")).toString() == station)
            last = r.value(QStringLiteral("records_before")).toInt();
    }
    return last;
}

StationHistory Read_StationHistory(const QString &path, const QString &station,
                                   const QString &recipe, const QString &lot, int uncounted) {
    StationHistory history;
    std::map<QString, bool> lastPassedInSlot;
    bool first = true;
    Read_StationRecords(path, station, [&](const QJsonObject &r) {
        const bool ok = r.value(QStringLiteral("result")).toString() == QLatin1String("ok");
        const bool ofRecipe = r.value(QStringLiteral("recipe")).toString() == recipe;
        const QString serial = r.value(QStringLiteral("board_serial")).toString();
        if (ofRecipe && !serial.isEmpty()) {
            if (ok)
                history.passedSerials.insert(serial);
            else
                history.passedSerials.remove(serial);
        }
        const QString slot = r.value(QStringLiteral("slot")).toString();
        const int attempt = r.value(QStringLiteral("attempt")).toString().toInt();
        if (attempt < 1) return;
        const QDateTime time =
            QDateTime::fromString(r.value(QStringLiteral("time")).toString(), Qt::ISODate);
        const bool counts =
            history.records >= uncounted && r.value(QStringLiteral("lot")).toString() == lot;
        history.records += 1;
        if (counts) {
            if (first) history.counters.reset(time);
            first = false;
            // A retry whose first run is not counted (a report cut short, a reset between)
            // counts as a board.
            const int counted = lastPassedInSlot.count(slot) ? attempt : 1;
            history.counters.count(slot, counted, lastPassedInSlot[slot], ok);
            lastPassedInSlot[slot] = ok;
            history.counted += 1;
        }
        const QString key = Board_Key(r.value(QStringLiteral("usb_serial")).toString(),
                                      r.value(QStringLiteral("port")).toString(), slot);
        if (ofRecipe)
            history.lastRuns.insert(key, LastRun{attempt, ok, counts, serial});
        else
            history.lastRuns.remove(key);
    });
    return history;
}
