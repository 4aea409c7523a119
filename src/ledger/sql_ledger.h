#pragma once

#include "ledger/ledger.h"

#include <QSqlDatabase>
#include <QStringList>
#include <mutex>

class QSqlQuery;

// Who holds a lease: this machine, by its unique id (host names repeat on a line of cloned
// stations), and the process `pid` of it.
QString Ledger_Owner(qint64 pid);

// The ledger on Qt SQL. A connection belongs to the thread that opened it, so each thread that
// uses the ledger (each board's) gets its own, opened on first use and again after it failed.
// What differs between databases is left to the two kinds below.
class SqlLedger : public Ledger {
  public:
    SqlLedger();
    ~SqlLedger() override;

    bool importPool(const QString &pool, const QList<QByteArray> &values, QString &reason) override;
    bool lease(const UnitFields &fields, const BoardPlace &place, BoardLease &lease,
               QString &reason) override;
    bool markWriting(const BoardLease &lease, QString &reason) override;
    bool markWritten(const BoardLease &lease, QString &reason) override;
    bool release(const BoardLease &lease, QString &reason) override;
    bool markFailed(const BoardLease &lease, QString &reason) override;
    bool held(const QString &station, QList<BoardLease> &leases, QString &reason) override;
    bool recover(QString &reason) override;
    bool status(QList<LedgerCount> &counts, QString &reason) override;
    bool history(const QString &serial, QList<LedgerEntry> &entries, QString &reason) override;

    // Opens this thread's connection and makes the tables: false with the reason.
    bool start(QString &reason);

  protected:
    // The database's own words.
    virtual QString driver() const = 0;
    virtual void configure(QSqlDatabase &db) const = 0;
    // Run once per new connection (SQLite's pragmas).
    virtual bool prepareConnection(QSqlDatabase &db, QString &reason) const;
    // Begins a transaction that will write: SQLite takes its write lock at once.
    virtual QString beginWrite() const = 0;
    // Run before a transaction whose commit may wait for the next one to reach the disk, and
    // after it, to make commits reach the disk before they return again.
    virtual QString lazyCommits() const = 0;
    virtual QString durableCommits() const = 0;
    // Ends a SELECT of rows the transaction takes, so that two stations never take one.
    virtual QString lockRows() const = 0;
    // Ends a SELECT of the one row a transaction must have to itself (a counter's next number):
    // another station's hold on it is waited for, not passed over.
    virtual QString lockRow() const = 0;
    // Run first in the transaction that makes the tables (several stations may start at once).
    virtual QString schemaLock() const = 0;
    // The key column of the events table.
    virtual QString serialKey() const = 0;
    // What the ledger is, for reasons ("ledger /var/lib/tessara/ledger.sqlite").
    virtual QString name() const = 0;

  private:
    struct Tx;
    QSqlDatabase connection(QString &reason);
    bool makeTables(QSqlDatabase &db, QString &reason);
    bool changeState(const BoardLease &lease, const QStringList &from, const char *to,
                     QString &reason);
    // `expected`: how many values the lease holds; -1: as many as there are.
    bool changeState(const QString &leaseId, int expected, const QStringList &from, const char *to,
                     QString &reason);
    // `exhausted` is set when the refusal is that no value is left.
    bool takeCounter(QSqlDatabase &db, const UnitField &field, const QString &leaseId,
                     const BoardPlace &place, UnitValue &value, bool &exhausted, QString &reason);
    // The free value of `kind` ("counter", "pool") from `source` with the lowest index, taken
    // for the transaction: `found` false when there is none.
    bool firstFree(QSqlDatabase &db, const char *kind, const QString &source, bool &found,
                   int64_t &index, QString &value, QString &reason);
    bool takePool(QSqlDatabase &db, const UnitField &field, const QString &leaseId,
                  const BoardPlace &place, UnitValue &value, bool &exhausted, QString &reason);
    // The values of a lease, its rows locked for the transaction.
    bool leaseValues(QSqlDatabase &db, const QString &leaseId, UnitValues &values, QString &reason);
    // The values held for the board of `place.board` (a scanned identity), when there are any.
    bool takeAgain(QSqlDatabase &db, const UnitFields &fields, const BoardPlace &place,
                   BoardLease &lease, QString &reason);
    // The values held in `place.returning`, whose board came back holding them.
    bool takeReturning(QSqlDatabase &db, const UnitFields &fields, const BoardPlace &place,
                       BoardLease &lease, QString &reason);
    bool giveAgain(QSqlDatabase &db, const QString &previous, const UnitValues &values,
                   const BoardPlace &place, BoardLease &lease, QString &reason);
    // The values held for boards of unknown identity at `place`: spoiled, with their history.
    bool spoilHeldAt(QSqlDatabase &db, const BoardPlace &place, QString &reason);
    bool logEvents(QSqlDatabase &db, const QString &leaseId, QString &reason,
                   const char *as = nullptr);
    QString owner() const;

    const quint64 instance;
    std::mutex mutex;
    QStringList connections;
};
