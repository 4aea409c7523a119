#include "ledger/ledger_kinds.h"

#include "ledger/sql_ledger.h"

#include <QUrl>
#include <QUrlQuery>

namespace {

// Shared by the stations of a line. Rows are taken with FOR UPDATE SKIP LOCKED: a station passes
// over the rows another is taking, so two never take one and none waits for another's board.
class PostgresLedger : public SqlLedger {
  public:
    explicit PostgresLedger(const QUrl &address) : url(address) {}
    bool sharedByStations() const override { return true; }

  protected:
    QString driver() const override { return QStringLiteral("QPSQL"); }
    void configure(QSqlDatabase &db) const override {
        const QUrlQuery query(url);
        // A Unix socket's folder comes as ?host=/run/postgresql.
        db.setHostName(query.hasQueryItem(QStringLiteral("host"))
                           ? query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded)
                           : url.host());
        if (url.port() > 0) db.setPort(url.port());
        if (query.hasQueryItem(QStringLiteral("port")))
            db.setPort(query.queryItemValue(QStringLiteral("port")).toInt());
        db.setDatabaseName(url.path().mid(1));
        db.setUserName(url.userName());
        db.setPassword(url.password());
        db.setConnectOptions(QStringLiteral("connect_timeout=10"));
    }
    QString beginWrite() const override { return QStringLiteral("BEGIN"); }
    QString lazyCommits() const override { return QStringLiteral("SET synchronous_commit = off"); }
    QString durableCommits() const override {
        return QStringLiteral("SET synchronous_commit = on");
    }
    QString lockRows() const override { return QStringLiteral("FOR UPDATE SKIP LOCKED"); }
    QString lockRow() const override { return QStringLiteral("FOR UPDATE"); }
    QString schemaLock() const override {
        return QStringLiteral("SELECT pg_advisory_xact_lock(5165842)");
    }
    QString serialKey() const override { return QStringLiteral("BIGSERIAL PRIMARY KEY"); }
    // The password never goes into a reason.
    QString name() const override {
        return QStringLiteral("ledger ") + url.toString(QUrl::RemovePassword);
    }

  private:
    QUrl url;
};

} // namespace

std::unique_ptr<Ledger> Open_PostgresLedger(const QString &url, QString &reason) {
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.path().size() < 2) {
        reason = QStringLiteral("the ledger URL must be postgresql://[USER@]HOST[:PORT]/DATABASE "
                                "(a socket folder as ?host=/PATH)");
        return nullptr;
    }
    auto ledger = std::make_unique<PostgresLedger>(parsed);
    if (!ledger->start(reason)) return nullptr;
    return ledger;
}
