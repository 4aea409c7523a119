#include "ledger/sql_ledger.h"

#include "jobs/board_thread.h"
#include "ledger/process_alive.h"
#include "ledger/returning_board.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QUuid>
#include <atomic>
#include <memory>

namespace {

QString now() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

// The connections a thread opened, closed when it ends, and the statements prepared on each.
struct ThreadConnections {
    QStringList names;
    QHash<QString, QHash<QString, std::shared_ptr<QSqlQuery>>> prepared;
    bool closedWithThread = false;
    void closeAll() {
        prepared.clear();
        for (const QString &name : names)
            QSqlDatabase::removeDatabase(name);
        names.clear();
    }
    ~ThreadConnections() { closeAll(); }
};
thread_local ThreadConnections threadConnections;
std::atomic<quint64> connectionSerial{0};
thread_local const quint64 threadSerial = ++connectionSerial;
std::atomic<quint64> ledgerSerial{0};

// Closes a connection that failed (it is opened afresh next time), its statements first.
void closeFailed(QSqlDatabase &db) {
    threadConnections.prepared.remove(db.connectionName());
    db.close();
}

// A statement with its values bound in order; false with the database's reason.
bool run(QSqlQuery &q, const QString &sql, const QVariantList &values, QString &reason) {
    // PostgreSQL prepares no table definitions: a statement without values runs as it is.
    if (values.isEmpty()) {
        if (q.exec(sql)) return true;
        reason = q.lastError().text();
        return false;
    }
    if (!q.prepare(sql)) {
        reason = q.lastError().text();
        return false;
    }
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        reason = q.lastError().text();
        return false;
    }
    return true;
}

// A statement prepared once per connection and run again with new values (one round trip to a
// server instead of three, no parsing on SQLite): its rows are read through the object, and the
// statement is reset when it goes, so that no read stays open.
class Prepared {
  public:
    Prepared(QSqlDatabase &db, const QString &sql, const QVariantList &values, QString &reason) {
        auto &cache = threadConnections.prepared[db.connectionName()];
        std::shared_ptr<QSqlQuery> &cached = cache[sql];
        if (!cached) {
            auto made = std::make_shared<QSqlQuery>(db);
            made->setForwardOnly(true);
            if (!made->prepare(sql)) {
                reason = made->lastError().text();
                cache.remove(sql);
                return;
            }
            cached = made;
        }
        for (int i = 0; i < values.size(); ++i)
            cached->bindValue(i, values.at(i));
        if (!cached->exec()) {
            reason = cached->lastError().text();
            cached->finish();
            cache.remove(sql);
            return;
        }
        q = cached;
    }
    ~Prepared() {
        if (q) q->finish();
    }
    Prepared(const Prepared &) = delete;
    Prepared &operator=(const Prepared &) = delete;
    explicit operator bool() const { return q != nullptr; }
    QSqlQuery *operator->() const { return q.get(); }
    QSqlQuery &operator*() const { return *q; }

  private:
    std::shared_ptr<QSqlQuery> q;
};

// A statement that returns no rows.
bool run(QSqlDatabase &db, const QString &sql, const QVariantList &values, QString &reason) {
    if (values.isEmpty()) {
        QSqlQuery q(db);
        return run(q, sql, values, reason);
    }
    return bool(Prepared(db, sql, values, reason));
}

QString fieldsOf(const QStringList &states) {
    QStringList quoted;
    for (const QString &s : states)
        quoted.append(QLatin1Char('\'') + s + QLatin1Char('\''));
    return quoted.join(QLatin1Char(','));
}

// What a board's values are found by again.
constexpr char Columns[] = "kind, source, idx, value";

// The value of the Columns of `q` from its column `at` on.
UnitValue valueOf(const QSqlQuery &q, int at) {
    UnitValue v;
    v.source = q.value(at + 1).toString();
    v.index = q.value(at + 2).toLongLong();
    if (q.value(at).toString() == QLatin1String("counter"))
        v.number = q.value(at + 3).toString().toULongLong();
    else
        v.bytes = QByteArray::fromHex(q.value(at + 3).toString().toLatin1());
    return v;
}

} // namespace

// A write transaction: rolled back unless committed.
// A lazy one's commit need not reach the disk before it returns: the next durable commit of the
// database takes it there with its own, as the log is written in order.
struct SqlLedger::Tx {
    enum Commit { Durable, Lazy };
    explicit Tx(SqlLedger &owner, Commit kind = Durable) : ledger(owner), lazy(kind == Lazy) {}
    SqlLedger &ledger;
    const bool lazy;
    QSqlDatabase db;
    bool open = false;

    bool begin(QString &reason) {
        db = ledger.connection(reason);
        if (!db.isValid()) return false;
        QSqlQuery q(db);
        if ((lazy && !q.exec(ledger.lazyCommits())) || !q.exec(ledger.beginWrite())) {
            reason = q.lastError().text();
            // A connection that lost its server is opened afresh next time.
            closeFailed(db);
            return false;
        }
        open = true;
        return true;
    }
    bool commit(QString &reason) {
        QSqlQuery q(db);
        open = false;
        if (!q.exec(QStringLiteral("COMMIT"))) {
            reason = q.lastError().text();
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            closeFailed(db);
            return false;
        }
        durableAgain();
        return true;
    }
    ~Tx() {
        if (!open) return;
        if (QSqlQuery(db).exec(QStringLiteral("ROLLBACK")))
            durableAgain();
        else
            closeFailed(db);
    }
    // Every other transaction of the connection commits to the disk: a connection that cannot
    // be made to is closed, and a new one is.
    void durableAgain() {
        if (lazy && !QSqlQuery(db).exec(ledger.durableCommits())) closeFailed(db);
    }
};

SqlLedger::SqlLedger() : instance(++ledgerSerial) {}

// Closes the connections this thread opened. Another thread's connection is closed by that
// thread as it ends: closing it from here would race with its own clean-up (its statements
// are finalized there), which a board thread may still be running after it was joined.
SqlLedger::~SqlLedger() {
    std::lock_guard<std::mutex> lock(mutex);
    for (const QString &name : connections) {
        if (!threadConnections.names.removeOne(name)) continue;
        threadConnections.prepared.remove(name);
        QSqlDatabase::removeDatabase(name);
    }
}

QSqlDatabase SqlLedger::connection(QString &reason) {
    const QString connectionName =
        QStringLiteral("tessara-ledger-%1-%2").arg(instance).arg(threadSerial);
    QSqlDatabase db = QSqlDatabase::contains(connectionName)
                          ? QSqlDatabase::database(connectionName, false)
                          : QSqlDatabase::addDatabase(driver(), connectionName);
    if (db.isOpen()) return db;
    if (!db.isValid()) {
        reason = QStringLiteral("%1: no %2 driver for Qt SQL").arg(name(), driver());
        return QSqlDatabase();
    }
    // Statements prepared on a connection that failed went with it.
    threadConnections.prepared.remove(connectionName);
    configure(db);
    if (!db.open()) {
        reason = QStringLiteral("%1: %2").arg(name(), db.lastError().text());
        return QSqlDatabase();
    }
    if (!prepareConnection(db, reason)) {
        closeFailed(db);
        return QSqlDatabase();
    }
    std::lock_guard<std::mutex> lock(mutex);
    if (!connections.contains(connectionName)) {
        connections.append(connectionName);
        threadConnections.names.append(connectionName);
    }
    // A board's connections close as its run ends, before anyone waiting for it goes on to
    // close the ledger or the program: the thread's own clean-up comes too late for that.
    if (!threadConnections.closedWithThread) {
        threadConnections.closedWithThread = true;
        At_BoardThreadEnd([] { threadConnections.closeAll(); });
    }
    return db;
}

bool SqlLedger::prepareConnection(QSqlDatabase &, QString &) const {
    return true;
}

bool SqlLedger::start(QString &reason) {
    Tx tx(*this);
    if (!tx.begin(reason)) return false;
    if (!schemaLock().isEmpty() && !run(tx.db, schemaLock(), {}, reason)) return false;
    const QStringList tables = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS unit_values ("
                       "kind TEXT NOT NULL, source TEXT NOT NULL, idx BIGINT NOT NULL, "
                       "value TEXT NOT NULL, tag TEXT NOT NULL, state TEXT NOT NULL, "
                       "lease TEXT, station TEXT NOT NULL DEFAULT '', "
                       "port TEXT NOT NULL DEFAULT '', board TEXT NOT NULL DEFAULT '', "
                       "owner TEXT NOT NULL DEFAULT '', serial TEXT NOT NULL DEFAULT '', "
                       "changed TEXT NOT NULL, "
                       "PRIMARY KEY (kind, source, idx), UNIQUE (kind, source, value))"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS unit_values_state ON unit_values "
                       "(kind, source, state, idx)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS unit_values_lease ON unit_values (lease)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS unit_counters (name TEXT PRIMARY KEY, "
                       "start BIGINT NOT NULL, step BIGINT NOT NULL, next_idx BIGINT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS unit_events (id %1, at TEXT NOT NULL, "
                       "lease TEXT NOT NULL, kind TEXT NOT NULL, source TEXT NOT NULL, "
                       "idx BIGINT NOT NULL, tag TEXT NOT NULL, state TEXT NOT NULL, "
                       "station TEXT NOT NULL, port TEXT NOT NULL, board TEXT NOT NULL, "
                       "serial TEXT NOT NULL)")
            .arg(serialKey()),
        QStringLiteral("CREATE INDEX IF NOT EXISTS unit_events_serial ON unit_events (serial)")};
    for (const QString &sql : tables)
        if (!run(tx.db, sql, {}, reason)) return false;
    return tx.commit(reason);
}

namespace {

QString thisMachine() {
    const QByteArray id = QSysInfo::machineUniqueId();
    return id.isEmpty() ? QStringLiteral("host ") + QSysInfo::machineHostName()
                        : QString::fromLatin1(id);
}

} // namespace

QString Ledger_Owner(qint64 pid) {
    return thisMachine() + QLatin1Char(':') + QString::number(pid);
}

QString SqlLedger::owner() const {
    return Ledger_Owner(QCoreApplication::applicationPid());
}

bool SqlLedger::importPool(const QString &pool, const QList<QByteArray> &values, QString &reason) {
    if (values.isEmpty()) {
        reason = QStringLiteral("no value to add to pool %1").arg(pool);
        return false;
    }
    // Values are told apart by their place in the file: a secret is never echoed.
    QSet<QByteArray> seen;
    for (int i = 0; i < values.size(); ++i) {
        if (values.at(i).size() != values.first().size()) {
            reason = QStringLiteral("value %1 is %2 bytes, the first %3: a pool's values are of "
                                    "one length")
                         .arg(i + 1)
                         .arg(values.at(i).size())
                         .arg(values.first().size());
            return false;
        }
        if (seen.contains(values.at(i))) {
            reason = QStringLiteral("value %1 is given twice").arg(i + 1);
            return false;
        }
        seen.insert(values.at(i));
    }
    Tx tx(*this);
    if (!tx.begin(reason)) return false;
    QSqlQuery q(tx.db);
    if (!run(q,
             // Not locked: the stations keep taking from the pool while it grows (two imports
             // at once into one pool: the second fails on the key, whole).
             QStringLiteral("SELECT value, idx FROM unit_values WHERE kind = 'pool' AND source = ? "
                            "ORDER BY idx DESC"),
             {pool}, reason))
        return false;
    qint64 next = 0;
    int length = -1;
    QSet<QString> held;
    while (q.next()) {
        if (length < 0) {
            length = q.value(0).toString().size() / 2;
            next = q.value(1).toLongLong() + 1;
        }
        held.insert(q.value(0).toString());
    }
    q.finish();
    if (length >= 0 && length != values.first().size()) {
        reason = QStringLiteral("pool %1 holds values of %2 bytes, these are %3")
                     .arg(pool)
                     .arg(length)
                     .arg(values.first().size());
        return false;
    }
    const QString changed = now();
    for (int i = 0; i < values.size(); ++i) {
        const QString hex = QString::fromLatin1(values.at(i).toHex());
        if (held.contains(hex)) {
            reason = QStringLiteral("value %1 is in pool %2 already").arg(i + 1).arg(pool);
            return false;
        }
        QString why;
        if (!run(tx.db,
                 QStringLiteral("INSERT INTO unit_values (kind, source, idx, value, tag, state, "
                                "changed) VALUES ('pool', ?, ?, ?, ?, 'free', ?)"),
                 {pool, next + i, hex, Secret_Tag(values.at(i)), changed}, why)) {
            // The database's words may quote the value.
            reason = QStringLiteral("value %1 could not be added to pool %2").arg(i + 1).arg(pool);
            return false;
        }
    }
    return tx.commit(reason);
}

bool SqlLedger::takeCounter(QSqlDatabase &db, const UnitField &f, const QString &leaseId,
                            const BoardPlace &place, UnitValue &value, bool &exhausted,
                            QString &reason) {
    if (!run(db,
             QStringLiteral("INSERT INTO unit_counters (name, start, step, next_idx) VALUES "
                            "(?, ?, ?, 0) ON CONFLICT (name) DO NOTHING"),
             {f.name, qint64(f.start), qint64(f.step)}, reason))
        return false;
    quint64 start = 0, step = 0;
    qint64 next = 0;
    {
        const Prepared q(
            db,
            QStringLiteral("SELECT start, step, next_idx FROM unit_counters WHERE name = ? ") +
                lockRow(),
            {f.name}, reason);
        if (!q) return false;
        if (!q->next()) {
            reason = QStringLiteral("counter %1 is not in the ledger").arg(f.name);
            return false;
        }
        start = q->value(0).toULongLong();
        step = q->value(1).toULongLong();
        next = q->value(2).toLongLong();
    }
    if (start != f.start || step != f.step) {
        reason = QStringLiteral("counter %1 runs from %2 step %3 in the ledger; the bundle says "
                                "from %4 step %5")
                     .arg(f.name)
                     .arg(start)
                     .arg(step)
                     .arg(f.start)
                     .arg(f.step);
        return false;
    }
    value.field = value.source = f.name;
    // A number released before (nothing written) comes first.
    bool released = false;
    QString number;
    if (!firstFree(db, "counter", f.name, released, value.index, number, reason)) return false;
    if (released) value.number = number.toULongLong();
    const QVariantList place_ = {leaseId, place.station, place.port, place.board, owner(), now()};
    if (released) {
        return run(db,
                   QStringLiteral("UPDATE unit_values SET state = 'leased', lease = ?, "
                                  "station = ?, port = ?, board = ?, owner = ?, changed = ? "
                                  "WHERE kind = 'counter' AND source = ? AND idx = ?"),
                   place_ + QVariantList{f.name, qint64(value.index)}, reason);
    }
    const quint64 k = quint64(next);
    if (k > (f.counterMax() - start) / step) {
        exhausted = true;
        reason = QStringLiteral("counter %1 exhausted: it has no number left above %2")
                     .arg(f.name)
                     .arg(k == 0 ? start : start + (k - 1) * step);
        return false;
    }
    value.index = next;
    value.number = start + k * step;
    const QString text = QString::number(value.number);
    return run(db,
               QStringLiteral("INSERT INTO unit_values (kind, source, idx, value, tag, state, "
                              "lease, station, port, board, owner, changed) VALUES "
                              "('counter', ?, ?, ?, ?, 'leased', ?, ?, ?, ?, ?, ?)"),
               QVariantList{f.name, next, text, text} + place_, reason) &&
           run(db,
               QStringLiteral("UPDATE unit_counters SET next_idx = next_idx + 1 WHERE name = ?"),
               {f.name}, reason);
}

bool SqlLedger::firstFree(QSqlDatabase &db, const char *kind, const QString &source, bool &found,
                          int64_t &index, QString &value, QString &reason) {
    const Prepared q(db,
                     QStringLiteral("SELECT idx, value FROM unit_values WHERE kind = ? AND "
                                    "source = ? AND state = 'free' ORDER BY idx LIMIT 1 ") +
                         lockRows(),
                     {QLatin1String(kind), source}, reason);
    if (!q) return false;
    found = q->next();
    if (found) {
        index = q->value(0).toLongLong();
        value = q->value(1).toString();
    }
    return true;
}

bool SqlLedger::takePool(QSqlDatabase &db, const UnitField &f, const QString &leaseId,
                         const BoardPlace &place, UnitValue &value, bool &exhausted,
                         QString &reason) {
    bool found = false;
    QString hex;
    if (!firstFree(db, "pool", f.pool, found, value.index, hex, reason)) return false;
    if (!found) {
        exhausted = true;
        reason = QStringLiteral("pool empty: %1").arg(f.pool);
        return false;
    }
    value.bytes = QByteArray::fromHex(hex.toLatin1());
    value.field = f.name;
    value.source = f.pool;
    if (value.bytes.size() != f.length) {
        reason = QStringLiteral("pool %1 holds values of %2 bytes; \"%3\" takes %4")
                     .arg(f.pool)
                     .arg(value.bytes.size())
                     .arg(f.name)
                     .arg(f.length);
        return false;
    }
    return run(db,
               QStringLiteral("UPDATE unit_values SET state = 'leased', lease = ?, station = ?, "
                              "port = ?, board = ?, owner = ?, changed = ? "
                              "WHERE kind = 'pool' AND source = ? AND idx = ?"),
               {leaseId, place.station, place.port, place.board, owner(), now(), f.pool,
                qint64(value.index)},
               reason);
}

bool SqlLedger::leaseValues(QSqlDatabase &db, const QString &leaseId, UnitValues &values,
                            QString &reason) {
    const Prepared q(
        db,
        QStringLiteral("SELECT %1 FROM unit_values WHERE lease = ? ORDER BY %1 ").arg(Columns) +
            lockRows(),
        {leaseId}, reason);
    if (!q) return false;
    values.clear();
    while (q->next())
        values.append(valueOf(*q, 0));
    return true;
}

bool SqlLedger::takeAgain(QSqlDatabase &db, const UnitFields &fields, const BoardPlace &place,
                          BoardLease &lease, QString &reason) {
    QSqlQuery q(db);
    if (!run(q,
             QStringLiteral("SELECT lease FROM unit_values WHERE state = 'failed' AND board = ? "
                            "LIMIT 1"),
             {place.board}, reason))
        return false;
    if (!q.next()) return true;
    const QString previous = q.value(0).toString();
    q.finish();
    UnitValues held, values;
    if (!leaseValues(db, previous, held, reason)) return false;
    // Another release's fields: the board gets new values, and the ones it had are lost with
    // what it is rewritten with.
    if (!Assign_HeldValues(fields, held, values))
        return run(db,
                   QStringLiteral("UPDATE unit_values SET state = 'spoiled', changed = ? WHERE "
                                  "lease = ?"),
                   {now(), previous}, reason) &&
               logEvents(db, previous, reason);
    return giveAgain(db, previous, values, place, lease, reason);
}

bool SqlLedger::takeReturning(QSqlDatabase &db, const UnitFields &fields, const BoardPlace &place,
                              BoardLease &lease, QString &reason) {
    UnitValues held, values;
    if (!leaseValues(db, place.returning, held, reason)) return false;
    // Taken by another station's board in the meantime (its rows are passed over while locked).
    if (held.isEmpty()) {
        reason = QStringLiteral("the values held for the board are no longer held (lease %1)")
                     .arg(place.returning);
        return false;
    }
    if (!Assign_HeldValues(fields, held, values)) {
        reason = QStringLiteral("the values of lease %1 are not this release's fields")
                     .arg(place.returning);
        return false;
    }
    return giveAgain(db, place.returning, values, place, lease, reason);
}

bool SqlLedger::giveAgain(QSqlDatabase &db, const QString &previous, const UnitValues &values,
                          const BoardPlace &place, BoardLease &lease, QString &reason) {
    QSqlQuery q(db);
    // Only while they are still held: two boards never take them back both.
    if (!run(q,
             QStringLiteral("UPDATE unit_values SET state = 'leased', station = ?, port = ?, "
                            "owner = ?, changed = ? WHERE lease = ? AND state = 'failed'"),
             {place.station, place.port, owner(), now(), previous}, reason))
        return false;
    if (q.numRowsAffected() != values.size()) {
        reason = QStringLiteral("the values held for the board are no longer held (lease %1)")
                     .arg(previous);
        return false;
    }
    q.finish();
    lease.id = previous;
    lease.values = values;
    lease.again = true;
    return true;
}

bool SqlLedger::spoilHeldAt(QSqlDatabase &db, const BoardPlace &place, QString &reason) {
    QStringList gone;
    {
        const Prepared q(db,
                         QStringLiteral("SELECT DISTINCT lease FROM unit_values WHERE state = "
                                        "'failed' AND station = ? AND port = ? AND board = ''"),
                         {place.station, place.port}, reason);
        if (!q) return false;
        while (q->next())
            gone.append(q->value(0).toString());
    }
    for (const QString &id : gone)
        if (!run(db,
                 QStringLiteral("UPDATE unit_values SET state = 'spoiled', changed = ? WHERE "
                                "lease = ? AND state = 'failed'"),
                 {now(), id}, reason) ||
            !logEvents(db, id, reason))
            return false;
    return true;
}

bool SqlLedger::held(const QString &station, QList<BoardLease> &leases, QString &reason) {
    leases.clear();
    QSqlDatabase db = connection(reason);
    if (!db.isValid()) return false;
    // Every station's, when none is named.
    const bool every = station.isEmpty();
    const Prepared q(db,
                     QStringLiteral("SELECT lease, serial, %1 FROM unit_values WHERE state = "
                                    "'failed' %2 ORDER BY lease, %1")
                         .arg(Columns, every ? QString() : QStringLiteral("AND station = ?")),
                     every ? QVariantList() : QVariantList{station}, reason);
    if (!q) return false;
    while (q->next()) {
        const QString id = q->value(0).toString();
        if (leases.isEmpty() || leases.last().id != id) {
            leases.append(BoardLease());
            leases.last().id = id;
            leases.last().serial = q->value(1).toString();
            leases.last().again = true;
        }
        leases.last().values.append(valueOf(*q, 2));
    }
    return true;
}

bool SqlLedger::logEvents(QSqlDatabase &db, const QString &leaseId, QString &reason,
                          const char *as) {
    // `as`: what the history says of the change instead of the values' new state.
    const QString state = as ? QStringLiteral("'%1'").arg(QLatin1String(as)) : "state";
    return run(db,
               QStringLiteral("INSERT INTO unit_events (at, lease, kind, source, idx, tag, state, "
                              "station, port, board, serial) SELECT ?, lease, kind, source, idx, "
                              "tag, %1, station, port, board, serial FROM unit_values WHERE "
                              "lease = ? ORDER BY kind, source, idx")
                   .arg(state),
               {now(), leaseId}, reason);
}

bool SqlLedger::lease(const UnitFields &fields, const BoardPlace &where, BoardLease &lease,
                      QString &reason) {
    lease = BoardLease();
    // Qt binds a null text as NULL; the columns hold empty texts.
    const BoardPlace place{where.station + QLatin1String(""), where.port + QLatin1String(""),
                           where.board + QLatin1String(""), where.returning};
    // Lost with the station's power, a lease leaves nothing behind: nothing is written to the
    // board before the mark that comes next, whose durable commit takes the lease with it.
    Tx tx(*this, Tx::Lazy);
    if (!tx.begin(reason)) return false;
    if (!place.board.isEmpty() && !takeAgain(tx.db, fields, place, lease, reason)) return false;
    if (!place.returning.isEmpty() && !takeReturning(tx.db, fields, place, lease, reason))
        return false;
    // A board that is not the one whose values are held at this place: that one did not come
    // back here, and what may be on it is never given to another.
    if (place.returning.isEmpty() && place.board.isEmpty() && !spoilHeldAt(tx.db, place, reason))
        return false;
    if (!lease.again) {
        lease.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        for (const UnitField &f : fields) {
            UnitValue value;
            if (f.kind == FieldKind::Counter &&
                !takeCounter(tx.db, f, lease.id, place, value, lease.exhausted, reason))
                return false;
            if (f.kind == FieldKind::Pool &&
                !takePool(tx.db, f, lease.id, place, value, lease.exhausted, reason))
                return false;
            if (f.kind != FieldKind::EdidSerial) lease.values.append(value);
        }
    }
    for (const UnitField &f : fields)
        if (f.kind == FieldKind::Counter && lease.serial.isEmpty())
            for (const UnitValue &v : lease.values)
                if (v.field == f.name) lease.serial = Counter_Text(f, v.number);
    if (lease.values.isEmpty()) return tx.commit(reason);
    if (!run(tx.db, QStringLiteral("UPDATE unit_values SET serial = ? WHERE lease = ?"),
             {lease.serial, lease.id}, reason) ||
        !logEvents(tx.db, lease.id, reason,
                   place.returning.isEmpty() ? nullptr : LedgerState::Returned))
        return false;
    return tx.commit(reason);
}

bool SqlLedger::changeState(const BoardLease &lease, const QStringList &from, const char *to,
                            QString &reason) {
    return changeState(lease.id, lease.values.size(), from, to, reason);
}

bool SqlLedger::changeState(const QString &leaseId, int expected, const QStringList &from,
                            const char *to, QString &reason) {
    if (expected == 0) return true;
    Tx tx(*this);
    if (!tx.begin(reason)) return false;
    const QString target = QStringLiteral("'%1'").arg(QLatin1String(to));
    {
        const Prepared q(tx.db,
                         QStringLiteral("UPDATE unit_values SET state = %1, changed = ? WHERE "
                                        "lease = ? AND state IN (%2)")
                             .arg(target, fieldsOf(from)),
                         {now(), leaseId}, reason);
        if (!q) return false;
        const int changed = q->numRowsAffected();
        if (expected > 0 ? changed != expected : changed < 1) {
            reason = QStringLiteral("the ledger does not hold the values of lease %1 as %2")
                         .arg(leaseId, from.join(QLatin1String(" or ")));
            return false;
        }
    }
    if (!logEvents(tx.db, leaseId, reason)) return false;
    // A value set free belongs to no board any more.
    if (QLatin1String(to) == QLatin1String(LedgerState::Free) &&
        !run(tx.db,
             QStringLiteral("UPDATE unit_values SET lease = NULL, station = '', port = '', "
                            "board = '', owner = '', serial = '' WHERE lease = ?"),
             {leaseId}, reason))
        return false;
    return tx.commit(reason);
}

bool SqlLedger::markWriting(const BoardLease &lease, QString &reason) {
    return changeState(lease, {LedgerState::Leased}, LedgerState::Writing, reason);
}

bool SqlLedger::markWritten(const BoardLease &lease, QString &reason) {
    return changeState(lease, {LedgerState::Writing}, LedgerState::Written, reason);
}

bool SqlLedger::release(const BoardLease &lease, QString &reason) {
    const QStringList unwritten = {LedgerState::Leased, LedgerState::Writing};
    // A board that got its values again and then wrote nothing still has them from before.
    if (lease.again) return changeState(lease, unwritten, LedgerState::Failed, reason);
    return changeState(lease, unwritten, LedgerState::Free, reason);
}

bool SqlLedger::markFailed(const BoardLease &lease, QString &reason) {
    return changeState(lease, {LedgerState::Writing}, LedgerState::Failed, reason);
}

bool SqlLedger::recover(QString &reason) {
    QSqlDatabase db = connection(reason);
    if (!db.isValid()) return false;
    QSqlQuery q(db);
    // By the machine that took them, whatever station name it took them under: only a process
    // of this machine can be known to be gone. Another machine's leases stay as they are, also
    // where it has this one's host name.
    if (!run(q,
             QStringLiteral("SELECT DISTINCT lease, state, owner, serial FROM unit_values WHERE "
                            "state IN ('leased', 'writing')"),
             {}, reason))
        return false;
    QStringList unsettled[2], serials;
    const QString prefix = Ledger_Owner(0).chopped(1);
    while (q.next()) {
        const QString who = q.value(2).toString();
        bool ok = false;
        const qint64 pid = who.startsWith(prefix) ? who.mid(prefix.size()).toLongLong(&ok) : 0;
        if (!ok || pid == QCoreApplication::applicationPid() || Process_Alive(pid)) continue;
        const bool writing = q.value(1).toString() == QLatin1String(LedgerState::Writing);
        unsettled[writing ? 1 : 0].append(q.value(0).toString());
        if (!writing) serials.append(q.value(3).toString());
    }
    q.finish();
    // Never written: free again, unless they were given back to a board that came back with
    // them on its flash. Perhaps written: as a board that failed.
    for (int i = 0; i < unsettled[0].size(); ++i) {
        const QString &id = unsettled[0].at(i);
        if (!run(q,
                 QStringLiteral("SELECT 1 FROM unit_events WHERE serial = ? AND lease = ? AND "
                                "state = 'failed' LIMIT 1"),
                 {serials.at(i), id}, reason))
            return false;
        const bool onABoard = q.next();
        q.finish();
        if (!changeState(id, -1, {LedgerState::Leased},
                         onABoard ? LedgerState::Failed : LedgerState::Free, reason))
            return false;
    }
    for (const QString &id : unsettled[1])
        if (!changeState(id, -1, {LedgerState::Writing}, LedgerState::Failed, reason)) return false;
    return true;
}

bool SqlLedger::status(QList<LedgerCount> &counts, QString &reason) {
    counts.clear();
    QSqlDatabase db = connection(reason);
    if (!db.isValid()) return false;
    QSqlQuery q(db);
    if (!run(q,
             QStringLiteral("SELECT kind, source, state, COUNT(*) FROM unit_values GROUP BY kind, "
                            "source, state ORDER BY kind DESC, source"),
             {}, reason))
        return false;
    while (q.next()) {
        const QString kind = q.value(0).toString(), source = q.value(1).toString();
        if (counts.isEmpty() || counts.last().kind != kind || counts.last().source != source)
            counts.append(LedgerCount{source, kind});
        LedgerCount &c = counts.last();
        const QString state = q.value(2).toString();
        const qint64 n = q.value(3).toLongLong();
        qint64 *slot = state == QLatin1String(LedgerState::Free)      ? &c.free
                       : state == QLatin1String(LedgerState::Leased)  ? &c.leased
                       : state == QLatin1String(LedgerState::Writing) ? &c.writing
                       : state == QLatin1String(LedgerState::Written) ? &c.written
                       : state == QLatin1String(LedgerState::Failed)  ? &c.failed
                                                                      : &c.spoiled;
        *slot += n;
    }
    return true;
}

bool SqlLedger::history(const QString &serial, QList<LedgerEntry> &entries, QString &reason) {
    entries.clear();
    QSqlDatabase db = connection(reason);
    if (!db.isValid()) return false;
    QSqlQuery q(db);
    if (!run(q,
             QStringLiteral("SELECT at, kind, source, idx, tag, state, station, port, board, "
                            "lease FROM unit_events WHERE serial = ? ORDER BY id"),
             {serial}, reason))
        return false;
    while (q.next()) {
        LedgerEntry e;
        e.time = QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
        e.kind = q.value(1).toString();
        e.source = q.value(2).toString();
        e.index = q.value(3).toLongLong();
        e.value = e.kind == QLatin1String("pool")
                      ? QStringLiteral("sha256 ") + q.value(4).toString()
                      : q.value(4).toString();
        e.state = q.value(5).toString();
        e.station = q.value(6).toString();
        e.port = q.value(7).toString();
        e.board = q.value(8).toString();
        e.lease = q.value(9).toString();
        entries.append(e);
    }
    return true;
}
