// The ledger on a PostgreSQL server the test starts (a Unix socket, no network): several station
// processes take from one pool and one counter at once, thousands of leases, and no value goes
// to two boards; a server gone mid-run is a clear failure, never a value given out twice.
#include "ledger/ledger.h"
#include "support/cli_process.h"
#include "support/postgres_server.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QProcess>
#include <QSet>
#include <QtTest>
#include <cstdio>

namespace {

const char *Fields = R"([{"name":"serial","kind":"counter","offset":0,"encoding":"u32le",)"
                     R"("start":1,"step":1},{"name":"key","kind":"pool","pool":"hdcp",)"
                     R"("offset":16,"length":16,"secret":true}])";

UnitFields fields() {
    UnitFields f;
    QString reason;
    Parse_UnitFields(QJsonDocument::fromJson(Fields).array(), f, reason);
    return f;
}

// A station of its own: `count` boards, each leased, marked writing and written; a line
// "SERIAL POOL_INDEX" per board, "refused REASON" per board the ledger could not serve.
int worker(const QString &url, int count) {
    QString reason;
    std::unique_ptr<Ledger> ledger = Open_Ledger(url, reason);
    if (!ledger) {
        std::fprintf(stderr, "%s\n", qPrintable(reason));
        return 2;
    }
    const UnitFields declared = fields();
    for (int i = 0; i < count; ++i) {
        BoardLease lease;
        const BoardPlace place{QStringLiteral("station"), QStringLiteral("port%1").arg(i), {}};
        if (!ledger->lease(declared, place, lease, reason)) {
            std::printf("refused %s\n", qPrintable(reason));
            continue;
        }
        if (!ledger->markWriting(lease, reason) || !ledger->markWritten(lease, reason)) {
            std::fprintf(stderr, "%s\n", qPrintable(reason));
            return 1;
        }
        std::printf("%llu %lld\n", static_cast<unsigned long long>(lease.values.at(0).number),
                    static_cast<long long>(lease.values.at(1).index));
    }
    return 0;
}

} // namespace

class LedgerPostgresTest : public QObject {
    Q_OBJECT

  private slots:
    void stationsShareOnePool() {
        PostgresServer server;
        QVERIFY(server.start());
        QTemporaryDir dir;
        QFile pool(dir.filePath("keys.txt"));
        QVERIFY(pool.open(QIODevice::WriteOnly));
        constexpr int Keys = 2000, Stations = 4, Boards = 600;
        for (int i = 0; i < Keys; ++i)
            pool.write(QByteArray::number(0x10000000 + i, 16).repeated(4) + '\n');
        pool.close();
        const CliRun import = Run_Cli(
            {"ledger", "--ledger", server.url(), "import", "hdcp", pool.fileName()}, dir.path());
        QVERIFY2(import.status == 0, qPrintable(import.err));

        std::vector<std::unique_ptr<QProcess>> stations;
        for (int i = 0; i < Stations; ++i) {
            stations.push_back(std::make_unique<QProcess>());
            stations.back()->start(QCoreApplication::applicationFilePath(),
                                   {"--worker", server.url(), QString::number(Boards)});
        }
        QSet<QByteArray> serials, keys;
        int boards = 0, refused = 0;
        for (auto &s : stations) {
            QVERIFY(s->waitForFinished(600000));
            QVERIFY2(s->exitCode() == 0, s->readAllStandardError().constData());
            for (const QByteArray &line : s->readAllStandardOutput().split('\n')) {
                if (line.isEmpty()) continue;
                if (line.startsWith("refused ")) {
                    QCOMPARE(line, QByteArray("refused pool empty: hdcp"));
                    ++refused;
                    continue;
                }
                const QList<QByteArray> words = line.split(' ');
                QCOMPARE(words.size(), 2);
                serials.insert(words.at(0));
                keys.insert(words.at(1));
                ++boards;
            }
        }
        // Every key once, every serial once, and the boards the pool could not serve refused.
        QCOMPARE(boards, Keys);
        QCOMPARE(keys.size(), Keys);
        QCOMPARE(serials.size(), Keys);
        QCOMPARE(refused, Stations * Boards - Keys);

        const CliRun status = Run_Cli({"ledger", "--ledger", server.url(), "status"}, dir.path());
        QVERIFY2(status.out.contains(QStringLiteral("pool hdcp: free 0, leased 0, written %1, "
                                                    "spoiled 0")
                                         .arg(Keys)),
                 qPrintable(status.out + status.err));
    }

    // The server goes away between a lease and the board's first write: the write is not
    // allowed, and the next board is refused with the reason, no crash and no hang.
    void serverGoneMidRun() {
        PostgresServer server;
        QVERIFY(server.start());
        QString reason;
        std::unique_ptr<Ledger> ledger = Open_Ledger(server.url(), reason);
        QVERIFY2(ledger, qPrintable(reason));
        QVERIFY(ledger->importPool(QStringLiteral("hdcp"), {QByteArray(16, 'k')}, reason));
        BoardLease lease;
        QVERIFY(ledger->lease(fields(), BoardPlace{"s", "p", {}}, lease, reason));
        server.kill();
        QVERIFY(!ledger->markWriting(lease, reason));
        QVERIFY(!reason.isEmpty());
        BoardLease next;
        QVERIFY(!ledger->lease(fields(), BoardPlace{"s", "p", {}}, next, reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(next.values.isEmpty());
    }

    // Values held for a board that failed go back to it once, when it comes back; a board in
    // its slot that is not it spoils them.
    void heldValuesGoBackOnce() {
        PostgresServer server;
        QVERIFY(server.start());
        QString reason;
        std::unique_ptr<Ledger> ledger = Open_Ledger(server.url(), reason);
        QVERIFY2(ledger, qPrintable(reason));
        QVERIFY(ledger->importPool(QStringLiteral("hdcp"),
                                   {QByteArray(16, 'a'), QByteArray(16, 'b'), QByteArray(16, 'c')},
                                   reason));
        const BoardPlace slot{"s", "p", {}};
        BoardLease first, again, twice, lost, next;
        QVERIFY(ledger->lease(fields(), slot, first, reason) &&
                ledger->markWriting(first, reason) && ledger->markFailed(first, reason));
        QList<BoardLease> held;
        QVERIFY(ledger->held(QStringLiteral("s"), held, reason));
        QCOMPARE(held.size(), 1);
        BoardPlace back = slot;
        back.returning = held.first().id;
        QVERIFY2(ledger->lease(fields(), back, again, reason), qPrintable(reason));
        QCOMPARE(again.values.at(1).bytes, first.values.at(1).bytes);
        QVERIFY(!ledger->lease(fields(), back, twice, reason));
        QVERIFY(ledger->markWriting(again, reason) && ledger->markWritten(again, reason));
        QVERIFY(ledger->lease(fields(), slot, lost, reason) && ledger->markWriting(lost, reason) &&
                ledger->markFailed(lost, reason));
        QVERIFY(ledger->lease(fields(), slot, next, reason));
        QVERIFY(next.values.at(1).bytes != lost.values.at(1).bytes);
        QList<LedgerCount> counts;
        QVERIFY(ledger->status(counts, reason));
        bool seen = false;
        for (const LedgerCount &c : counts) {
            if (c.source != QLatin1String("hdcp")) continue;
            seen = true;
            QCOMPARE((QList<qint64>{c.free, c.leased, c.written, c.failed, c.spoiled}),
                     (QList<qint64>{0, 1, 1, 0, 1}));
        }
        QVERIFY(seen);
    }

    void unreachable() {
        QString reason;
        QVERIFY(!Open_Ledger(
            QStringLiteral("postgresql://tessara@localhost/postgres?host=/nonexistent"), reason));
        QVERIFY2(reason.startsWith(QLatin1String("ledger postgresql://tessara@localhost/postgres")),
                 qPrintable(reason));
        QVERIFY(!Open_Ledger(QStringLiteral("postgresql://host-without-database"), reason));
        QVERIFY2(reason.contains(QLatin1String("must be postgresql://")), qPrintable(reason));
    }
};

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--worker")
        return worker(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    LedgerPostgresTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_ledger_postgres.moc"
