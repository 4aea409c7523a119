#include "line/station_overview.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <utility>

namespace {

constexpr qint64 BucketMs = 10 * 60 * 1000;
// A reason is cut to this many characters, so that a whole overview stays well below what a
// page takes (256 slots and 20 failures of such reasons are about 100 KB).
constexpr int ReasonLimit = 300;

QString clipped(const QString &reason) {
    return reason.size() <= ReasonLimit ? reason : reason.left(ReasonLimit - 1) + QChar(0x2026);
}

QString timeText(const QDateTime &time) {
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QJsonValue textOrNull(const QString &text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

const char *const RecipeFields[] = {"model", "product", "version", "bundle_sha256"};

QJsonObject noRecipe(const QString &command) {
    QJsonObject recipe{{"command", command}};
    for (const char *field : RecipeFields)
        recipe.insert(QLatin1String(field), QJsonValue());
    return recipe;
}

// What a record tells of what the board was written with; a record that lacks a field (a board
// that failed before its chip answered) leaves what earlier ones told.
void takeRecipe(QJsonObject &recipe, const QJsonObject &record) {
    for (const char *field : RecipeFields) {
        const QJsonValue value = record.value(QLatin1String(field));
        if (value.isString() && !value.toString().isEmpty())
            recipe.insert(QLatin1String(field), value);
    }
}

} // namespace

StationOverview::StationOverview(const QString &name, const QString &cmd, const QDateTime &start)
    : station(name), command(cmd), since(start), recipe(noRecipe(cmd)) {}

StationOverview::Slot &StationOverview::slotOf(const QString &port) {
    if (!slotsByPort.contains(port) && slotsByPort.size() >= SlotLimit) {
        // The slot left alone the longest gives way; a running one only when all are.
        const auto rank = [](const Slot &slot) {
            return std::make_pair(slot.state == QLatin1String("running"), slot.time);
        };
        auto oldest = slotsByPort.begin();
        for (auto it = slotsByPort.begin(); it != slotsByPort.end(); ++it)
            if (rank(*it) < rank(*oldest)) oldest = it;
        slotsByPort.erase(oldest);
    }
    Slot &slot = slotsByPort[port];
    slot.port = port;
    return slot;
}

void StationOverview::boardStarted(const BoardIdentity &board, const QDateTime &now) {
    Slot &slot = slotOf(board.port);
    slot.slot = board.slot;
    slot.state = QStringLiteral("running");
    slot.model = board.model;
    slot.reason.clear();
    slot.failure.clear();
    slot.time = now;
    slot.serial = board.usbSerial;
    // A board known by its USB serial number that ended here before is being run again.
    slot.firstPass = board.usbSerial.isEmpty() || !seenSerials.contains(board.usbSerial);
}

void StationOverview::remember(const QString &serial) {
    if (serial.isEmpty() || seenSerials.contains(serial)) return;
    seenSerials.insert(serial);
    serialOrder.push_back(serial);
    if (int(serialOrder.size()) > SerialLimit) {
        seenSerials.remove(serialOrder.front());
        serialOrder.pop_front();
    }
}

void StationOverview::boardEnded(const QString &port, const JobResult &result,
                                 const QByteArray &record, const QDateTime &now) {
    const QString state = result.ok()            ? QStringLiteral("ok")
                          : result.interrupted() ? QStringLiteral("interrupted")
                                                 : QStringLiteral("fail");
    const QString failure =
        result.failure ? QLatin1String(Failure_KindName(result.failure->kind)) : QString();
    count(slotOf(port), state, failure, result.reason(), QJsonDocument::fromJson(record).object(),
          now);
}

void StationOverview::recordEnded(const QJsonObject &record) {
    const QString port = record.value(QLatin1String("port")).toString();
    const QString state = record.value(QLatin1String("result")).toString();
    const QDateTime time =
        QDateTime::fromString(record.value(QLatin1String("time")).toString(), Qt::ISODate);
    if (port.isEmpty() || !time.isValid() ||
        !QStringList{"ok", "fail", "interrupted"}.contains(state))
        return;
    if (!shiftStarted) since = time;
    shiftStarted = true;
    Slot &slot = slotOf(port);
    slot.slot = record.value(QLatin1String("slot")).toString();
    slot.serial = record.value(QLatin1String("usb_serial")).toString();
    slot.firstPass = slot.serial.isEmpty() || !seenSerials.contains(slot.serial);
    count(slot, state, record.value(QLatin1String("failure")).toString(),
          record.value(QLatin1String("reason")).toString(), record, time);
}

void StationOverview::count(Slot &slot, const QString &state, const QString &failure,
                            const QString &reason, const QJsonObject &fields,
                            const QDateTime &now) {
    const bool passed = state == QLatin1String("ok");
    const bool stopped = state == QLatin1String("interrupted");
    slot.state = state;
    slot.model = fields.value(QLatin1String("model")).toString(slot.model);
    slot.reason = clipped(reason);
    slot.failure = failure;
    slot.time = now;
    takeRecipe(recipe, fields);

    ++boards;
    ++(passed ? ok : stopped ? interrupted : failed);
    // A stopped board is neither passed nor failed, and it may run again as a first pass.
    if (!stopped && slot.firstPass) {
        ++firstPassBoards;
        if (passed) ++firstPassOk;
    }
    slot.firstPass = false;
    if (!stopped) {
        remember(slot.serial);
        Bucket &bucket = buckets[now.toMSecsSinceEpoch() / BucketMs * BucketMs];
        ++(passed ? bucket.ok : bucket.failed);
        // Only the last day's buckets are kept, and never more than a day holds (a clock set
        // back leaves later ones behind).
        const qint64 oldest = now.toMSecsSinceEpoch() - BucketLimit * BucketMs;
        while (!buckets.isEmpty() && (buckets.firstKey() <= oldest || buckets.size() > BucketLimit))
            buckets.erase(buckets.begin());
    }
    if (!passed && !stopped) {
        failures.push_back(QJsonObject{{"time", timeText(now)},
                                       {"port", slot.port},
                                       {"slot", textOrNull(slot.slot)},
                                       {"model", textOrNull(slot.model)},
                                       {"failure", textOrNull(slot.failure)},
                                       {"reason", slot.reason}});
        if (int(failures.size()) > FailureLimit) failures.pop_front();
    }
}

void StationOverview::setCounters(const QJsonObject &counters, const QDateTime &from) {
    keptCounters = counters;
    keptSince = from;
}

QByteArray StationOverview::json(const QDateTime &now) const {
    QJsonArray slotList;
    for (const Slot &slot : slotsByPort)
        slotList.append(QJsonObject{{"port", slot.port},
                                    {"slot", textOrNull(slot.slot)},
                                    {"state", slot.state},
                                    {"since", timeText(slot.time)},
                                    {"model", textOrNull(slot.model)},
                                    {"failure", textOrNull(slot.failure)},
                                    {"reason", textOrNull(slot.reason)}});
    QJsonArray failureList;
    for (const QJsonObject &failure : failures)
        failureList.append(failure);
    QJsonArray bucketList;
    for (auto it = buckets.cbegin(); it != buckets.cend(); ++it)
        bucketList.append(
            QJsonObject{{"start", timeText(QDateTime::fromMSecsSinceEpoch(
                                      it.key(), Qt::OffsetFromUTC, now.offsetFromUtc()))},
                        {"ok", it->ok},
                        {"failed", it->failed}});
    const bool kept = !keptCounters.isEmpty();
    const QJsonObject counted{{"boards", boards},
                              {"ok", ok},
                              {"failed", failed},
                              {"interrupted", interrupted},
                              {"first_pass_boards", firstPassBoards},
                              {"first_pass_ok", firstPassOk}};
    const QJsonObject overview{{"v", 1},
                               {"event", "overview"},
                               {"time", timeText(now)},
                               {"station", station},
                               {"since", timeText(kept ? keptSince : since)},
                               {"recipe", recipe},
                               {"counters", kept ? keptCounters : counted},
                               {"slots", slotList},
                               {"failures", failureList},
                               {"per_10_minutes", bucketList}};
    return QJsonDocument(overview).toJson(QJsonDocument::Compact);
}
