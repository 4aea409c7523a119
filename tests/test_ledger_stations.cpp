// A board that failed after its values were written, taken to another station of the line: with
// the line's shared ledger (PostgreSQL, started by the test) that station knows it by its flash
// and gives it the same values, the hold moving with it so that no other station hands them out
// again; with one station's SQLite file the other station knows nothing of it. The leases a
// named station's dead run left are settled when the ledger is next opened for a run.
#include "ledger/ledger_board_data.h"
#include "ledger/run_ledger.h"
#include "protocol/crc32.h"
#include "support/postgres_server.h"
#include "support/unit_fixtures.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A board's flash: what a run wrote to it, and the CRCs of its ranges when asked.
struct Board {
    QByteArray flash;
    BoardFlashCrc crc() const {
        return [this](uint32_t start, int32_t length) -> Result<uint32_t> {
            const QByteArray range = flash.mid(int(start), length);
            return crc32_calc(reinterpret_cast<const uint8_t *>(range.constData()),
                              size_t(range.size()));
        };
    }
};

ImageSnapshot snapshotOf(const QByteArray &bytes) {
    auto image = std::make_shared<ImageFile>();
    image->bytes = bytes;
    image->size = bytes.size();
    image->read = true;
    return image;
}

// How a board's run ended: its flash written (all of it), and failed or passed.
JobResult ending(bool passed) {
    JobResult r;
    r.flashBlocks = r.flashBlocksWritten = 8;
    r.flash = passed ? StepState::Ok : StepState::Failed;
    if (!passed) r.failure = Fail(FailureKind::WrongReply, QStringLiteral("flash CRC wrong"));
    return r;
}

} // namespace

class LedgerStationsTest : public QObject {
    Q_OBJECT

    const UnitFields usual = Unit_Fields(Usual_UnitData());
    const ImageSnapshot image = snapshotOf(Unit_Image(0x8000, 0x7E00));

  private slots:
    void failedBoardAtAnotherStation_data() {
        QTest::addColumn<bool>("shared");
        QTest::newRow("SQLite: one station's file") << false;
        QTest::newRow("PostgreSQL: the line's") << true;
    }
    void failedBoardAtAnotherStation() {
        QFETCH(bool, shared);
        PostgresServer server;
        QTemporaryDir dir;
        QString where = dir.filePath(QStringLiteral("ledger.sqlite")), reason;
        if (shared) {
            QVERIFY(server.start());
            where = server.url();
        }
        // Each station opens the ledger on its own.
        const std::shared_ptr<Ledger> first = Open_Ledger(where, reason);
        QVERIFY2(first, qPrintable(reason));
        const std::shared_ptr<Ledger> second = Open_Ledger(where, reason);
        QVERIFY2(second, qPrintable(reason));
        QCOMPARE(first->sharedByStations(), shared);
        QList<QByteArray> keys;
        for (int i = 0; i < 4; ++i)
            keys.append(QByteArray(16, char(0x41 + i)));
        QVERIFY(first->importPool(QStringLiteral("hdcp"), keys, reason));
        LedgerBoardData s1(first, usual, image, QStringLiteral("s1"));
        LedgerBoardData s2(second, usual, image, QStringLiteral("s2"));
        LedgerBoardData s3(second, usual, image, QStringLiteral("s3"));

        // At s1 the board is written and fails its check.
        DataRefusal refused;
        Board failed{image->bytes};
        const std::shared_ptr<BoardData> atFirst = s1.take("p1", failed.crc(), refused);
        QVERIFY2(atFirst, qPrintable(refused.failure.reason));
        QVERIFY(atFirst->beforeWrite().ok());
        failed.flash = atFirst->flashImage()->bytes;
        QVERIFY(atFirst->settle(ending(false)).ok());

        // Taken to s2.
        const std::shared_ptr<BoardData> atSecond = s2.take("p7", failed.crc(), refused);
        QVERIFY2(atSecond, qPrintable(refused.failure.reason));
        QCOMPARE(atSecond->recordValues() == atFirst->recordValues(), shared);
        QCOMPARE(atSecond->flashImage()->bytes == failed.flash, shared);
        QCOMPARE(atSecond->takenNote().contains(QLatin1String("came back")), shared);

        // The hold moved with the board: s1 holds nothing for it any more, and a third station
        // that sees the same values (a copy of its flash) is not given them.
        QList<BoardLease> held;
        QVERIFY(first->held(QStringLiteral("s1"), held, reason));
        QCOMPARE(held.isEmpty(), shared);
        const std::shared_ptr<BoardData> atThird = s3.take("p9", failed.crc(), refused);
        QVERIFY2(atThird, qPrintable(refused.failure.reason));
        QVERIFY(atThird->recordValues() != atFirst->recordValues());

        QVERIFY(atSecond->beforeWrite().ok());
        QVERIFY(atSecond->settle(ending(true)).ok());
        const LedgerCount key = Ledger_CountOf(*first, QStringLiteral("hdcp"));
        // SQLite: the first board's key stays held at s1 for it; s2 wrote a new one. Shared: the
        // first board's key is written; s3's lease is still open.
        QCOMPARE((QList<qint64>{key.free, key.leased, key.written, key.failed, key.spoiled}),
                 shared ? (QList<qint64>{2, 1, 1, 0, 0}) : (QList<qint64>{1, 1, 1, 1, 0}));
    }

    // A run of a named station that died (its leases taken under its name, not the host's):
    // opening the ledger for the next run settles them, the written ones held for their board,
    // the others free again.
    void deadRunOfANamedStation() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ledger.sqlite"));
        QString reason;
        const std::shared_ptr<Ledger> ledger = Open_Ledger(path, reason);
        QVERIFY2(ledger, qPrintable(reason));
        QVERIFY(ledger->importPool(QStringLiteral("hdcp"),
                                   {QByteArray(16, 'a'), QByteArray(16, 'b')}, reason));
        LedgerBoardData station(ledger, usual, image, QStringLiteral("line1-s3"));
        DataRefusal refused;
        const Board blank{image->bytes};
        const std::shared_ptr<BoardData> writing = station.take("p1", blank.crc(), refused);
        const std::shared_ptr<BoardData> leased = station.take("p2", blank.crc(), refused);
        QVERIFY(writing && leased);
        QVERIFY(writing->beforeWrite().ok());
        QVERIFY(Ledger_TakenByADeadRun(path));
        QVERIFY2(Open_RunLedger(path, reason), qPrintable(reason));
        const LedgerCount key = Ledger_CountOf(*ledger, QStringLiteral("hdcp"));
        QCOMPARE((QList<qint64>{key.free, key.leased, key.writing, key.failed}),
                 (QList<qint64>{1, 0, 0, 1}));
    }
};

QTEST_GUILESS_MAIN(LedgerStationsTest)
#include "test_ledger_stations.moc"
