#include "ledger_rows.h"

#include "ledger/ledger.h"
#include "support/postgres_server.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QTextStream>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr int Boards = 400;
constexpr double GoalMs = 5.0;

UnitFields benchFields() {
    UnitFields fields;
    QString reason;
    Parse_UnitFields(
        QJsonDocument::fromJson(R"([{"name":"serial","kind":"counter","offset":0,)"
                                R"("encoding":"u32le","start":1},{"name":"key","kind":"pool",)"
                                R"("pool":"hdcp","offset":16,"length":16,"secret":true}])")
            .array(),
        fields, reason);
    return fields;
}

// One board's ledger work, step by step, in milliseconds.
struct BoardTimes {
    std::vector<double> total, lease, writing, written;
};

double percentile(std::vector<double> v, double share) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.at(size_t(share * double(v.size() - 1) + 0.5));
}

double mean(const std::vector<double> &v) {
    return v.empty() ? 0 : std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
}

// Times each board's work as a run does it (what is held for failed boards, the lease, the mark
// before the first write, written after the check), or the reason it could not run.
QString perBoard(const QString &where, BoardTimes &times) {
    QString reason;
    std::unique_ptr<Ledger> ledger = Open_Ledger(where, reason);
    if (!ledger) return reason;
    QList<QByteArray> keys;
    for (int i = 0; i < Boards; ++i)
        keys.append(QByteArray::number(0x20000000 + i, 16) + QByteArray(8, 'k'));
    if (!ledger->importPool(QStringLiteral("hdcp"), keys, reason)) return reason;
    const UnitFields fields = benchFields();
    const BoardPlace place{QStringLiteral("bench"), QStringLiteral("port"), QString()};
    const auto ms = [](QElapsedTimer &clock) { return double(clock.nsecsElapsed()) / 1e6; };
    for (int i = 0; i < Boards; ++i) {
        BoardLease lease;
        QList<BoardLease> held;
        QElapsedTimer board, step;
        board.start();
        step.start();
        if (!ledger->held(place.station, held, reason) ||
            !ledger->lease(fields, place, lease, reason))
            return reason;
        times.lease.push_back(ms(step));
        step.restart();
        if (!ledger->markWriting(lease, reason)) return reason;
        times.writing.push_back(ms(step));
        step.restart();
        if (!ledger->markWritten(lease, reason)) return reason;
        times.written.push_back(ms(step));
        times.total.push_back(ms(board));
    }
    return QString();
}

} // namespace

int Run_LedgerRows(const QString &dir, QTextStream &out) {
    out << "\n"
        << QStringLiteral("%1 %2 %3 %4 %5 %6   %7\n")
               .arg(QStringLiteral("lease + commit per board"), -28)
               .arg(QStringLiteral("boards"), 7)
               .arg(QStringLiteral("median ms"), 10)
               .arg(QStringLiteral("mean ms"), 8)
               .arg(QStringLiteral("p90 ms"), 7)
               .arg(QStringLiteral("goal ms"), 8)
               .arg(QStringLiteral("median ms: lease, writing, written"));
    int failures = 0;
    PostgresServer server;
    const bool postgres = server.start(true);
    const QList<QPair<QString, QString>> rows = {
        {QStringLiteral("SQLite (WAL, FULL sync)"), dir + QStringLiteral("/bench-ledger.sqlite")},
        {QStringLiteral("PostgreSQL (socket, fsync)"), postgres ? server.url() : QString()}};
    for (const auto &row : rows) {
        BoardTimes t;
        const QString error =
            row.second.isEmpty() ? QStringLiteral("no server") : perBoard(row.second, t);
        const double median = percentile(t.total, 0.5);
        // The goal is the typical board's: the median, as the machine is shared.
        if (!error.isEmpty() || median > GoalMs) ++failures;
        if (!error.isEmpty())
            out << row.first << ": FAILED: " << error << "\n";
        else
            out << QStringLiteral("%1 %2 %3 %4 %5 %6   %7, %8, %9\n")
                       .arg(row.first, -28)
                       .arg(Boards, 7)
                       .arg(median, 10, 'f', 3)
                       .arg(mean(t.total), 8, 'f', 3)
                       .arg(percentile(t.total, 0.9), 7, 'f', 3)
                       .arg(GoalMs, 8, 'f', 1)
                       .arg(percentile(t.lease, 0.5), 0, 'f', 3)
                       .arg(percentile(t.writing, 0.5), 0, 'f', 3)
                       .arg(percentile(t.written, 0.5), 0, 'f', 3);
        out.flush();
    }
    return failures;
}
