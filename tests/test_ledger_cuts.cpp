// The cut matrix: the station killed (SIGKILL) or the board's power cut at each step of a
// serialized board's run, then the same board back in its slot, or another, blank one. The next
// run settles what the cut left: the board that comes back gets the values it holds again, and
// another board never does; no value is held by two boards, none is leased for ever, and every
// value is free, written or spoiled.
#include "bundle/bundle_maker.h"
#include "support/bench_rig.h"
#include "support/cli_process.h"
#include "support/unit_fixtures.h"

#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>
#include <csignal>

namespace {

constexpr int Keys = 3;

// "free F, leased L, written W, spoiled S" of `name` in `ledger status`.
QList<int> counts(const QString &status, const QString &name) {
    const QRegularExpression line(
        name + QStringLiteral(": free (\\d+), leased (\\d+), written (\\d+), spoiled (\\d+)"));
    const QRegularExpressionMatch m = line.match(status);
    if (!m.hasMatch()) return {};
    return {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
            m.captured(4).toInt()};
}

int framesOf(const SimDevice &sim, char letter) {
    int n = 0;
    for (const SimFrame &f : sim.received())
        n += f.letter == uint8_t(letter) ? 1 : 0;
    return n;
}

} // namespace

class LedgerCutsTest : public QObject {
    Q_OBJECT

  private slots:
    void cuts_data() {
        QTest::addColumn<char>("letter"); // the command the cut comes at
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<bool>("killStation"); // else the board's power is cut
        QTest::addColumn<bool>("writing");     // the board's writes had begun: its values are held
        QTest::addColumn<bool>("known");       // its flash holds them when it comes back
        QTest::addColumn<bool>("comesBack"); // the same board is next in the slot, else a blank one
        const struct {
            const char *name;
            char letter;
            int occurrence;
            bool kill, writing, known;
        } cuts[] = {
            {"station killed while the flash part is read", 'm', 1, true, false, false},
            {"station killed in the third block", 'l', 3, true, true, true},
            {"station killed in the flash CRC check", 'n', 1, true, true, true},
            // Half of the first block's work: its sectors erased, the values' pages not written.
            {"board power cut in the values' block", 'l', 1, false, true, false},
            {"board power cut in the third block", 'l', 3, false, true, true},
            {"board power cut in the flash CRC check", 'n', 1, false, true, true}};
        for (const auto &c : cuts)
            for (const bool back : {true, false})
                QTest::newRow(qPrintable(QString::fromLatin1(c.name) +
                                         (back ? ", the board back" : ", a blank board next")))
                    << c.letter << c.occurrence << c.kill << c.writing << c.known << back;
    }
    void cuts() {
        QFETCH(char, letter);
        QFETCH(int, occurrence);
        QFETCH(bool, killStation);
        QFETCH(bool, writing);
        QFETCH(bool, known);
        QFETCH(bool, comesBack);
        // The board that comes back holding its values gets them again; values perhaps on a
        // board that is not known are never given to another.
        const bool returned = writing && known && comesBack;
        const bool spoiled = writing && !returned;
        BenchRig bench;
        QByteArray image = bench.flash;
        image.replace(0x7E00, 128, Edid_Block());
        BundleRecipe recipe;
        recipe.product = QStringLiteral("panel");
        recipe.version = QStringLiteral("1");
        recipe.constraints.models = QStringList{QStringLiteral("KQ31B")};
        recipe.flash = image;
        recipe.unitData = Unit_Fields(Usual_UnitData());
        QCOMPARE(recipe.unitData.size(), 3);
        QString reason;
        QByteArray archive;
        const QString bundle = bench.path("panel.kqb"), ledger = bench.path("ledger.sqlite");
        QVERIFY(Make_Bundle(recipe, nullptr, archive, reason) &&
                Write_BundleFile(bundle, archive, reason));
        QFile pool(bench.path("keys.txt"));
        QVERIFY(pool.open(QIODevice::WriteOnly));
        for (int i = 0; i < Keys; ++i)
            pool.write(QByteArray::number(0xABCD00 + i, 16).repeated(6).left(32) + "\n");
        pool.close();
        const auto ledgerCommand = [&](const QStringList &words) {
            return Run_Cli(QStringList{"ledger", "--ledger", ledger} + words, bench.dir.path());
        };
        QCOMPARE(ledgerCommand({"import", "hdcp", pool.fileName()}).status, 0);
        const auto update = [&](int board, const CliRunOptions &options) {
            return Run_Cli({"--port", bench.link(board), "--report", bench.reportPath(), "--ledger",
                            ledger, "update-flash", "--bundle", bundle},
                           bench.dir.path(), options);
        };

        SimDevice *first = bench.plug(0);
        QVERIFY(first);
        CliRunOptions cut;
        if (killStation) {
            // The board stops answering there; the station is killed while it waits.
            first->addFault(SimFault::on(letter, occurrence, SimFault::Silence));
            cut.signal = SIGKILL;
            cut.interruptWhen = [&] { return framesOf(*first, letter) >= occurrence; };
        } else {
            first->addPowerCut(SimPowerCut::at(letter, occurrence, 50, -1));
        }
        const CliRun cutRun = update(0, cut);
        QVERIFY2(cutRun.status == (killStation ? -1 : 1),
                 qPrintable(QString::number(cutRun.status) + ": " + cutRun.err));
        // A killed station left its lease unsettled: the next run settles it.
        const CliRun left = ledgerCommand({"status"});
        QCOMPARE(counts(left.out, QStringLiteral("pool hdcp")).value(1), killStation ? 1 : 0);

        // The next board in the slot: the cut one with what its flash kept, or a blank one.
        const QByteArray kept = first->externalFlash(0, image.size());
        first->stop();
        SimDevice *next = bench.plug(0);
        QVERIFY(next);
        if (comesBack) next->writeExternalFlash(0, kept);
        // The next run of the station settles what the cut left, then serves the board.
        const CliRun nextRun = update(0, CliRunOptions());
        QVERIFY2(nextRun.status == 0, qPrintable(nextRun.out + nextRun.err));
        const QList<QJsonObject> records = bench.report();
        QVERIFY(!records.isEmpty());
        const QString serial = spoiled ? QStringLiteral("1001") : QStringLiteral("1000");
        QCOMPARE(records.last()["unit_serial"].toString(), serial);
        const QByteArray onBoard = next->externalFlash(0x7F00, 4);
        QCOMPARE(qFromLittleEndian<quint32>(onBoard.constData()), serial.toUInt());

        const CliRun status = ledgerCommand({"status"});
        for (const char *name : {"counter serial", "pool hdcp"}) {
            const QList<int> c = counts(status.out, QLatin1String(name));
            QVERIFY2(c.size() == 4, qPrintable(status.out));
            QCOMPARE(c.at(1), 0); // nothing leased for ever
            QCOMPARE(c.at(2), 1);
            QCOMPARE(c.at(3), spoiled ? 1 : 0);
        }
        QCOMPARE(counts(status.out, QStringLiteral("pool hdcp")).at(0), Keys - 1 - int(spoiled));
        QVERIFY2(!status.out.contains(QLatin1String("held for failed boards")),
                 qPrintable(status.out));
        // The first board's history says what became of its values.
        const CliRun show = ledgerCommand({"show", "1000"});
        QVERIFY2(show.out.contains(QStringLiteral("spoiled on ")) == spoiled, qPrintable(show.out));
        QVERIFY2(show.out.contains(QStringLiteral("returned on ")) == returned,
                 qPrintable(show.out));
        QVERIFY2(show.out.contains(QStringLiteral("written on ")) == !spoiled,
                 qPrintable(show.out));
        QVERIFY(show.out.contains(bench.link(0)));
    }
};

QTEST_GUILESS_MAIN(LedgerCutsTest)
#include "test_ledger_cuts.moc"
