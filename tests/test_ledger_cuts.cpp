// The cut matrix: the station killed (SIGKILL) or the board's power cut at each step of a
// serialized board's run. The next run settles what the cut left; then no value is held by two
// boards, none is leased for ever, and every value is free, written or spoiled.
#include "bundle/bundle_maker.h"
#include "support/bench_rig.h"
#include "support/cli_process.h"
#include "support/unit_fixtures.h"

#include <QRegularExpression>
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
        QTest::addColumn<bool>("spoiled");     // else the value is free again
        QTest::newRow("station killed while the flash part is read") << 'm' << 1 << true << false;
        QTest::newRow("station killed in the third block") << 'l' << 3 << true << true;
        QTest::newRow("station killed in the flash CRC check") << 'n' << 1 << true << true;
        QTest::newRow("board power cut in the third block") << 'l' << 3 << false << true;
        QTest::newRow("board power cut in the flash CRC check") << 'n' << 1 << false << true;
    }
    void cuts() {
        QFETCH(char, letter);
        QFETCH(int, occurrence);
        QFETCH(bool, killStation);
        QFETCH(bool, spoiled);
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

        // The next run of the station settles what the cut left, then serves a new board.
        QVERIFY(bench.plug(1));
        const CliRun next = update(1, CliRunOptions());
        QVERIFY2(next.status == 0, qPrintable(next.err));
        const QList<QJsonObject> records = bench.report();
        QVERIFY(!records.isEmpty());
        const QString written = records.last()["unit_serial"].toString();
        // A value perhaps on the cut board never goes to another; one never written does.
        QCOMPARE(written, spoiled ? QStringLiteral("1001") : QStringLiteral("1000"));

        const CliRun status = ledgerCommand({"status"});
        for (const char *name : {"counter serial", "pool hdcp"}) {
            const QList<int> c = counts(status.out, QLatin1String(name));
            QVERIFY2(c.size() == 4, qPrintable(status.out));
            QCOMPARE(c.at(1), 0); // nothing leased for ever
            QCOMPARE(c.at(2), 1);
            QCOMPARE(c.at(3), spoiled ? 1 : 0);
        }
        QCOMPARE(counts(status.out, QStringLiteral("pool hdcp")).at(0), Keys - 1 - int(spoiled));
        if (spoiled) {
            // Where the spoiled value went is on record.
            const CliRun show = ledgerCommand({"show", "1000"});
            QVERIFY2(show.out.contains(QStringLiteral("spoiled on ")), qPrintable(show.out));
            QVERIFY(show.out.contains(bench.link(0)));
        }
    }
};

QTEST_GUILESS_MAIN(LedgerCutsTest)
#include "test_ledger_cuts.moc"
