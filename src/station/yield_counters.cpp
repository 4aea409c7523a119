#include "station/yield_counters.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(YieldCounters)
};

} // namespace

void YieldCounters::reset(const QDateTime &now) {
    since = now;
    passedBoards = failedBoards = 0;
}

int YieldCounters::yieldPercent() const {
    const int all = passedBoards + failedBoards;
    return all == 0 ? -1 : int(100.0 * passedBoards / all + 0.5);
}

double YieldCounters::perHour(const QDateTime &now) const {
    const double seconds = std::max<qint64>(60, since.secsTo(now));
    return (passedBoards + failedBoards) * 3600.0 / seconds;
}

QString YieldCounters::text(const QDateTime &now) const {
    const int yield = yieldPercent();
    return Words::tr("Passed %1 · Failed %2 · Yield %3 · %4 boards/hour · since %5")
        .arg(passedBoards)
        .arg(failedBoards)
        .arg(yield < 0 ? QStringLiteral("-") : QStringLiteral("%1 %").arg(yield))
        .arg(QString::number(perHour(now), 'f', 0))
        .arg(QLocale().toString(since, QLocale::ShortFormat));
}
