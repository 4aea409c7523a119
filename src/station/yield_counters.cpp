#include "station/yield_counters.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(YieldCounters)
};

constexpr qint64 PaceAfterSeconds = 15 * 60;

int percentOf(int part, int all) {
    return all == 0 ? -1 : int(100.0 * part / all + 0.5);
}

QString percentText(int percent) {
    return percent < 0 ? QStringLiteral("-") : QStringLiteral("%1 %").arg(percent);
}

} // namespace

int BoardCounts::firstPassYield() const {
    return percentOf(firstPass, total);
}

int BoardCounts::finalYield() const {
    return percentOf(passed, total);
}

void YieldCounters::add(BoardCounts &c, int attempt, bool before, bool passed) {
    if (attempt <= 1) {
        c.total += 1;
        (passed ? c.passed : c.failed) += 1;
        if (passed) c.firstPass += 1;
        return;
    }
    if (before == passed) return; // the board keeps its side
    (before ? c.passed : c.failed) -= 1;
    (passed ? c.passed : c.failed) += 1;
}

void YieldCounters::count(const QString &slot, int attempt, bool before, bool passed) {
    add(station, attempt, before, passed);
    add(perSlot[slot], attempt, before, passed);
}

void YieldCounters::reset(const QDateTime &now) {
    since = now;
    station = {};
    perSlot.clear();
}

BoardCounts YieldCounters::ofSlot(const QString &slot) const {
    const auto found = perSlot.find(slot);
    return found == perSlot.end() ? BoardCounts{} : found->second;
}

double YieldCounters::perHour(const QDateTime &now) const {
    const qint64 seconds = since.secsTo(now);
    if (seconds < PaceAfterSeconds) return -1;
    return station.total * 3600.0 / double(seconds);
}

QString YieldCounters::text(const QDateTime &now) const {
    const double pace = perHour(now);
    return Words::tr("Total %1 · Passed %2 · Failed %3 · First-pass yield %4 · Final yield %5 · "
                     "%6 boards/hour · since %7")
        .arg(station.total)
        .arg(station.passed)
        .arg(station.failed)
        .arg(percentText(station.firstPassYield()), percentText(station.finalYield()),
             pace < 0 ? QStringLiteral("-") : QString::number(pace, 'f', 0),
             QLocale().toString(since, QLocale::ShortFormat));
}
