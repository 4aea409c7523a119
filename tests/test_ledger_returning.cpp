// A board that failed after its values were written is known again by what its flash holds
// where the fields go; a blank board, one holding only the image's own bytes, or another board's
// values is not it. The ledger then gives the held values back to that board alone.
#include "ledger/field_codec.h"
#include "ledger/ledger.h"
#include "ledger/returning_board.h"
#include "protocol/crc32.h"
#include "support/unit_fixtures.h"

#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

UnitValues valuesOf(uint64_t serial, char key) {
    UnitValue number, secret;
    number.field = number.source = QStringLiteral("serial");
    number.number = serial;
    secret.field = QStringLiteral("hdcp");
    secret.source = QStringLiteral("hdcp");
    secret.bytes = QByteArray(16, key);
    return {number, secret};
}

// A board's flash as a source of range CRCs, counting the questions.
struct BoardFlash {
    QByteArray bytes;
    int asked = 0;
    BoardFlashCrc crc() {
        return [this](uint32_t start, int32_t length) -> Result<uint32_t> {
            ++asked;
            const QByteArray range = bytes.mid(int(start), length);
            return crc32_calc(reinterpret_cast<const uint8_t *>(range.constData()),
                              size_t(range.size()));
        };
    }
};

} // namespace

class LedgerReturningTest : public QObject {
    Q_OBJECT

    UnitFields usual = Unit_Fields(Usual_UnitData());
    QByteArray image = Unit_Image(0x8000, 0x7E00);

    QByteArray patched(const UnitValues &values) {
        QByteArray bytes;
        QString reason;
        if (!Apply_UnitValues(image, usual, values, bytes, reason))
            qFatal("%s", qPrintable(reason));
        return bytes;
    }

  private slots:
    void knowsItsBoard_data() {
        QTest::addColumn<QString>("board"); // what the board's flash holds
        QTest::addColumn<int>("found");     // the held lease found: -1 none
        QTest::newRow("the first held board, whole") << "first" << 0;
        QTest::newRow("the second held board, whole") << "second" << 1;
        QTest::newRow("only the serial's block written") << "serial only" << 0;
        QTest::newRow("only the key's range written") << "key only" << 1;
        QTest::newRow("blank (erased)") << "blank" << -1;
        QTest::newRow("the image without values") << "image" << -1;
        QTest::newRow("a board written with other values") << "other" << -1;
    }
    void knowsItsBoard() {
        QFETCH(QString, board);
        QFETCH(int, found);
        QList<BoardLease> held;
        for (int i = 0; i < 2; ++i) {
            BoardLease lease;
            lease.id = QStringLiteral("lease-%1").arg(i);
            lease.values = valuesOf(1000 + uint64_t(i), char(0x41 + i));
            // As the ledger lists them: by source, no field names.
            std::reverse(lease.values.begin(), lease.values.end());
            held.append(lease);
        }
        BoardFlash flash;
        if (board == QLatin1String("first")) flash.bytes = patched(valuesOf(1000, 'A'));
        if (board == QLatin1String("second")) flash.bytes = patched(valuesOf(1001, 'B'));
        if (board == QLatin1String("blank")) flash.bytes = QByteArray(image.size(), char(0xFF));
        if (board == QLatin1String("image")) flash.bytes = image;
        if (board == QLatin1String("other")) flash.bytes = patched(valuesOf(1002, 'C'));
        if (board == QLatin1String("serial only")) {
            flash.bytes = QByteArray(image.size(), char(0xFF));
            flash.bytes.replace(0x7F00, 4, patched(valuesOf(1000, 'A')).mid(0x7F00, 4));
        }
        if (board == QLatin1String("key only")) {
            flash.bytes = image;
            flash.bytes.replace(0x7D00, 16, QByteArray(16, 'B'));
        }
        const Result<QString> lease = Find_ReturningLease(image, usual, held, flash.crc());
        QVERIFY(lease.ok());
        QCOMPARE(lease.value(), found < 0 ? QString() : held.at(found).id);
        // Each range asked once, whatever the number of held leases.
        QCOMPARE(flash.asked, usual.size());
    }

    // Nothing held: the board is not asked. A board that cannot be asked is refused.
    void asksOnlyWhenNeeded() {
        BoardFlash flash;
        QVERIFY(Find_ReturningLease(image, usual, {}, flash.crc()).value().isEmpty());
        QCOMPARE(flash.asked, 0);
        BoardLease lease;
        lease.id = QStringLiteral("x");
        lease.values = valuesOf(1000, 'A');
        const auto silent = [](uint32_t, int32_t) -> Result<uint32_t> {
            return Fail(FailureKind::NoReply, QStringLiteral("the flash CRC query was not "
                                                             "answered in time"));
        };
        const Result<QString> found = Find_ReturningLease(image, usual, {lease}, silent);
        QVERIFY(!found.ok());
        QCOMPARE(found.kind(), FailureKind::NoReply);
    }

    // Values held for a failed board: given back to it alone, once; the next board at its place
    // that is not it spoils them, with the place they went to in the history.
    void ledgerGivesThemBack() {
        QTemporaryDir dir;
        QString reason;
        auto ledger = Open_Ledger(dir.filePath(QStringLiteral("ledger.sqlite")), reason);
        QVERIFY2(ledger, qPrintable(reason));
        QList<QByteArray> keys;
        for (int i = 0; i < 4; ++i)
            keys.append(QByteArray(16, char(0x61 + i)));
        QVERIFY(ledger->importPool(QStringLiteral("hdcp"), keys, reason));
        const BoardPlace slot{QStringLiteral("bench-1"), QStringLiteral("/dev/ttyACM0"), QString()};
        BoardLease first;
        QVERIFY(ledger->lease(usual, slot, first, reason));
        QVERIFY(ledger->markWriting(first, reason));
        QVERIFY(ledger->markFailed(first, reason));
        QCOMPARE(Ledger_CountOf(*ledger, QStringLiteral("hdcp")).failed, 1);

        QList<BoardLease> held;
        QVERIFY(ledger->held(QStringLiteral("bench-1"), held, reason));
        QCOMPARE(held.size(), 1);
        QCOMPARE(held.first().id, first.id);
        QVERIFY(ledger->held(QStringLiteral("bench-2"), held, reason));
        QVERIFY(held.isEmpty()); // another station's are not its own

        // Back on another port of the station, known by its flash.
        BoardPlace back = slot;
        back.port = QStringLiteral("/dev/ttyACM1");
        back.returning = first.id;
        BoardLease again;
        QVERIFY2(ledger->lease(usual, back, again, reason), qPrintable(reason));
        QVERIFY(again.again);
        QCOMPARE(again.id, first.id);
        QCOMPARE(again.values.at(0).number, first.values.at(0).number);
        QCOMPARE(again.values.at(1).bytes, first.values.at(1).bytes);
        // A second board claiming them gets nothing.
        BoardLease twice;
        QVERIFY(!ledger->lease(usual, back, twice, reason));
        QVERIFY2(reason.contains(QLatin1String("no longer held")), qPrintable(reason));
        QVERIFY(ledger->markWriting(again, reason));
        QVERIFY(ledger->markWritten(again, reason));
        LedgerCount key = Ledger_CountOf(*ledger, QStringLiteral("hdcp"));
        QCOMPARE((QList<qint64>{key.free, key.written, key.failed, key.spoiled}),
                 (QList<qint64>{3, 1, 0, 0}));

        // Another failure, and a board at its place that is not it.
        BoardLease lost, next;
        QVERIFY(ledger->lease(usual, slot, lost, reason));
        QVERIFY(ledger->markWriting(lost, reason));
        QVERIFY(ledger->markFailed(lost, reason));
        QVERIFY(ledger->lease(usual, slot, next, reason));
        QVERIFY(next.values.at(0).number != lost.values.at(0).number);
        key = Ledger_CountOf(*ledger, QStringLiteral("hdcp"));
        QCOMPARE((QList<qint64>{key.free, key.written, key.failed, key.spoiled}),
                 (QList<qint64>{1, 1, 0, 1}));

        QList<LedgerEntry> history;
        QVERIFY(ledger->history(first.serial, history, reason));
        QStringList seen;
        for (const LedgerEntry &e : history)
            if (e.source == QLatin1String("serial"))
                seen.append(e.state + QLatin1Char(' ') + e.port);
        QCOMPARE(seen, (QStringList{"leased /dev/ttyACM0", "writing /dev/ttyACM0",
                                    "failed /dev/ttyACM0", "returned /dev/ttyACM1",
                                    "writing /dev/ttyACM1", "written /dev/ttyACM1"}));
        QVERIFY(ledger->history(lost.serial, history, reason));
        QCOMPARE(history.last().state, QStringLiteral("spoiled"));
        QCOMPARE(history.last().port, slot.port);
    }

    // A station that died after giving a board that came back its values again, before writing:
    // they are on that board, so the next run holds them for it rather than freeing them.
    void aDeadRunsReturnedValuesStayHeld() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ledger.sqlite"));
        QString reason;
        auto ledger = Open_Ledger(path, reason);
        QVERIFY2(ledger, qPrintable(reason));
        QVERIFY(ledger->importPool(QStringLiteral("hdcp"), {QByteArray(16, 'k')}, reason));
        const QString station = QSysInfo::machineHostName();
        BoardLease first, again;
        QVERIFY(ledger->lease(usual, {station, QStringLiteral("p0"), QString()}, first, reason));
        QVERIFY(ledger->markWriting(first, reason));
        QVERIFY(ledger->markFailed(first, reason));
        BoardPlace back{station, QStringLiteral("p0"), QString()};
        back.returning = first.id;
        QVERIFY(ledger->lease(usual, back, again, reason));
        QVERIFY(Ledger_TakenByADeadRun(path));
        QVERIFY2(ledger->recover(reason), qPrintable(reason));
        const LedgerCount key = Ledger_CountOf(*ledger, QStringLiteral("hdcp"));
        QCOMPARE((QList<qint64>{key.free, key.leased, key.failed}), (QList<qint64>{0, 0, 1}));
    }
};

QTEST_GUILESS_MAIN(LedgerReturningTest)
#include "test_ledger_returning.moc"
