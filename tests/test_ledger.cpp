// The ledger on SQLite: each value leased once, settled by what happened to the board, released
// values taken again first, pools and counters running out before anything is written, and
// leases of a station that died settled by the next run.
#include "ledger/ledger.h"
#include "ledger/sql_ledger.h"
#include "support/unit_fixtures.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

namespace {

QList<QByteArray> keys(int count, int first = 0) {
    QList<QByteArray> values;
    for (int i = first; i < first + count; ++i)
        values.append(QByteArray(15, char(0xA5)) + char(i));
    return values;
}

// free, leased, writing, written, failed, spoiled
QList<qint64> states(Ledger &ledger, const QString &source) {
    const LedgerCount c = Ledger_CountOf(ledger, source);
    return {c.free, c.leased, c.writing, c.written, c.failed, c.spoiled};
}

} // namespace

class LedgerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    UnitFields usual = Unit_Fields(Usual_UnitData());
    BoardPlace place{QStringLiteral("bench-1"), QStringLiteral("/dev/ttyACM0"), QString()};

    std::unique_ptr<Ledger> fresh(const QString &name, QString *path = nullptr) {
        const QString file = dir.filePath(name + QStringLiteral("/ledger.sqlite"));
        if (path) *path = file;
        QString reason;
        std::unique_ptr<Ledger> ledger = Open_Ledger(file, reason);
        if (!ledger) qFatal("%s", qPrintable(reason));
        return ledger;
    }

  private slots:
    // lease → writing → written, with the serial and the key the board got in the history.
    void boardLife() {
        QString path, reason;
        auto ledger = fresh(QStringLiteral("life"), &path);
        QVERIFY(ledger->importPool(QStringLiteral("hdcp"), keys(3), reason));
        BoardLease lease;
        QVERIFY2(ledger->lease(usual, place, lease, reason), qPrintable(reason));
        QCOMPARE(lease.serial, QStringLiteral("1000"));
        QCOMPARE(lease.values.size(), 2);
        QCOMPARE(lease.values.at(1).bytes, keys(1).first());
        QCOMPARE(states(*ledger, QStringLiteral("hdcp")), (QList<qint64>{2, 1, 0, 0, 0, 0}));
        // The lease alone commits without a sync (nothing is written to a board before the next
        // change, which syncs both): the ledger's connection syncs every commit again after it.
        const QStringList connections = QSqlDatabase::connectionNames();
        QVERIFY(!connections.isEmpty());
        for (const QString &name : connections) {
            QSqlQuery q(QSqlDatabase::database(name));
            QVERIFY(q.exec(QStringLiteral("PRAGMA synchronous")) && q.next());
            QCOMPARE(q.value(0).toInt(), 2); // FULL
        }
        // Written only from writing: a board never reached its first write is not "written".
        QVERIFY(!ledger->markWritten(lease, reason));
        QVERIFY(ledger->markWriting(lease, reason));
        QVERIFY(ledger->markWritten(lease, reason));
        QCOMPARE(states(*ledger, QStringLiteral("serial")), (QList<qint64>{0, 0, 0, 1, 0, 0}));
        QCOMPARE(states(*ledger, QStringLiteral("hdcp")), (QList<qint64>{2, 0, 0, 1, 0, 0}));
        // Settled once: a second settling of the same lease is refused.
        QVERIFY(!ledger->release(lease, reason));
        QVERIFY(!ledger->markFailed(lease, reason));

        QList<LedgerEntry> history;
        QVERIFY(ledger->history(QStringLiteral("1000"), history, reason));
        QStringList seen;
        for (const LedgerEntry &e : history) {
            seen.append(e.source + QLatin1Char(' ') + e.state);
            QCOMPARE(e.port, place.port);
            QCOMPARE(e.station, place.station);
            QVERIFY(!e.value.contains(QLatin1String("a5a5")));
        }
        QCOMPARE(seen, (QStringList{"serial leased", "hdcp leased", "serial writing",
                                    "hdcp writing", "serial written", "hdcp written"}));

        // Owner-only, in WAL mode.
        QCOMPARE(QFileInfo(path).permissions() &
                     ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
                 QFile::Permissions());
        QVERIFY(QFileInfo::exists(path + QStringLiteral("-wal")));
    }

    // How a board's run ends decides what becomes of its values.
    void settling_data() {
        QTest::addColumn<int>("ending"); // 0 released, 1 failed with an identity, 2 failed without
        QTest::addColumn<QList<qint64>>("serial");
        QTest::addColumn<bool>("sameAgain"); // the next lease of the same board gets them
        QTest::newRow("nothing written: released, taken again first")
            << 0 << QList<qint64>{0, 1, 0, 0, 0, 0} << true;
        QTest::newRow("failed after writing, the board known: held for it")
            << 1 << QList<qint64>{0, 1, 0, 0, 0, 0} << true;
        QTest::newRow("failed after writing, board unknown: spoiled by the next at its place")
            << 2 << QList<qint64>{0, 1, 0, 0, 0, 1} << false;
    }
    void settling() {
        QFETCH(int, ending);
        QFETCH(QList<qint64>, serial);
        QFETCH(bool, sameAgain);
        auto ledger = fresh(QStringLiteral("settle-%1").arg(ending));
        QString reason;
        QVERIFY(ledger->importPool(QStringLiteral("hdcp"), keys(4), reason));
        BoardPlace board = place;
        if (ending == 1) board.board = QStringLiteral("PCB-0042");
        BoardLease first;
        QVERIFY(ledger->lease(usual, board, first, reason));
        if (ending == 0) {
            QVERIFY(ledger->release(first, reason));
        } else {
            QVERIFY(ledger->markWriting(first, reason));
            QVERIFY(ledger->markFailed(first, reason));
        }
        BoardLease second;
        QVERIFY2(ledger->lease(usual, board, second, reason), qPrintable(reason));
        QCOMPARE(states(*ledger, QStringLiteral("serial")), serial);
        QCOMPARE(second.values.at(0).number == first.values.at(0).number, sameAgain);
        QCOMPARE(second.values.at(1).bytes == first.values.at(1).bytes, sameAgain);
        QCOMPARE(second.again, ending == 1);
        // Another board never gets what a known board still holds.
        if (ending == 1) {
            QVERIFY(ledger->release(second, reason)); // back to held, not to free
            BoardLease other;
            QVERIFY(ledger->lease(usual, place, other, reason));
            QVERIFY(other.values.at(0).number != first.values.at(0).number);
            QVERIFY(other.values.at(1).bytes != first.values.at(1).bytes);
        }
    }

    // A counter or pool at its end refuses the board with nothing taken of the others.
    void runningOut() {
        auto ledger = fresh(QStringLiteral("out"));
        QString reason;
        QVERIFY(ledger->importPool(QStringLiteral("hdcp"), keys(1), reason));
        BoardLease lease;
        QVERIFY(ledger->lease(usual, place, lease, reason));
        QVERIFY(!ledger->lease(usual, place, lease, reason));
        QCOMPARE(reason, QStringLiteral("pool empty: hdcp"));
        QCOMPARE(states(*ledger, QStringLiteral("serial")), (QList<qint64>{0, 1, 0, 0, 0, 0}));

        const UnitFields small = Unit_Fields(
            R"([{"name":"n","kind":"counter","offset":0,"encoding":"ascii","digits":1,"start":7,)"
            R"("step":2}])");
        QList<uint64_t> numbers;
        while (ledger->lease(small, place, lease, reason))
            numbers.append(lease.values.at(0).number);
        QCOMPARE(numbers, (QList<uint64_t>{7, 9}));
        QVERIFY2(reason.contains(QLatin1String("counter n exhausted")), qPrintable(reason));

        // The same counter declared otherwise by another bundle is refused, not restarted.
        const UnitFields moved = Unit_Fields(
            R"([{"name":"n","kind":"counter","offset":0,"encoding":"ascii","digits":2,"start":1}])");
        QVERIFY(!ledger->lease(moved, place, lease, reason));
        QVERIFY2(reason.contains(QLatin1String("runs from 7 step 2")), qPrintable(reason));
    }

    void imports_data() {
        QTest::addColumn<QList<QByteArray>>("values");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a value given twice") << (keys(2) + keys(1)) << "value 3 is given twice";
        QTest::newRow("a value in the pool already") << keys(2, 3) << "value 1 is in pool hdcp";
        QTest::newRow("values of two lengths")
            << (keys(1, 10) + QList<QByteArray>{QByteArray(8, 'x')}) << "value 2 is 8 bytes";
        QTest::newRow("another length than the pool's")
            << QList<QByteArray>{QByteArray(8, 'x')} << "pool hdcp holds values of 16 bytes";
    }
    void imports() {
        QFETCH(QList<QByteArray>, values);
        QFETCH(QString, reason);
        auto ledger = fresh(QStringLiteral("import-") + QTest::currentDataTag());
        QString why;
        QVERIFY(ledger->importPool(QStringLiteral("hdcp"), keys(4), why));
        QVERIFY(!ledger->importPool(QStringLiteral("hdcp"), values, why));
        QVERIFY2(why.contains(reason), qPrintable(why));
        // All or none; and no value is quoted.
        QCOMPARE(states(*ledger, QStringLiteral("hdcp")), (QList<qint64>{4, 0, 0, 0, 0, 0}));
        QVERIFY(!why.contains(QLatin1String("a5a5")) && !why.contains(QLatin1String("7878")));
    }

    // Boards on threads of their own, two ledgers on one file (two station processes): every
    // value goes out once.
    void manyBoardsAtOnce() {
        QString path, reason;
        auto first = fresh(QStringLiteral("many"), &path);
        auto second = Open_Ledger(path, reason);
        QVERIFY(second);
        QVERIFY(first->importPool(QStringLiteral("hdcp"), keys(200), reason));
        std::mutex mutex;
        QList<uint64_t> serials;
        QSet<QByteArray> taken;
        int duplicates = 0, refused = 0;
        std::vector<std::thread> boards;
        for (int t = 0; t < 4; ++t)
            boards.emplace_back([&, t] {
                Ledger &ledger = t % 2 ? *second : *first;
                for (int i = 0; i < 60; ++i) {
                    BoardLease lease;
                    QString why;
                    const bool ok = ledger.lease(usual, place, lease, why) &&
                                    ledger.markWriting(lease, why) &&
                                    ledger.markWritten(lease, why);
                    std::lock_guard<std::mutex> hold(mutex);
                    if (!ok) {
                        ++refused;
                        continue;
                    }
                    serials.append(lease.values.at(0).number);
                    duplicates += taken.contains(lease.values.at(1).bytes) ? 1 : 0;
                    taken.insert(lease.values.at(1).bytes);
                }
            });
        for (std::thread &b : boards)
            b.join();
        QCOMPARE(duplicates, 0);
        QCOMPARE(refused, 40); // 240 boards, 200 keys
        QCOMPARE(serials.size(), 200);
        QCOMPARE(QSet<uint64_t>(serials.begin(), serials.end()).size(), 200);
        QCOMPARE(states(*first, QStringLiteral("hdcp")), (QList<qint64>{0, 0, 0, 200, 0, 0}));
    }

    // A run that died leaves its leases to the next: never-written ones free again, perhaps
    // written ones held for their board (spoiled by the next board at their place that is not
    // it). A live run's are left alone.
    void recovery() {
        QString path, reason;
        auto ledger = fresh(QStringLiteral("recover"), &path);
        QVERIFY(ledger->importPool(QStringLiteral("hdcp"), keys(5), reason));
        BoardLease leased, writing, mine, elsewhere;
        QVERIFY(ledger->lease(usual, place, leased, reason));
        QVERIFY(ledger->lease(usual, place, elsewhere, reason));
        QVERIFY(ledger->lease(usual, place, writing, reason));
        QVERIFY(ledger->markWriting(writing, reason));
        QVERIFY(ledger->lease(usual, place, mine, reason));
        QProcess gone;
        gone.start(QStringLiteral("true"), QStringList());
        QVERIFY(gone.waitForFinished());
        const QString dead = Ledger_Owner(gone.processId());
        // A process of that number on another machine of this one's host name.
        const QString namesake =
            QSysInfo::machineHostName() + QLatin1Char(':') + QString::number(gone.processId());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "poke");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            q.prepare(QStringLiteral("UPDATE unit_values SET owner = ?, station = ? WHERE lease "
                                     "IN (?, ?)"));
            q.addBindValue(dead);
            q.addBindValue(QSysInfo::machineHostName());
            q.addBindValue(leased.id);
            q.addBindValue(writing.id);
            QVERIFY(q.exec());
            QCOMPARE(q.numRowsAffected(), 4);
            q.prepare(QStringLiteral("UPDATE unit_values SET owner = ? WHERE lease = ?"));
            q.addBindValue(namesake);
            q.addBindValue(elsewhere.id);
            QVERIFY(q.exec());
            QCOMPARE(q.numRowsAffected(), 2);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("poke"));
        QVERIFY2(ledger->recover(reason), qPrintable(reason));
        // Another machine's lease is left as it is.
        QCOMPARE(states(*ledger, QStringLiteral("hdcp")), (QList<qint64>{2, 2, 0, 0, 1, 0}));
        QCOMPARE(states(*ledger, QStringLiteral("serial")), (QList<qint64>{1, 2, 0, 0, 1, 0}));
        // The next board at the dead run's place, not the one it wrote to.
        BoardLease next;
        QVERIFY(ledger->lease(usual, {QSysInfo::machineHostName(), place.port, QString()}, next,
                              reason));
        QCOMPARE(next.values.at(0).number, leased.values.at(0).number);
        QCOMPARE(states(*ledger, QStringLiteral("hdcp")), (QList<qint64>{1, 3, 0, 0, 0, 1}));
    }
};

QTEST_GUILESS_MAIN(LedgerTest)
#include "test_ledger.moc"
