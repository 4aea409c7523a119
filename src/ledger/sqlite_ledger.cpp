#include "ledger/ledger_kinds.h"

#include "ledger/private_file.h"
#include "ledger/sql_ledger.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// One file on this machine. WAL lets the listing read while a station writes; FULL puts every
// commit on the disk before the step it allows (a lease's goes with the next: see SqlLedger::Tx).
class SqliteLedger : public SqlLedger {
  public:
    explicit SqliteLedger(const QString &file) : path(file) {}

  protected:
    QString driver() const override { return QStringLiteral("QSQLITE"); }
    void configure(QSqlDatabase &db) const override {
        db.setDatabaseName(path);
        // Another station process of this machine holding the write lock is waited for.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    }
    bool prepareConnection(QSqlDatabase &db, QString &reason) const override {
        QSqlQuery q(db);
        for (const char *pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"}) {
            if (!q.exec(QLatin1String(pragma))) {
                reason = QStringLiteral("ledger %1: %2").arg(path, q.lastError().text());
                return false;
            }
        }
        return true;
    }
    QString beginWrite() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    // Outside a transaction only: SQLite refuses to change it within one.
    QString lazyCommits() const override { return QStringLiteral("PRAGMA synchronous=NORMAL"); }
    QString durableCommits() const override { return QStringLiteral("PRAGMA synchronous=FULL"); }
    // The write lock taken at BEGIN IMMEDIATE keeps every other writer out.
    QString lockRows() const override { return QString(); }
    QString lockRow() const override { return QString(); }
    QString schemaLock() const override { return QString(); }
    QString serialKey() const override {
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    QString name() const override { return QStringLiteral("ledger ") + path; }

  private:
    QString path;
};

} // namespace

std::unique_ptr<Ledger> Open_SqliteLedger(const QString &path, QString &reason) {
    if (!Ensure_PrivateFile(path, reason)) return nullptr;
    auto ledger = std::make_unique<SqliteLedger>(path);
    if (!ledger->start(reason)) return nullptr;
    return ledger;
}
