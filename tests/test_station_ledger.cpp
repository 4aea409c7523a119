// The station's boards take values of their own (a serial number, an EDID serial, a key) from a
// ledger as tessara-cli's do: each board its own, written into its flash at the fields' offsets;
// tiles and records show the serial and never the key; a pool that runs out refuses the next
// board before anything is written and stops the station taking boards until the supervisor
// lets it go on; a board that failed after its values were written gets them again, at another
// station of the line too when the ledger is the line's (PostgreSQL, started by the test); a
// ledger that cannot be opened keeps the station from starting.
#include "bundle/bundle_maker.h"
#include "ledger/field_codec.h"
#include "ledger/ledger.h"
#include "station/slot_tile.h"
#include "station/station_translation.h"
#include "station/station_window.h"
#include "station/supervisor_password.h"
#include "support/bench_rig.h"
#include "support/postgres_server.h"
#include "support/station_tiles.h"
#include "support/unit_fixtures.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace {

constexpr int KeyAt = 0x7D00, SerialAt = 0x7F00, EdidAt = 0x7E00;

QList<QByteArray> keys(int from, int count) {
    QList<QByteArray> values;
    for (int i = from; i < from + count; ++i)
        values.append(QByteArray::fromHex("5eed00112233445566778899aabbcc") + char(i));
    return values;
}

// The texts the tile of slot `name` shows.
QString tileText(const QWidget &window, const QString &name) {
    QStringList texts;
    for (const SlotTile *tile : window.findChildren<SlotTile *>())
        if (tile->accessibleName() == name)
            for (const QLabel *label : tile->findChildren<QLabel *>())
                if (label->isVisible()) texts.append(label->text());
    return texts.join('\n');
}

// Every text the window shows, tiles and banner included.
QString shownText(const QWidget &window) {
    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->isVisible()) texts.append(label->text());
    return texts.join('\n');
}

// A bench with a flash-only bundle for KQ31B whose image holds an EDID block, with the usual
// per-board fields, and a SQLite ledger holding `keyCount` keys.
struct LedgerBench {
    BenchRig bench;
    QString bundle = bench.path("panel.kqb");
    QString ledgerPath = bench.path("ledger.sqlite");
    QByteArray image;
    QString unitData = Usual_UnitData();

    bool make(int keyCount) {
        image = bench.flash;
        image.replace(EdidAt, 128, Edid_Block());
        BundleRecipe r;
        r.product = QStringLiteral("panel");
        r.version = QStringLiteral("3.1");
        r.constraints.models = QStringList{"KQ31B"};
        r.flash = image;
        r.unitData = Unit_Fields(unitData);
        QByteArray archive;
        QString reason;
        if (!Make_Bundle(r, nullptr, archive, reason) ||
            !Write_BundleFile(bundle, archive, reason) ||
            (keyCount > 0 && !importKeys(0, keyCount))) {
            qWarning("%s", qPrintable(reason));
            return false;
        }
        return true;
    }
    // The supervisor's import, through a ledger of its own.
    bool importKeys(int from, int count) {
        QString reason;
        const std::unique_ptr<Ledger> ledger = Open_Ledger(ledgerPath, reason);
        if (!ledger || !ledger->importPool(QStringLiteral("hdcp"), keys(from, count), reason)) {
            qWarning("import: %s", qPrintable(reason));
            return false;
        }
        return true;
    }
    StationOptions options() const {
        StationOptions o;
        o.job = Job::UpdateFlash;
        o.operation = QStringLiteral("update-flash");
        o.bundlePath = bundle;
        o.flashIniPath = bench.path("Flash.ini");
        o.ledger = ledgerPath;
        return o;
    }
    // The image a board given `serial` and `key` holds.
    QByteArray expected(uint32_t serial, const QByteArray &key) const {
        QByteArray patched;
        QString reason;
        Apply_UnitValues(image, Unit_Fields(unitData),
                         {{"serial", "serial", 0, serial, {}}, {"hdcp", "hdcp", 0, 0, key}},
                         patched, reason);
        return patched;
    }
};

// The station on the bench's boards 0..count-1 (slots A1..), its recipe the bench's bundle with
// its values from the bench's ledger.
struct Station {
    Station(LedgerBench &b, int count, int maxParallel = 0,
            const QString &name = QStringLiteral("line1-s3"))
        : ledger(b.ledgerPath, name) {
        QString reason;
        if (!ledger.open(reason)) qFatal("ledger: %s", qPrintable(reason));
        const Result<Recipe> recipe = Load_Recipe(b.options(), &ledger);
        if (!recipe.ok()) qFatal("recipe: %s", qPrintable(recipe.reason()));
        StationWindow::Setup setup;
        setup.recipe = recipe.value();
        QList<SlotEntry> entries;
        QStringList ports;
        for (int i = 0; i < count; ++i) {
            entries.append({b.bench.link(i), QStringLiteral("A%1").arg(i + 1)});
            ports.append(b.bench.link(i));
        }
        setup.names = SlotNames(entries);
        setup.maxParallel = maxParallel;
        if (!report.open(b.bench.reportPath())) qFatal("cannot open the report");
        setup.report = &report;
        setup.ports = [ports] { return ports; };
        setup.usbSerialOf = [](const QString &) { return QString(); };
        static const QString hash = Hash_SupervisorPassword("s3cret");
        setup.supervisorHash = hash;
        setup.askSupervisor = [](const QString &) { return std::optional<QString>("s3cret"); };
        setup.station = name;
        setup.ledger = &ledger;
        window = std::make_unique<StationWindow>(setup);
        window->show();
    }
    StationLedger ledger;
    BoardReport report;
    std::unique_ptr<StationWindow> window;
};

int boardOf(const BenchRig &bench, const QJsonObject &record) {
    for (int i = 0; i < 8; ++i)
        if (record["port"].toString() == bench.link(i)) return i;
    return -1;
}

} // namespace

class StationLedgerTest : public QObject {
    Q_OBJECT

  private slots:
    // Two boards at once: each gets its own serial and key, written at the fields' offsets
    // (the EDID's serial and checksum with them); the tiles and records show the serial, the
    // records the key's pool, index and tag as tessara-cli's do, and no key appears anywhere.
    void eachBoardItsOwnValues() {
        LedgerBench b;
        QVERIFY(b.make(2));
        // The first board's flash check takes its time: its tile shows its serial meanwhile.
        QVERIFY(b.bench.plug(0, [](SimConfig &c) {
            c.crcProgressStep = 16 * 1024;
            c.crcProgressIntervalMs = 300;
        }));
        QVERIFY(b.bench.plug(1));
        Station station(b, 2);
        const QWidget &w = *station.window;
        QTRY_VERIFY_WITH_TIMEOUT(
            Station_TileText(w, "A1").startsWith("Running") &&
                tileText(w, "A1").contains(QRegularExpression("serial: 100[01]")),
            30000);
        QTRY_VERIFY_WITH_TIMEOUT(b.bench.reportLines() == 2, 30000);

        QSet<QString> serials;
        for (const QJsonObject &r : b.bench.report()) {
            QCOMPARE(r["result"].toString(), QStringLiteral("ok"));
            const int board = boardOf(b.bench, r);
            QVERIFY(board >= 0);
            const QByteArray flash = b.bench.board(board).externalFlash(0, b.image.size());
            const QString serial = r["unit_serial"].toString();
            const QByteArray key = flash.mid(KeyAt, 16);
            QVERIFY(keys(0, 2).contains(key));
            QCOMPARE(flash, b.expected(serial.toUInt(), key));
            QCOMPARE(flash.mid(SerialAt, 4), b.expected(serial.toUInt(), key).mid(SerialAt, 4));
            QCOMPARE(r["unit_hdcp"].toString(), QStringLiteral("pool hdcp #%1 sha256 %2")
                                                    .arg(keys(0, 2).indexOf(key))
                                                    .arg(Secret_Tag(key)));
            QCOMPARE(r["station"].toString(), QStringLiteral("line1-s3"));
            const QString slot = r["slot"].toString();
            QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, slot).startsWith("PASS"), 10000);
            QVERIFY2(tileText(w, slot).contains(QStringLiteral("serial: %1").arg(serial)),
                     qPrintable(tileText(w, slot)));
            serials.insert(serial);
        }
        QCOMPARE(serials, (QSet<QString>{"1000", "1001"}));

        // No key, nor the key's record text, on the window; none in the report.
        QFile report(b.bench.reportPath());
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QByteArray recorded = report.readAll();
        const QString shown = shownText(w);
        QVERIFY(!shown.contains(QLatin1String("hdcp")));
        for (const QByteArray &key : keys(0, 2)) {
            QVERIFY(!recorded.contains(key.toHex()));
            QVERIFY(!shown.contains(QString::fromLatin1(key.toHex()), Qt::CaseInsensitive));
        }
        // Nor in the boards' logs.
        for (SlotTile *tile : w.findChildren<SlotTile *>())
            QTest::mouseClick(tile, Qt::LeftButton);
        const QList<QPlainTextEdit *> logs = w.findChildren<QPlainTextEdit *>();
        QCOMPARE(logs.size(), 2);
        for (const QPlainTextEdit *log : logs) {
            QVERIFY(log->toPlainText().contains(QLatin1String("PASS")));
            for (const QByteArray &key : keys(0, 2))
                QVERIFY(!log->toPlainText().contains(QString::fromLatin1(key.toHex()),
                                                     Qt::CaseInsensitive));
        }
        QString reason;
        const std::unique_ptr<Ledger> ledger = Open_Ledger(b.ledgerPath, reason);
        QVERIFY2(ledger, qPrintable(reason));
        const LedgerCount c = Ledger_CountOf(*ledger, QStringLiteral("hdcp"));
        QCOMPARE((QList<qint64>{c.free, c.leased, c.written}), (QList<qint64>{0, 0, 2}));
    }

    // A board whose flash check failed after its values were written keeps them: acknowledged
    // and run again, it is known by its flash and written with the same serial and key, which
    // are then written once, and no other value is spent on it.
    void failedBoardGetsItsValuesAgain() {
        LedgerBench b;
        QVERIFY(b.make(2));
        QVERIFY(b.bench.plug(0));
        b.bench.board(0).addFault(SimFault::on('n', 1, SimFault::BadCrc));
        Station station(b, 1);
        const QWidget &w = *station.window;
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A1").startsWith("FAIL"), 30000);
        QString reason;
        const std::unique_ptr<Ledger> ledger = Open_Ledger(b.ledgerPath, reason);
        QVERIFY2(ledger, qPrintable(reason));
        QCOMPARE(Ledger_CountOf(*ledger, QStringLiteral("hdcp")).failed, 1);
        station.window->acknowledge(QStringLiteral("A1"));
        QTRY_VERIFY_WITH_TIMEOUT(b.bench.reportLines() == 2, 30000);
        const QList<QJsonObject> records = b.bench.report();
        QCOMPARE(records.at(0)["result"].toString(), QStringLiteral("fail"));
        QCOMPARE(records.at(1)["result"].toString(), QStringLiteral("ok"));
        QCOMPARE(records.at(1)["attempt"].toString(), QStringLiteral("2"));
        for (const char *field : {"unit_serial", "unit_hdcp"})
            QCOMPARE(records.at(1)[field].toString(), records.at(0)[field].toString());
        const QByteArray flash = b.bench.board(0).externalFlash(0, b.image.size());
        QCOMPARE(flash, b.expected(records.at(1)["unit_serial"].toString().toUInt(),
                                   flash.mid(KeyAt, 16)));
        const LedgerCount key = Ledger_CountOf(*ledger, QStringLiteral("hdcp"));
        QCOMPARE((QList<qint64>{key.free, key.leased, key.written, key.failed, key.spoiled}),
                 (QList<qint64>{1, 0, 1, 0, 0}));
    }

    // The board that failed at one station taken to another of the line: with the line's
    // PostgreSQL ledger the other station knows it by its flash and writes the same values,
    // their hold moving with it; with the first station's SQLite file it is a new board there.
    void failedBoardAtAnotherStation_data() {
        QTest::addColumn<bool>("shared");
        QTest::newRow("SQLite") << false;
        QTest::newRow("PostgreSQL") << true;
    }
    void failedBoardAtAnotherStation() {
        QFETCH(bool, shared);
        PostgresServer server;
        LedgerBench b;
        if (shared) {
            QVERIFY(server.start());
            b.ledgerPath = server.url();
        }
        QVERIFY(b.make(2));
        QVERIFY(b.bench.plug(0));
        b.bench.board(0).addFault(SimFault::on('n', 1, SimFault::BadCrc));
        {
            Station first(b, 1, 0, QStringLiteral("line1-s1"));
            QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(*first.window, "A1").startsWith("FAIL"),
                                     30000);
        }
        Station second(b, 1, 0, QStringLiteral("line1-s2"));
        QTRY_VERIFY_WITH_TIMEOUT(b.bench.reportLines() == 2, 30000);
        const QList<QJsonObject> records = b.bench.report();
        QCOMPARE(records.at(1)["result"].toString(), QStringLiteral("ok"));
        QCOMPARE(records.at(1)["station"].toString(), QStringLiteral("line1-s2"));
        for (const char *field : {"unit_serial", "unit_hdcp"})
            QCOMPARE(records.at(1)[field].toString() == records.at(0)[field].toString(), shared);
        QString reason;
        const std::unique_ptr<Ledger> ledger = Open_Ledger(b.ledgerPath, reason);
        QVERIFY2(ledger, qPrintable(reason));
        const LedgerCount key = Ledger_CountOf(*ledger, QStringLiteral("hdcp"));
        QCOMPARE((QList<qint64>{key.free, key.written, key.failed}),
                 shared ? (QList<qint64>{1, 1, 0}) : (QList<qint64>{0, 1, 1}));
        QList<BoardLease> held;
        QVERIFY(ledger->held(QStringLiteral("line1-s1"), held, reason));
        QCOMPARE(held.isEmpty(), shared);
    }

    // Values for one board of three, one at a time: the second board is refused before anything
    // is written ("pool empty" on its tile and the banner), and not run again when its FAIL is
    // acknowledged; the third is not started at all. Once the supervisor has imported more keys
    // and pressed Start, it runs and gets the serial the refused board did not use.
    void poolEmptyStopsTheStation_data() {
        QTest::addColumn<QString>("unitData");
        QTest::addColumn<int>("keyCount");
        QTest::addColumn<QString>("firstSerial");
        QTest::addColumn<QString>("reason");
        QTest::newRow("pool empty") << Usual_UnitData() << 1 << "1000"
                                    << "board refused, nothing written: pool empty: hdcp";
        QTest::newRow("counter at its end")
            << Usual_UnitData().replace("\"start\":1000", "\"start\":4294967295") << 3
            << "4294967295"
            << "board refused, nothing written: counter serial exhausted: it has no number left "
               "above 4294967295";
    }
    void poolEmptyStopsTheStation() {
        QFETCH(QString, unitData);
        QFETCH(int, keyCount);
        QFETCH(QString, firstSerial);
        QFETCH(QString, reason);
        LedgerBench b;
        b.unitData = unitData;
        QVERIFY(b.make(keyCount));
        for (int i = 0; i < 3; ++i)
            QVERIFY(b.bench.plug(i));
        const QByteArray blank = b.bench.board(0).externalFlash(0, b.image.size());
        Station station(b, 3, 1);
        const QWidget &w = *station.window;
        QTRY_VERIFY_WITH_TIMEOUT(b.bench.reportLines() == 2, 30000);
        QList<QJsonObject> records = b.bench.report();
        QCOMPARE(records.at(0)["result"].toString(), QStringLiteral("ok"));
        QCOMPARE(records.at(0)["unit_serial"].toString(), firstSerial);
        const QJsonObject refused = records.at(1);
        QCOMPARE(refused["result"].toString(), QStringLiteral("fail"));
        QCOMPARE(refused["reason"].toString(), reason);
        QVERIFY(!refused.contains("unit_serial"));
        const int refusedBoard = boardOf(b.bench, refused);
        QCOMPARE(b.bench.board(refusedBoard).externalFlash(0, b.image.size()), blank);
        const QString slot = refused["slot"].toString();
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, slot).startsWith("FAIL: pool empty"), 10000);
        QVERIFY2(
            shownText(w).contains(QStringLiteral("pool empty: %1 (slot %2)").arg(reason, slot)),
            qPrintable(shownText(w)));
        // Acknowledged, it is not run again: it would only be refused again.
        station.window->acknowledge(slot);
        QCOMPARE(Station_TileText(w, slot),
                 QStringLiteral("FAIL: pool empty; nothing was written: the "
                                "supervisor adds values to the ledger; pool "
                                "empty: the supervisor presses Start first"));

        // The third board waits, untouched.
        int waiting = -1;
        for (int i = 0; i < 3; ++i)
            if (i != refusedBoard && i != boardOf(b.bench, records.at(0))) waiting = i;
        const QString waitingSlot = QStringLiteral("A%1").arg(waiting + 1);
        QTRY_COMPARE_WITH_TIMEOUT(Station_TileText(w, waitingSlot),
                                  QStringLiteral("Waiting: not started: pool empty"), 10000);
        QCOMPARE(b.bench.reportLines(), 2);
        QCOMPARE(b.bench.board(waiting).externalFlash(0, b.image.size()), blank);

        // The counter's end is the release's: its engineer makes a new one.
        if (firstSerial != QLatin1String("1000")) return;
        // More keys, and the supervisor's Start.
        QVERIFY(b.importKeys(1, 2));
        QMetaObject::invokeMethod(station.window.get(), [&] { station.window->startWaiting(); });
        QTRY_VERIFY_WITH_TIMEOUT(b.bench.reportLines() == 3, 30000);
        records = b.bench.report();
        QCOMPARE(boardOf(b.bench, records.at(2)), waiting);
        QCOMPARE(records.at(2)["result"].toString(), QStringLiteral("ok"));
        QCOMPARE(records.at(2)["unit_serial"].toString(), QStringLiteral("1001"));
        QVERIFY(!shownText(w).contains(QLatin1String("pool empty: board refused")));
    }

    // A ledger that cannot be opened: the recipe that needs it is refused with the reason, and
    // the program does not start, opening no port.
    void ledgerThatCannotBeOpened() {
        LedgerBench b;
        QVERIFY(b.make(0));
        // Its folder is a file.
        const QString broken = b.bench.path("Flash.ini") + "/ledger.sqlite";
        StationLedger ledger(broken, QStringLiteral("s"));
        StationOptions o = b.options();
        const Result<Recipe> recipe = Load_Recipe(o, &ledger);
        QVERIFY(!recipe.ok());
        QVERIFY2(recipe.reason().contains(broken), qPrintable(recipe.reason()));
        // Without a ledger the bundle is refused as before.
        QVERIFY(!Load_Recipe(o).ok());

        QVERIFY(b.bench.plug(0));
        QProcess station;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TESSARA_SERIALCOMM", b.bench.map(1));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        station.setProcessEnvironment(env);
        station.start(TESSARA_STATION_PATH,
                      {"update-flash", b.bundle, "--ledger", broken, "--flash-ini",
                       b.bench.path("Flash.ini"), "--report", b.bench.reportPath(), "--operator",
                       "op7", "--lot", "WO-1"});
        QVERIFY(station.waitForStarted());
        // It says why on the terminal, and in a box that holds it until answered.
        QByteArray said;
        const QByteArray line = "tessara-station: " + recipe.reason().toUtf8() + '\n';
        QTRY_VERIFY2_WITH_TIMEOUT((said += station.readAllStandardError()).contains(line),
                                  said.constData(), 20000);
        QVERIFY(!QFile::exists(b.bench.reportPath()));
        QCOMPARE(b.bench.board(0).received().size(), 0);
        station.kill();
        station.waitForFinished();
    }

    // Last: the operator reads "pool empty" in zh_CN too.
    void poolEmptyInChinese() {
        QVERIFY(Install_StationTranslation(*qApp, QLocale("zh_CN"), {TESSARA_STATION_QM_DIR}));
        JobResult refused;
        refused.failure = Fail(FailureKind::InputUnusable,
                               QStringLiteral("board refused, nothing written: pool empty: hdcp"));
        refused.valuesExhausted = true;
        QCOMPARE(Operator_Words(refused, {}).reason, QStringLiteral("值池已空"));
        QCOMPARE(QCoreApplication::translate("StationWindow", "not started: pool empty"),
                 QStringLiteral("未启动：值池已空"));
    }
};

QTEST_MAIN(StationLedgerTest)
#include "test_station_ledger.moc"
