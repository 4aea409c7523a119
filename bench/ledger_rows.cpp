#include "ledger_rows.h"

#include "ledger/ledger.h"
#include "support/postgres_server.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QTextStream>

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

// Milliseconds per board, or the reason it could not run.
QString perBoard(const QString &where, double &ms) {
    QString reason;
    std::unique_ptr<Ledger> ledger = Open_Ledger(where, reason);
    if (!ledger) return reason;
    QList<QByteArray> keys;
    for (int i = 0; i < Boards; ++i)
        keys.append(QByteArray::number(0x20000000 + i, 16) + QByteArray(8, 'k'));
    if (!ledger->importPool(QStringLiteral("hdcp"), keys, reason)) return reason;
    const UnitFields fields = benchFields();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Boards; ++i) {
        BoardLease lease;
        const BoardPlace place{QStringLiteral("bench"), QStringLiteral("port"), QString()};
        if (!ledger->lease(fields, place, lease, reason) || !ledger->markWriting(lease, reason) ||
            !ledger->markWritten(lease, reason))
            return reason;
    }
    ms = double(clock.nsecsElapsed()) / 1e6 / Boards;
    return QString();
}

} // namespace

int Run_LedgerRows(const QString &dir, QTextStream &out) {
    out << "\n"
        << QStringLiteral("%1 %2 %3 %4\n")
               .arg(QStringLiteral("lease + commit per board"), -28)
               .arg(QStringLiteral("boards"), 7)
               .arg(QStringLiteral("ms/board"), 9)
               .arg(QStringLiteral("goal ms"), 8);
    int failures = 0;
    PostgresServer server;
    const bool postgres = server.start();
    const QList<QPair<QString, QString>> rows = {
        {QStringLiteral("SQLite (WAL, FULL sync)"), dir + QStringLiteral("/bench-ledger.sqlite")},
        {QStringLiteral("PostgreSQL (Unix socket)"), postgres ? server.url() : QString()}};
    for (const auto &row : rows) {
        double ms = 0;
        const QString error =
            row.second.isEmpty() ? QStringLiteral("no server") : perBoard(row.second, ms);
        if (!error.isEmpty() || ms > GoalMs) ++failures;
        if (!error.isEmpty())
            out << row.first << ": FAILED: " << error << "\n";
        else
            out << QStringLiteral("%1 %2 %3 %4\n")
                       .arg(row.first, -28)
                       .arg(Boards, 7)
                       .arg(ms, 9, 'f', 3)
                       .arg(GoalMs, 8, 'f', 1);
        out.flush();
    }
    return failures;
}
