// Per-board values in a run of tessara-cli on simulated boards: each board gets its own serial
// and key from the ledger, written into its copy of the bundle's flash image; a board the pool
// cannot serve is refused before anything is written; a board that fails after its values were
// written holds them for it, one refused before writing gives them back; records and traces carry
// no secret.
#include "bundle/bundle_maker.h"
#include "ledger/field_codec.h"
#include "support/bench_rig.h"
#include "support/cli_process.h"
#include "support/unit_fixtures.h"

#include <QJsonDocument>
#include <QtTest>

namespace {

constexpr int EdidAt = 0x7E00, SerialAt = 0x7F00, KeyAt = 0x7D00;

QList<QByteArray> keys(int count) {
    QList<QByteArray> values;
    for (int i = 0; i < count; ++i)
        values.append(QByteArray::fromHex("c0ffee00112233445566778899aabb") + char(i));
    return values;
}

// A bench whose flash image holds an EDID block, a bundle of it with the usual fields for
// `models`, and a ledger with `keyCount` keys imported by tessara-cli itself.
struct SerialBench {
    BenchRig bench;
    QString bundle = bench.path("panel.kqb");
    QString ledger = bench.path("ledger.sqlite");
    QByteArray image;

    bool make(int keyCount, const QStringList &models = {"KQ31B"}) {
        image = bench.flash;
        image.replace(EdidAt, 128, Edid_Block());
        BundleRecipe r;
        r.product = QStringLiteral("panel");
        r.version = QStringLiteral("2.4");
        r.constraints.models = models;
        r.flash = image;
        r.unitData = Unit_Fields(Usual_UnitData());
        QByteArray archive;
        QString reason;
        if (!Make_Bundle(r, nullptr, archive, reason) ||
            !Write_BundleFile(bundle, archive, reason)) {
            qWarning("%s", qPrintable(reason));
            return false;
        }
        if (keyCount == 0) return true;
        QFile pool(bench.path("keys.txt"));
        if (!pool.open(QIODevice::WriteOnly)) return false;
        for (const QByteArray &key : keys(keyCount))
            pool.write(key.toHex() + '\n');
        pool.close();
        const CliRun import = ledgerCommand({"import", "hdcp", pool.fileName()});
        if (import.status != 0 || import.out.contains(QLatin1String("c0ffee"))) {
            qWarning("import: %s", qPrintable(import.err));
            return false;
        }
        return true;
    }
    CliRun ledgerCommand(const QStringList &words) {
        return Run_Cli(QStringList{"ledger", "--ledger", ledger} + words, bench.dir.path());
    }
    CliRun update(const QStringList &more, int boards) {
        QStringList args{"--report", bench.reportPath(), "--ledger", ledger};
        for (int i = 0; i < boards; ++i)
            args += QStringList{"--port", bench.link(i)};
        return Run_Cli(args + more + QStringList{"update-flash", "--bundle", bundle},
                       bench.dir.path());
    }
    // What image board `i` should hold with `serial` and `key`.
    QByteArray expected(uint32_t serial, const QByteArray &key) const {
        QByteArray patched;
        QString reason;
        Apply_UnitValues(image, Unit_Fields(Usual_UnitData()),
                         {{"serial", "serial", 0, serial, {}}, {"hdcp", "hdcp", 0, 0, key}},
                         patched, reason);
        return patched;
    }
};

} // namespace

class CliLedgerTest : public QObject {
    Q_OBJECT

  private slots:
    // Three boards, two keys: two boards get a serial and a key each, written and checked; the
    // third is refused before anything is written, with the reason.
    void gangTakesOneValueEach() {
        SerialBench s;
        QVERIFY(s.make(2));
        for (int i = 0; i < 3; ++i)
            QVERIFY(s.bench.plug(i));
        const QByteArray blank = s.bench.board(0).externalFlash(0, s.image.size());
        const CliRun run = s.update({}, 3);
        QVERIFY2(run.status == 1, qPrintable(run.err));

        QSet<QString> serials, tags;
        int refused = 0;
        for (const QJsonObject &r : s.bench.report()) {
            const int board = r["port"].toString() == s.bench.link(0)   ? 0
                              : r["port"].toString() == s.bench.link(1) ? 1
                                                                        : 2;
            const QByteArray flash = s.bench.board(board).externalFlash(0, s.image.size());
            if (r["result"].toString() == QLatin1String("fail")) {
                ++refused;
                QCOMPARE(r["reason"].toString(),
                         QStringLiteral("board refused, nothing written: pool empty: hdcp"));
                QCOMPARE(flash, blank);
                continue;
            }
            QCOMPARE(r["result"].toString(), QStringLiteral("ok"));
            const QString serial = r["unit_serial"].toString();
            const QByteArray key = flash.mid(KeyAt, 16);
            QVERIFY(keys(2).contains(key));
            QCOMPARE(flash, s.expected(serial.toUInt(), key));
            QCOMPARE(r["unit_hdcp"].toString(), QStringLiteral("pool hdcp #%1 sha256 %2")
                                                    .arg(keys(2).indexOf(key))
                                                    .arg(Secret_Tag(key)));
            QCOMPARE(flash.mid(SerialAt, 4).toHex(),
                     QByteArray::number(serial.toUInt(), 16).rightJustified(8, '0').right(2) +
                         QByteArray("03") + "0000");
            serials.insert(serial);
            tags.insert(r["unit_hdcp"].toString());
        }
        QCOMPARE(refused, 1);
        QCOMPARE(serials, (QSet<QString>{"1000", "1001"}));
        QCOMPARE(tags.size(), 2);

        // No secret in the records or the output.
        QFile report(s.bench.reportPath());
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QByteArray everything = report.readAll() + run.out.toUtf8() + run.err.toUtf8();
        for (const QByteArray &key : keys(2))
            QVERIFY(!everything.contains(key.toHex()));

        const CliRun status = s.ledgerCommand({"status"});
        QCOMPARE(status.status, 0);
        QVERIFY2(status.out.contains("pool hdcp: free 0, leased 0, written 2, spoiled 0"),
                 qPrintable(status.out));
        QVERIFY2(status.out.contains("counter serial: free 0, leased 0, written 2, spoiled 0"),
                 qPrintable(status.out));
        const CliRun show = s.ledgerCommand({"show", "1001"});
        QCOMPARE(show.status, 0);
        QCOMPARE(show.out.count(QStringLiteral(": written on ")), 2);
        QVERIFY(show.out.contains(QLatin1String("pool hdcp #")));
        QVERIFY(!show.out.contains(QLatin1String("c0ffee")));
    }

    // How a board's run ends decides its values: refused before any write gives them back;
    // failing after writing holds them for the board, should it come back.
    void endings_data() {
        QTest::addColumn<QString>("model"); // the bundle's
        QTest::addColumn<QString>("fault"); // on the board
        QTest::addColumn<QString>("serialState");
        QTest::newRow("another chip: refused before writing")
            << "KQ47"
            << ""
            << "counter serial: free 1, leased 0, written 0, spoiled 0";
        QTest::newRow("flash CRC wrong after writing")
            << "KQ31B"
            << "crc"
            << "counter serial: free 0, leased 0, written 0, spoiled 0, held for failed boards 1";
        QTest::newRow("power cut in the third block")
            << "KQ31B"
            << "cut"
            << "counter serial: free 0, leased 0, written 0, spoiled 0, held for failed boards 1";
    }
    void endings() {
        QFETCH(QString, model);
        QFETCH(QString, fault);
        QFETCH(QString, serialState);
        SerialBench s;
        QVERIFY(s.make(1, {model}));
        SimDevice *board = s.bench.plug(0);
        QVERIFY(board);
        if (fault == QLatin1String("crc")) board->addFault(SimFault::on('n', 1, SimFault::BadCrc));
        if (fault == QLatin1String("cut")) board->addPowerCut(SimPowerCut::at('l', 3, 50, -1));
        const CliRun run = s.update({}, 1);
        QCOMPARE(run.status, 1);
        const CliRun status = s.ledgerCommand({"status"});
        QVERIFY2(status.out.contains(serialState), qPrintable(status.out));
        QVERIFY2(status.out.contains(serialState.replace("counter serial", "pool hdcp")),
                 qPrintable(status.out));
    }

    // A board written once and serialized again with --only-changed costs the blocks of its
    // fields, not the image.
    void onlyChangedRewritesTheFields() {
        SerialBench s;
        QVERIFY(s.make(2));
        QVERIFY(s.bench.plug(0));
        const QString trace = s.bench.path("trace.txt");
        QCOMPARE(s.update({"--trace", trace}, 1).status, 0);
        QCOMPARE(s.update({"--only-changed"}, 1).status, 0);
        const QList<QJsonObject> records = s.bench.report();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(1)["unit_serial"].toString(), QStringLiteral("1001"));
        const int blocks = records.at(1)["flash_blocks"].toInt();
        const int sent = records.at(1)["flash_blocks_sent"].toInt();
        QVERIFY2(sent >= 1 && sent <= 2 && blocks > 2 * sent,
                 qPrintable(QStringLiteral("%1 of %2").arg(sent).arg(blocks)));
        const QByteArray flash = s.bench.board(0).externalFlash(0, s.image.size());
        QCOMPARE(flash, s.expected(1001, flash.mid(KeyAt, 16)));

        // The trace of the first run shows no byte of the key it wrote.
        QFile traced(trace);
        QVERIFY(traced.open(QIODevice::ReadOnly));
        const QByteArray text = traced.readAll();
        QVERIFY(text.contains(" TX "));
        for (const QByteArray &key : keys(2))
            QVERIFY(!text.contains(key.mid(0, 6).toHex(' ')));
    }
};

QTEST_GUILESS_MAIN(CliLedgerTest)
#include "test_cli_ledger.moc"
