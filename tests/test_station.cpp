// tessara-station offscreen against simulated boards on a fixture: the tiles as a screen reader
// reads them (accessible name and description), the report's records with their slots, manual
// mode with a limit, stopping and closing while boards run, a release bundle as the recipe (and
// one refused), slots.conf and the translation.
#include "bundle/bundle_maker.h"
#include "bundle/minisign.h"
#include "jobs/stop_signals.h"
#include "line/line_hook.h"
#include "station/slot_tile.h"
#include "station/station_translation.h"
#include "station/station_window.h"
#include "station/supervisor_password.h"
#include "support/bench_rig.h"
#include "support/message_box_responder.h"
#include "support/small_disk.h"
#include "support/station_tiles.h"

#include <QAccessible>
#include <QAction>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTranslator>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <signal.h>

namespace {

QString labelOf(const QWidget &window, const QString &name) {
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->accessibleName() == name) return label->accessibleDescription();
    return QString();
}

// A release bundle of the bench's images (or its flash image alone) for KQ31B, signed by `key`,
// its public key beside it (PATH.pub).
bool writeBundle(const BenchRig &bench, const QString &path, const MinisignSecretKey &key,
                 bool withMcu = true) {
    BundleRecipe r;
    r.product = QStringLiteral("panel");
    r.version = QStringLiteral("2.4");
    r.constraints.models = QStringList{"KQ31B"};
    if (withMcu) r.mcu = bench.mcu;
    r.flash = bench.flash;
    QByteArray archive;
    QString reason;
    QFile pub(path + ".pub");
    if (!Make_Bundle(r, &key, archive, reason) || !Write_BundleFile(path, archive, reason) ||
        !pub.open(QIODevice::WriteOnly)) {
        qWarning("cannot make the bundle: %s", qPrintable(reason));
        return false;
    }
    return pub.write(Minisign_PublicKeyFile(Minisign_PublicOf(key))) > 0;
}

// A station on the bench's boards 0..count-1, named A1.., and A8 where no board ever is. Its
// recipe: the bundle `bundle` (trusting its key), or else the bench's images for KQ31B.
struct Station {
    Station(BenchRig &bench, int count, bool manual = false, int maxParallel = 0,
            const QString &bundle = QString(),
            const std::function<void(StationWindow::Setup &)> &tune = {}) {
        StationOptions o;
        o.flashIniPath = bench.path("Flash.ini");
        if (bundle.isEmpty()) {
            o.mcuPath = bench.mcuPath;
            o.flashPath = bench.flashPath;
            o.models = QStringList{"KQ31B"};
        } else {
            o.bundlePath = bundle;
            o.trust = QStringList{bundle + ".pub"};
        }
        const Result<Recipe> recipe = Load_Recipe(o);
        if (!recipe.ok()) qFatal("recipe: %s", qPrintable(recipe.reason()));
        StationWindow::Setup setup;
        setup.recipe = recipe.value();
        QList<SlotEntry> entries;
        QStringList ports;
        for (int i = 0; i < count; ++i) {
            entries.append({bench.link(i), QStringLiteral("A%1").arg(i + 1)});
            ports.append(bench.link(i));
        }
        entries.append({bench.path("nothing-here"), "A8"});
        setup.names = SlotNames(entries);
        setup.manual = manual;
        setup.maxParallel = maxParallel;
        if (!report.open(bench.reportPath())) qFatal("cannot open the report");
        setup.report = &report;
        setup.ports = [ports] { return ports; };
        setup.usbSerialOf = [](const QString &) { return QString(); };
        setup.supervisorHash = supervisorHash();
        setup.station = QStringLiteral("line1-s3");
        setup.askSupervisor = [this](const QString &) { return supervisorAnswer; };
        if (!audit.open(bench.path("audit.jsonl"))) qFatal("cannot open the audit log");
        setup.audit = &audit;
        if (tune) tune(setup);
        window = std::make_unique<StationWindow>(setup);
        window->show();
    }
    // The supervisor's password, made once (a password hash is slow on purpose).
    static QString supervisorHash() {
        static const QString hash = Hash_SupervisorPassword("s3cret");
        return hash;
    }
    // What the supervisor types when asked; none: Cancel.
    std::optional<QString> supervisorAnswer = QStringLiteral("s3cret");
    BoardReport report;
    StationAudit audit;
    std::unique_ptr<StationWindow> window;
};

// The audit log's records, in order.
QList<QJsonObject> auditOf(const BenchRig &bench) {
    QFile file(bench.path("audit.jsonl"));
    QList<QJsonObject> records;
    if (!file.open(QIODevice::ReadOnly)) return records;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.isEmpty()) records.append(QJsonDocument::fromJson(line).object());
    return records;
}

// Types `line` and Enter as a keyboard-wedge barcode reader does: each key to whatever has the
// focus at that moment.
void typeLine(const QString &line) {
    for (const QChar c : line)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// The text of the visible label holding `text` in the tile of slot `name`; empty: none.
QString tileLine(const QWidget &window, const QString &name, const QString &text) {
    for (const SlotTile *tile : window.findChildren<SlotTile *>())
        if (tile->accessibleName() == name)
            for (const QLabel *label : tile->findChildren<QLabel *>()) {
                // As it reads: without the zero-width spaces where a long serial may wrap.
                const QString seen = QString(label->text()).remove(QChar(0x200b));
                if (label->isVisible() && seen.contains(text)) return seen;
            }
    return QString();
}

// A station with the shift `operatorId` on `lot` and board serials scanned by `policy`.
std::function<void(StationWindow::Setup &)> shiftOf(const QString &operatorId, const QString &lot,
                                                    ScanPolicy policy = ScanPolicy::Optional) {
    return [=](StationWindow::Setup &setup) {
        setup.shift = Shift{operatorId, lot};
        setup.scan = policy;
    };
}

// The focused tile's slot name; empty: the focus is not on a tile.
QString focusedSlot() {
    const auto *tile = qobject_cast<SlotTile *>(QApplication::focusWidget());
    return tile ? tile->accessibleName() : QString();
}

void keepLink(SimConfig &c, const char *model) {
    const QString link = c.linkPath;
    SimConfig::forModel(model, &c);
    c.linkPath = link;
}

} // namespace

Q_DECLARE_METATYPE(RetryPolicy)

class StationTest : public QObject {
    Q_OBJECT

  private slots:
    // Auto mode with a signed bundle as the recipe: every board runs on arrival; the bundle's
    // chip check refuses the KQ580 before any write; a failed tile stays failed until its board
    // goes; every record names the bundle and the slot.
    void mixedBoards() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(1));
        bench.board(1).addFault(SimFault::on('N', 1, SimFault::BadCrc));
        QVERIFY(bench.plug(2));
        bench.board(2).addFault(SimFault::on('J', 1, SimFault::Vanish));
        QVERIFY(bench.plug(3, [](SimConfig &c) { keepLink(c, "KQ580"); }));
        const QString bundle = bench.path("panel.kqb");
        const MinisignSecretKey key = Minisign_NewKey();
        QVERIFY(writeBundle(bench, bundle, key));
        QFile file(bundle);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString bundleSha =
            QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
        Station station(bench, 4, false, 0, bundle);
        const QWidget &w = *station.window;

        QCOMPARE(Station_TileText(w, "A8"), QStringLiteral("Waiting: no board"));
        const QString recipe = labelOf(w, "recipe");
        const QString keyId = Minisign_KeyIdText(key.keyId);
        for (const QString &fact :
             {QStringLiteral("Recipe: bundle panel.kqb"),
              QStringLiteral("Product: panel, version 2.4"), QStringLiteral("Models: KQ31B"),
              QStringLiteral("CRC-32 0x%1")
                  .arg(Describe_Image("mcu.bin", bench.mcu).crc, 8, 16, QLatin1Char('0')),
              QStringLiteral("CRC-32 0x%1")
                  .arg(Describe_Image("flash.bin", bench.flash).crc, 8, 16, QLatin1Char('0')),
              "Bundle SHA-256: " + bundleSha.left(16),
              QStringLiteral("Signature: signed by key ID %1, trusted").arg(keyId)})
            QVERIFY2(recipe.contains(fact), qPrintable(fact + " not in: " + recipe));
        QVERIFY2(!recipe.contains("unsigned"), qPrintable(recipe));

        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 4, 20000);
        QCOMPARE(Station_TileText(w, "A1").left(6), QStringLiteral("PASS: "));
        // A check that disagreed is the board's contents, not its seating.
        QVERIFY2(Station_TileText(w, "A2").startsWith("FAIL: MCU check failed; run it again"),
                 qPrintable(Station_TileText(w, "A2")));
        QCOMPARE(Station_TileText(w, "A4"),
                 QStringLiteral("FAIL: this board is a KQ580: wrong recipe; take it to the "
                                "station of its recipe"));
        // Lost: its record says it failed, and so does its tile, with the board gone.
        QVERIFY2(Station_TileText(w, "A3").startsWith("FAIL: lost during MCU write; "),
                 qPrintable(Station_TileText(w, "A3")));
        QVERIFY(bench.board(3).received().size() > 0);
        for (const SimFrame &f : bench.board(3).received())
            QVERIFY2(f.name != "J" && f.name != "E", "the wrong model was written to");

        QMap<QString, QString> results;
        for (const QJsonObject &r : bench.report()) {
            results[r["slot"].toString()] = r["result"].toString();
            QCOMPARE(r["bundle_sha256"].toString(), bundleSha);
            QCOMPARE(r["product"].toString() + ' ' + r["version"].toString(), QString("panel 2.4"));
            QCOMPARE(r["key_id"].toString(), keyId);
            if (r["slot"].toString() == "A4")
                QCOMPARE(r["reason"].toString(),
                         QStringLiteral("bundle for KQ31B; this chip is KQ580"));
        }
        QCOMPARE(results, (QMap<QString, QString>{
                              {"A1", "ok"}, {"A2", "fail"}, {"A3", "fail"}, {"A4", "fail"}}));
        QVERIFY2(labelOf(w, "counters")
                     .startsWith("Total 4 · Passed 1 · Failed 3 · First-pass yield 25 % · "
                                 "Final yield 25 % · "),
                 qPrintable(labelOf(w, "counters")));
        // Acknowledged with its board gone, a FAIL clears; a PASS stays until it is seen.
        station.window->acknowledge("A3");
        QCOMPARE(Station_TileText(w, "A3"), QStringLiteral("Waiting: no board"));
        QVERIFY(Station_TileText(w, "A1").startsWith("PASS: "));
    }

    // A failed board lost mid-write and back half a second later: its FAIL stays; whether it
    // runs again depends on the retry policy and on whether it can be told from a new board
    // (its port's USB serial number); the counters count boards, not runs.
    void latchedFailure_data() {
        QTest::addColumn<RetryPolicy>("policy");
        QTest::addColumn<QString>("firstSerial");
        QTest::addColumn<QString>("backSerial");
        QTest::addColumn<bool>("waits");      // for the operator once back
        QTest::addColumn<QString>("outcome"); // after Enter on its tile, if it waited
        QTest::addColumn<QString>("counters");
        const QString retried = "Total 1 · Passed 1 · Failed 0 · First-pass yield 0 % · "
                                "Final yield 100 %";
        QTest::newRow("ask, same board") << RetryPolicy::Ask << "KQ1"
                                         << "KQ1" << true << "attempt 2" << retried;
        QTest::newRow("ask, cannot tell") << RetryPolicy::Ask << ""
                                          << "" << true << "attempt 2" << retried;
        QTest::newRow("auto, same board") << RetryPolicy::Auto << "KQ1"
                                          << "KQ1" << false << "attempt 2" << retried;
        // Never: the failed board goes to the rejects; its FAIL stays while it is in the slot.
        QTest::newRow("never, same board")
            << RetryPolicy::Never << "KQ1"
            << "KQ1" << true << "not run"
            << "Total 1 · Passed 0 · Failed 1 · First-pass yield 0 % · Final yield 0 %";
        // ... but a board that cannot be told from it is the next one once acknowledged.
        QTest::newRow("never, cannot tell")
            << RetryPolicy::Never << ""
            << "" << true << "attempt 1"
            << "Total 2 · Passed 1 · Failed 1 · First-pass yield 50 % · Final yield 50 %";
        QTest::newRow("ask, next board")
            << RetryPolicy::Ask << "KQ1"
            << "KQ2" << false << "attempt 1"
            << "Total 2 · Passed 1 · Failed 1 · First-pass yield 50 % · Final yield 50 %";
    }
    void latchedFailure() {
        QFETCH(RetryPolicy, policy);
        QFETCH(QString, firstSerial);
        QFETCH(QString, backSerial);
        QFETCH(bool, waits);
        QFETCH(QString, outcome);
        QFETCH(QString, counters);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        bench.board(0).addFault(SimFault::on('l', 2, SimFault::Vanish, 500));
        int arrivals = 0;
        Station station(bench, 1, false, 0, QString(), [&](StationWindow::Setup &setup) {
            setup.retry = policy;
            setup.usbSerialOf = [&](const QString &) {
                return ++arrivals == 1 ? firstSerial : backSerial;
            };
        });
        StationWindow &w = *station.window;
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 1, 20000);
        const QJsonObject lost = bench.report()[0];
        QCOMPARE(lost["result"].toString(), QStringLiteral("fail"));
        QCOMPARE(lost["attempt"].toString(), QStringLiteral("1"));
        const QString lostTile = QStringLiteral("FAIL: lost during flash write, %1 of %2 blocks")
                                     .arg(lost["flash_blocks_sent"].toInt())
                                     .arg(lost["flash_blocks"].toInt());
        QVERIFY2(Station_TileText(w, "A1").startsWith(lostTile),
                 qPrintable(Station_TileText(w, "A1")));

        if (waits) {
            QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A1").contains("board back"), 10000);
            QVERIFY2(Station_TileText(w, "A1").startsWith(lostTile),
                     qPrintable(Station_TileText(w, "A1")));
            QCOMPARE(bench.reportLines(), 1);
            SlotTile *tile = w.findChild<SlotTile *>();
            tile->setFocus();
            QTest::keyClick(tile, Qt::Key_Return);
        }
        if (outcome == "not run") {
            QVERIFY2(Station_TileText(w, "A1").startsWith(lostTile) &&
                         Station_TileText(w, "A1").endsWith("take the failed board out first"),
                     qPrintable(Station_TileText(w, "A1")));
            QTest::qWait(700); // the watch looks at its ports again: still nothing runs
            QCOMPARE(bench.reportLines(), 1);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 2, 20000);
            const QJsonObject again = bench.report()[1];
            QCOMPARE(again["result"].toString(), QStringLiteral("ok"));
            QCOMPARE("attempt " + again["attempt"].toString(), outcome);
            QCOMPARE(again["usb_serial"].toString(), backSerial);
            QTRY_VERIFY2(Station_TileText(w, "A1").startsWith("PASS: "),
                         qPrintable(Station_TileText(w, "A1")));
        }
        QVERIFY2(labelOf(w, "counters").startsWith(counters), qPrintable(labelOf(w, "counters")));
    }

    // Manual mode, one board at a time: nothing touches a board before Start (the space bar);
    // the recipe cannot change while one runs; closing asks, stops safely and records the stop.
    void manualStopAndClose() {
        BenchRig bench;
        for (int i = 0; i < 2; ++i)
            QVERIFY(bench.plug(i, [](SimConfig &c) {
                c.crcProgressStep = 16 * 1024;
                c.crcProgressIntervalMs = 400;
            }));
        Station station(bench, 2, true, 1);
        StationWindow &w = *station.window;
        QTRY_COMPARE(Station_TileText(w, "A1"), QStringLiteral("Waiting: press Start"));
        QCOMPARE(Station_TileText(w, "A2"), QStringLiteral("Waiting: press Start"));
        QTest::qWait(600);
        QVERIFY(bench.board(0).received().isEmpty() && bench.board(1).received().isEmpty());

        QTest::keyClick(&w, Qt::Key_Space);
        QTRY_VERIFY(Station_TileText(w, "A1").startsWith("Running"));
        QCOMPARE(Station_TileText(w, "A2"), QStringLiteral("Waiting: waiting for its turn"));
        QVERIFY(!w.setRecipe(Recipe()));
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A1").startsWith("PASS"), 20000);
        QTRY_VERIFY(Station_TileText(w, "A2").startsWith("Running"));

        MessageBoxResponder responder; // answers "Stop them safely and close?" with Yes
        QTRY_VERIFY_WITH_TIMEOUT(bench.board(1).received().size() > 3, 10000);
        w.close();
        QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 20000);
        QVERIFY2(responder.texts().join("").contains("Stop them safely and close?"),
                 qPrintable(responder.texts().join("|")));
        QCOMPARE(station.window->running(), 0);
        QStringList results;
        for (const QJsonObject &r : bench.report())
            results.append(r["slot"].toString() + "=" + r["result"].toString());
        QCOMPARE(results, (QStringList{"A1=ok", "A2=interrupted"}));
    }

    // The keyboard alone: Space starts, Esc stops a run, Tab reaches a tile, Ctrl+Enter
    // acknowledges every result (a stopped board in its slot runs again); the audit log has it.
    void keyboardOnly() {
        BenchRig bench;
        QVERIFY(bench.plug(0, [](SimConfig &c) {
            c.crcProgressStep = 16 * 1024;
            c.crcProgressIntervalMs = 400;
        }));
        Station station(bench, 1, true);
        StationWindow &w = *station.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(Station_TileText(w, "A1"), QStringLiteral("Waiting: press Start"));
        QTest::keyClick(&w, Qt::Key_Space);
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A1").contains("flash check"), 20000);
        QTest::keyClick(&w, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 1, 20000);
        QCOMPARE(bench.report()[0]["result"].toString(), QStringLiteral("interrupted"));
        QVERIFY2(Station_TileText(w, "A1").startsWith("FAIL: stopped"),
                 qPrintable(Station_TileText(w, "A1")));

        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w,
                        Qt::Key_Tab);
        QVERIFY(qobject_cast<SlotTile *>(QApplication::focusWidget()));
        QAccessibleInterface *tile =
            QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        QVERIFY(tile && tile->role() == QAccessible::Button && tile->state().focused);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 2, 20000);
        // Run again at once, the chip perhaps still busy with the check it was stopped in:
        // that it ran is the point here, not how.
        QCOMPARE(bench.report()[1]["attempt"].toString(), QStringLiteral("2"));
        QStringList events;
        for (const QJsonObject &r : auditOf(bench))
            events.append(r["event"].toString());
        QCOMPARE(events, (QStringList{"start", "stop", "acknowledge"}));
    }

    // SIGTERM (a shutdown) during a flash check: the board stops safely, its record is written,
    // the window closes without asking.
    void terminatedWhileRunning() {
        BenchRig bench;
        QVERIFY(bench.plug(0, [](SimConfig &c) {
            c.crcProgressStep = 16 * 1024;
            c.crcProgressIntervalMs = 400;
        }));
        Station station(bench, 1);
        StopSignals stopSignals;
        connect(&stopSignals, &StopSignals::stopRequested, station.window.get(),
                &StationWindow::stopAndClose);
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(*station.window, "A1").contains("flash check"),
                                 10000);
        MessageBoxResponder responder;
        std::raise(SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(!station.window->isVisible(), 10000);
        QVERIFY(responder.boxes.isEmpty());
        QCOMPARE(bench.report().size(), 1);
        QCOMPARE(bench.report()[0]["result"].toString(), QStringLiteral("interrupted"));
    }

    // The report stops taking records mid-run (its name now leads to a device that is always
    // full): the boards running finish and their records are tried, their tiles say the record
    // is missing; no other board is started, whether seated after, acknowledged or Started; the
    // banner and the audit log say why.
    void unwritableReport() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const QString reportPath = bench.path("line.jsonl");
        BoardReport report;
        QVERIFY(report.open(reportPath));
        Station station(bench, 4, false, 0, QString(),
                        [&](StationWindow::Setup &setup) { setup.report = &report; });
        StationWindow &w = *station.window;
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A1").startsWith("PASS: "), 20000);
        QVERIFY(QFile::rename(reportPath, bench.path("before.jsonl")));
        QVERIFY(QFile::link("/dev/full", reportPath));

        QVERIFY(bench.plug(1));
        bench.board(1).addFault(SimFault::on('N', 1, SimFault::BadCrc));
        QVERIFY(bench.plug(2, [](SimConfig &c) {
            c.crcProgressStep = 16 * 1024;
            c.crcProgressIntervalMs = 400;
        }));
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A2").startsWith("FAIL: "), 20000);
        QVERIFY2(Station_TileText(w, "A2").endsWith("; its record was not written"),
                 qPrintable(Station_TileText(w, "A2")));
        QVERIFY2(Station_TileText(w, "A3").startsWith("Running"),
                 qPrintable(Station_TileText(w, "A3")));
        const QString banner =
            QStringLiteral("The report %1 cannot be written: no space left on device. No new "
                           "board is started. Stop and call the engineer.")
                .arg(reportPath);
        const auto shown = [&w](const QString &text) {
            for (const QLabel *label : w.findChildren<QLabel *>())
                if (label->isVisible() && label->text() == text) return true;
            return false;
        };
        QVERIFY(shown(banner));
        QVERIFY(!w.findChild<QPushButton *>("start")->isEnabled());

        // Seated after the failure, acknowledged to run again, Started: none runs.
        const QString notStarted =
            QStringLiteral("Waiting: not started: the report cannot be written");
        QVERIFY(bench.plug(3));
        QTRY_COMPARE_WITH_TIMEOUT(Station_TileText(w, "A4"), notStarted, 10000);
        const int failedFrames = bench.board(1).received().size();
        w.acknowledge("A2");
        QCOMPARE(Station_TileText(w, "A2"), notStarted);
        QTest::keyClick(&w, Qt::Key_Space);
        w.startWaiting();

        // The board running when the report failed is not cut off.
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A3").startsWith("PASS: "), 30000);
        QVERIFY2(Station_TileText(w, "A3").endsWith("; its record was not written"),
                 qPrintable(Station_TileText(w, "A3")));
        QTest::qWait(1200); // the watch looks at its ports again: still nothing starts
        QVERIFY(bench.board(3).received().isEmpty());
        QCOMPARE(bench.board(1).received().size(), failedFrames);
        QCOMPARE(Station_TileText(w, "A4"), notStarted);
        QCOMPARE(w.running(), 0);
        QCOMPARE(report.lostRecords(), 2);

        QFile before(bench.path("before.jsonl"));
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QList<QByteArray> records = before.readAll().trimmed().split('\n');
        QCOMPARE(records.size(), 1);
        QCOMPARE(QJsonDocument::fromJson(records[0]).object()["slot"].toString(),
                 QStringLiteral("A1"));
        QStringList events;
        for (const QJsonObject &r : auditOf(bench)) {
            events.append(r["event"].toString());
            if (r["event"] == "report unwritable") {
                QCOMPARE(r["report"].toString(), reportPath);
                QCOMPARE(r["reason"].toString(), QStringLiteral("no space left on device"));
            }
        }
        QCOMPARE(events.count("report unwritable"), 1);
    }

    // A report or an audit log that takes no line when the station starts (a full disk) is
    // found before the first board: the board seated stays as it was, whatever Start says, and
    // the banner, its tile and (where it can be written) the audit log say why.
    void recordsUnwritableAtStart_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("tile");
        const QString report = "Waiting: not started: the report cannot be written";
        QTest::newRow("report on a full file system") << "report, small disk" << report;
        QTest::newRow("report on a device that is always full") << "report, /dev/full" << report;
        QTest::newRow("audit log on a device that is always full")
            << "audit, /dev/full"
            << "Waiting: not started: the audit log cannot be written";
    }
    void recordsUnwritableAtStart() {
        QFETCH(QString, where);
        QFETCH(QString, tile);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const QByteArray mcuBefore = bench.board(0).mcuFlash();
        const QByteArray flashBefore = bench.board(0).externalFlash();
        std::unique_ptr<SmallDisk> disk;
        QString path = bench.path("full.jsonl");
        if (where.endsWith("small disk")) {
            disk = std::make_unique<SmallDisk>(bench.path("disk"), 64 * 1024);
            if (!disk->ok()) QSKIP(qPrintable("cannot mount a small disk here: " + disk->error()));
            path = bench.path("disk/report.jsonl");
        } else {
            QVERIFY(QFile::link("/dev/full", path));
        }
        BoardReport report;
        StationAudit audit;
        const bool reportFull = where.startsWith("report");
        QVERIFY(reportFull ? report.open(path) : audit.open(path));
        if (disk) QVERIFY(SmallDisk::fill(bench.path("disk/filler")));
        Station station(bench, 1, false, 0, QString(), [&](StationWindow::Setup &setup) {
            if (reportFull)
                setup.report = &report;
            else
                setup.audit = &audit;
        });
        StationWindow &w = *station.window;
        QTRY_COMPARE_WITH_TIMEOUT(Station_TileText(w, "A1"), tile, 10000);
        const QString banner =
            QStringLiteral("The %1 %2 cannot be written: no space left on device. No new board "
                           "is started. Stop and call the engineer.")
                .arg(reportFull ? "report" : "audit log", path);
        bool shown = false;
        for (const QLabel *label : w.findChildren<QLabel *>())
            shown = shown || (label->isVisible() && label->text() == banner);
        QVERIFY2(shown, qPrintable(banner));
        QVERIFY(!w.findChild<QPushButton *>("start")->isEnabled());
        QTest::keyClick(&w, Qt::Key_Space);
        w.startWaiting();
        QCOMPARE(w.running(), 0);
        QCOMPARE(Station_TileText(w, "A1"), tile);
        QVERIFY(bench.board(0).received().isEmpty());
        QCOMPARE(bench.board(0).mcuFlash(), mcuBefore);
        QCOMPARE(bench.board(0).externalFlash(), flashBefore);
        if (reportFull) {
            QCOMPARE(report.lostRecords(), 0);
            QStringList events;
            for (const QJsonObject &r : auditOf(bench))
                events.append(r["event"].toString());
            QCOMPARE(events, (QStringList{"start", "report unwritable"}));
        }
    }

    // A bundle its checks refuse, or that lacks the operation's image, is no recipe: the reason
    // names the bundle and what is wrong with it.
    void refusedBundle_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("tampered") << "byte"
                                  << "cannot be read";
        QTest::newRow("key not trusted") << "trust"
                                         << "which is not a trusted key";
        QTest::newRow("no MCU image") << "mcu only"
                                      << "holds no MCU image";
    }
    void refusedBundle() {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        BenchRig bench;
        const QString bundle = bench.path("panel.kqb");
        const MinisignSecretKey key = Minisign_NewKey();
        QVERIFY(writeBundle(bench, bundle, key));
        QStringList arguments{"check-mcu", bundle, "--trust", bundle + ".pub"};
        if (damage == "byte") {
            QFile file(bundle);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            const int at = bytes.indexOf(bench.mcu.left(16));
            QVERIFY(at > 0);
            bytes[at + 5] = char(bytes[at + 5] ^ 0x40);
            QVERIFY(file.seek(0) && file.write(bytes) == bytes.size());
        }
        if (damage == "trust") { // only another release's key is trusted
            QVERIFY(writeBundle(bench, bench.path("other.kqb"), Minisign_NewKey()));
            arguments[3] = bench.path("other.kqb.pub");
        }
        if (damage == "mcu only") QVERIFY(writeBundle(bench, bundle, key, false));
        const ParsedStationOptions parsed = Parse_StationOptions(arguments);
        QVERIFY2(parsed.options, qPrintable(parsed.error));
        QCOMPARE(parsed.options->bundlePath, bundle);
        const Result<Recipe> recipe = Load_Recipe(*parsed.options);
        QVERIFY(!recipe.ok());
        QVERIFY2(recipe.reason().startsWith("bundle " + bundle + " refused: ") &&
                     recipe.reason().contains(reason),
                 qPrintable(recipe.reason()));
    }

    // What each operation needs and takes comes from its job, as in the CLI.
    void operationChoices_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error"); // empty: accepted
        QTest::newRow("only changed, flash update")
            << QStringList{"update-flash", "--flash", "f.bin", "--only-changed"} << "";
        QTest::newRow("only changed, check")
            << QStringList{"check-mcu", "--mcu", "a.bin", "--only-changed"}
            << "--only-changed does not apply to check-mcu";
        QTest::newRow("flash check without its image")
            << QStringList{"check-flash", "--mcu", "a.bin"}
            << "check-flash needs a flash image (--flash FILE)";
        QTest::newRow("update-all without the MCU image")
            << QStringList{"update-all", "--flash", "f.bin"}
            << "update-all needs an MCU image (--mcu FILE)";
    }
    void operationChoices() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const ParsedStationOptions parsed = Parse_StationOptions(arguments);
        QCOMPARE(parsed.error, error);
        QCOMPARE(parsed.options.has_value(), error.isEmpty());
    }

    // A restart keeps what the report holds: the counters, and the results of the boards still
    // seated, which are not run again until the operator says so.
    void restart() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(1));
        bench.board(1).addFault(SimFault::on('N', 1, SimFault::BadCrc));
        {
            Station first(bench, 2);
            QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 2, 20000);
        }
        Station station(bench, 2);
        StationWindow &w = *station.window;
        QTRY_COMPARE(Station_TileText(w, "A1"),
                     QStringLiteral("PASS: passed before the restart; board back: "
                                    "Enter, then seat the next board"));
        QCOMPARE(Station_TileText(w, "A2"),
                 QStringLiteral("FAIL: failed before the restart; board back: "
                                "Enter runs it again"));
        QVERIFY2(labelOf(w, "counters").startsWith("Total 2 · Passed 1 · Failed 1 · "),
                 qPrintable(labelOf(w, "counters")));
        QTest::qWait(700); // the watch looks at its ports again: nothing runs
        QCOMPARE(bench.reportLines(), 2);

        w.acknowledge("A2"); // its retry
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 3, 20000);
        const QJsonObject retry = bench.report()[2];
        QCOMPARE(retry["slot"].toString() + ' ' + retry["result"].toString() + ' ' +
                     retry["attempt"].toString() + ' ' + retry["station"].toString(),
                 QStringLiteral("A2 ok 2 line1-s3"));
        QCOMPARE(retry["recipe"].toString(), bench.report()[0]["recipe"].toString());
        QVERIFY2(labelOf(w, "counters")
                     .startsWith("Total 2 · Passed 2 · Failed 0 · First-pass yield 50 % · "
                                 "Final yield 100 %"),
                 qPrintable(labelOf(w, "counters")));

        // Reset by the supervisor, the counters stay reset through the next restart.
        MessageBoxResponder responder; // "Set every counter to zero?": Yes
        w.resetCounters();
        station.window.reset();
        Station again(bench, 2);
        QTRY_VERIFY(
            Station_TileText(*again.window, "A2").startsWith("PASS: passed before the restart"));
        QVERIFY2(labelOf(*again.window, "counters").startsWith("Total 0 · "),
                 qPrintable(labelOf(*again.window, "counters")));
    }

    // Serials scanned at the tiles, the slot chosen with the arrow keys, before the boards are
    // seated: each record carries its board's serial with the shift's operator and lot; the
    // audit log has the shift's start.
    void scannedSerials() {
        BenchRig bench;
        Station station(bench, 2, false, 0, QString(), [](StationWindow::Setup &setup) {
            shiftOf("op7", "WO-1")(setup);
            setup.usbSerialOf = [](const QString &port) { return "USB-" + port.right(1); };
        });
        StationWindow &w = *station.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(focusedSlot(), QStringLiteral("A1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(focusedSlot(), QStringLiteral("A2"));
        typeLine("SN-002");
        QCOMPARE(focusedSlot(), QStringLiteral("A8")); // the next slot without a serial
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(focusedSlot(), QStringLiteral("A1"));
        typeLine("SN-001");
        QCOMPARE(tileLine(w, "A1", "SN-001"), QStringLiteral("serial SN-001"));
        QCOMPARE(labelOf(w, "shift"), QStringLiteral("Operator op7 · Lot WO-1"));

        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(1));
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 2, 20000);
        QMap<QString, QString> records;
        for (const QJsonObject &r : bench.report())
            records[r["slot"].toString()] =
                QStringList{r["board_serial"].toString(), r["operator"].toString(),
                            r["lot"].toString(),          r["usb_serial"].toString(),
                            r["attempt"].toString(),      r["first_pass"].toString(),
                            r["station"].toString(),      r["result"].toString()}
                    .join(' ');
        QCOMPARE(records,
                 (QMap<QString, QString>{{"A1", "SN-001 op7 WO-1 USB-0 1 yes line1-s3 ok"},
                                         {"A2", "SN-002 op7 WO-1 USB-1 1 yes line1-s3 ok"}}));
        QTRY_VERIFY(tileLine(w, "A1", "SN-001").startsWith("serial SN-001 · KQ31B"));
        const QJsonObject shift = auditOf(bench)[1];
        QCOMPARE(shift["event"].toString() + ' ' + shift["who"].toString() + ' ' +
                     shift["operator"].toString() + ' ' + shift["lot"].toString(),
                 QStringLiteral("shift start op7 op7 WO-1"));
    }

    // --scan required: a seated board is not touched, whatever Start says, until its serial is
    // scanned; a serial that cannot be one, or one already scanned for another slot, or one for
    // a running slot, is refused and the board keeps waiting. F2 reaches the scan field, where
    // Esc still stops.
    void serialRequired() {
        BenchRig bench;
        QVERIFY(bench.plug(0, [](SimConfig &c) {
            c.crcProgressStep = 16 * 1024;
            c.crcProgressIntervalMs = 400;
        }));
        Station station(bench, 1, false, 0, QString(),
                        shiftOf("op7", "WO-1", ScanPolicy::Required));
        StationWindow &w = *station.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(Station_TileText(w, "A1"),
                     QStringLiteral("Waiting: scan its board serial to run it"));
        QTest::keyClick(&w, Qt::Key_Space); // Start
        QTest::qWait(700);                  // the watch looks at its ports again
        QVERIFY(bench.board(0).received().isEmpty());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right); // to A8, where no board is
        typeLine("SN-7");
        QCOMPARE(focusedSlot(), QStringLiteral("A1"));
        const struct {
            QString line, outcome;
        } refused[] = {
            {"SN-7", "Serial SN-7 for A1 refused: already scanned for A8"},
            {QString(65, 'x'), "Serial for A1 refused: longer than 64 characters"},
        };
        for (const auto &r : refused) {
            typeLine(r.line);
            QCOMPARE(labelOf(w, "scan outcome"), r.outcome);
            QVERIFY2(Station_TileText(w, "A1").endsWith(r.outcome),
                     qPrintable(Station_TileText(w, "A1")));
        }
        QTest::qWait(700);
        QVERIFY(bench.board(0).received().isEmpty());

        QCOMPARE(focusedSlot(), QStringLiteral("A1"));
        typeLine("SN-1");
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A1").contains("flash check"), 20000);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left); // A1 stays selected
        typeLine("SN-2");
        QCOMPARE(labelOf(w, "scan outcome"),
                 QStringLiteral("Serial SN-2 for A1 refused: its board is running"));
        // Esc stops the run from the scan field too.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("board serial"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 1, 20000);
        QCOMPARE(bench.report()[0]["board_serial"].toString(), QStringLiteral("SN-1"));
        QCOMPARE(bench.report()[0]["result"].toString(), QStringLiteral("interrupted"));
    }

    // A failed board back in its slot that cannot be told from another one (no USB serial) is
    // not given the serial scanned for the first: with --retry auto it waits for a scan.
    void unknownBoardBack() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        bench.board(0).addFault(SimFault::on('l', 2, SimFault::Vanish, 500));
        Station station(bench, 1, false, 0, QString(), [](StationWindow::Setup &setup) {
            shiftOf("op7", "WO-1", ScanPolicy::Required)(setup);
            setup.retry = RetryPolicy::Auto;
        });
        StationWindow &w = *station.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        typeLine("SN-1");
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 1, 20000);
        QCOMPARE(bench.report()[0]["result"].toString() + ' ' +
                     bench.report()[0]["board_serial"].toString(),
                 QStringLiteral("fail SN-1"));
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A1") ==
                                     QStringLiteral("Waiting: scan its board serial to run it"),
                                 10000);
        QTest::qWait(700);
        QCOMPARE(bench.reportLines(), 1);
        w.findChild<SlotTile *>()->setFocus();
        typeLine("SN-1");
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 2, 20000);
        const QJsonObject again = bench.report()[1];
        QCOMPARE(again["attempt"].toString() + ' ' + again["board_serial"].toString() + ' ' +
                     again["result"].toString(),
                 QStringLiteral("2 SN-1 ok"));
    }

    // A serial that already passed with this recipe (before a restart) is refused for another
    // board unless the supervisor overrides it, which the audit log records; the board seated
    // through the restart keeps its serial and is not run again. With another recipe it is
    // taken as any serial.
    void passedSerial_data() {
        QTest::addColumn<QString>("password");
        QTest::addRow("supervisor") << "s3cret";
        QTest::addRow("wrong password") << "guess";
        QTest::addRow("another recipe") << "another recipe";
    }
    void passedSerial() {
        QFETCH(QString, password);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        // Boards told apart by their ports' USB serial numbers.
        const auto tune = [](StationWindow::Setup &setup) {
            shiftOf("op7", "WO-1", ScanPolicy::Required)(setup);
            setup.usbSerialOf = [](const QString &port) { return "USB-" + port.right(1); };
        };
        {
            Station first(bench, 1, false, 0, QString(), tune);
            first.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(first.window.get()));
            typeLine("SN-9");
            QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 1, 20000);
        }
        const int framesBefore = bench.board(0).received().size();
        Station station(bench, 2, false, 0, QString(), tune);
        station.supervisorAnswer = password;
        StationWindow &w = *station.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_VERIFY(Station_TileText(w, "A1").startsWith("PASS: passed before the restart"));
        QCOMPARE(tileLine(w, "A1", "SN-9"), QStringLiteral("serial SN-9"));
        QVERIFY(bench.plug(1));
        QTRY_COMPARE(Station_TileText(w, "A2"),
                     QStringLiteral("Waiting: scan its board serial to run it"));
        w.acknowledge("A1"); // its board goes; its serial no longer holds a slot
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(focusedSlot(), QStringLiteral("A2"));
        if (password == "another recipe") {
            StationOptions o;
            o.mcuPath = bench.mcuPath;
            o.flashPath = bench.path("other.bin");
            o.models = QStringList{"KQ31B"};
            o.flashIniPath = bench.path("Flash.ini");
            QFile other(o.flashPath);
            QVERIFY(other.open(QIODevice::WriteOnly) &&
                    other.write(QByteArray(bench.flash).replace(0, 1, "x")) > 0);
            other.close();
            const Result<Recipe> recipe = Load_Recipe(o);
            QVERIFY(recipe.ok());
            QVERIFY(w.setRecipe(recipe.value()));
        }
        MessageBoxResponder responder; // "Wrong password"
        typeLine("SN-9");
        if (password == "another recipe") {
            QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 2, 20000);
            QCOMPARE(bench.report()[1]["board_serial"].toString(), QStringLiteral("SN-9"));
            QCOMPARE(auditOf(bench).last()["event"].toString(), QStringLiteral("acknowledge"));
        } else if (password == "s3cret") {
            QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 2, 20000);
            QCOMPARE(bench.report()[1]["slot"].toString() + ' ' +
                         bench.report()[1]["board_serial"].toString(),
                     QStringLiteral("A2 SN-9"));
            const QJsonObject last = auditOf(bench).last();
            QCOMPARE(last["event"].toString() + ' ' + last["who"].toString() + ' ' +
                         last["board_serial"].toString() + ' ' + last["slot"].toString(),
                     QStringLiteral("serial override supervisor SN-9 A2"));
        } else {
            QCOMPARE(labelOf(w, "scan outcome"),
                     QStringLiteral("Serial SN-9 for A2 refused: already passed with this recipe"));
            QTest::qWait(700);
            QCOMPARE(bench.reportLines(), 1);
            QVERIFY(bench.board(1).received().isEmpty());
            QCOMPARE(auditOf(bench).last()["event"].toString(),
                     QStringLiteral("supervisor refused"));
        }
        QCOMPARE(bench.board(0).received().size(), framesBefore);
    }

    // The shift's dialog takes OK only once the operator's ID and the lot can be used.
    void shiftDialog() {
        ShiftDialog dialog(Shift{"op7", ""});
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        const auto problem = [&] {
            for (const QLabel *label : dialog.findChildren<QLabel *>())
                if (label->accessibleName() == "problem") return label->text();
            return QStringLiteral("no problem label");
        };
        auto *lot = dialog.findChild<QLineEdit *>("lot");
        const struct {
            QString typed, problem;
        } steps[] = {
            {"", "work order / lot: nothing was scanned"},
            {" WO", "work order / lot: starts or ends with a space"},
            {QString(65, '1'), "work order / lot: longer than 64 characters"},
            {"WO-1", ""},
        };
        for (const auto &step : steps) {
            lot->clear();
            QTest::keyClicks(lot, step.typed);
            QCOMPARE(problem(), step.problem);
            QCOMPARE(ok->isEnabled(), step.problem.isEmpty());
        }
        QCOMPARE(dialog.shift().operatorId + ' ' + dialog.shift().lot, QStringLiteral("op7 WO-1"));
    }

    // The counters are the lot's: a restart in the same lot keeps them, another lot starts at
    // zero (the report keeps every record), and a new shift back on the first lot counts its
    // records again.
    void countersOfTheLot() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        {
            Station first(bench, 1, false, 0, QString(), shiftOf("op7", "WO-1"));
            QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 1, 20000);
        }
        {
            Station sameLot(bench, 1, false, 0, QString(), shiftOf("op8", "WO-1"));
            QTRY_VERIFY(Station_TileText(*sameLot.window, "A1").startsWith("PASS: passed before"));
            QVERIFY2(labelOf(*sameLot.window, "counters").startsWith("Total 1 · Passed 1 · "),
                     qPrintable(labelOf(*sameLot.window, "counters")));
        }
        Station station(bench, 1, false, 0, QString(), [](StationWindow::Setup &setup) {
            shiftOf("op8", "WO-2")(setup);
            setup.askShift = [](const Shift &now) {
                return now.lot == "WO-2" ? std::optional<Shift>(Shift{"op9", "WO-1"})
                                         : std::nullopt;
            };
        });
        StationWindow &w = *station.window;
        QTRY_VERIFY(Station_TileText(w, "A1").startsWith("PASS: passed before"));
        QVERIFY2(labelOf(w, "counters").startsWith("Total 0 · "),
                 qPrintable(labelOf(w, "counters")));
        QCOMPARE(bench.reportLines(), 1);

        w.findChild<QAction *>("new shift")->trigger();
        QVERIFY2(labelOf(w, "counters").startsWith("Total 1 · Passed 1 · "),
                 qPrintable(labelOf(w, "counters")));
        QCOMPARE(labelOf(w, "shift"), QStringLiteral("Operator op9 · Lot WO-1"));
        QStringList shifts;
        for (const QJsonObject &r : auditOf(bench))
            if (r["event"] == "shift start")
                shifts.append(r["who"].toString() + '/' + r["lot"].toString());
        QCOMPARE(shifts, (QStringList{"op7/WO-1", "op8/WO-1", "op8/WO-2", "op9/WO-1"}));
    }

    // Resetting the counters, clearing a FAIL by force and changing the recipe are the
    // supervisor's: each is done with the password, refused without it, and recorded.
    void supervisorOnly_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("password"); // "none set": the station has no password
        QTest::addColumn<QString>("audited");  // the audit log's last event
        for (const char *action : {"reset", "clear", "recipe"}) {
            const QByteArray name(action);
            const QString event = name == "reset"   ? "counters reset"
                                  : name == "clear" ? "forced clear"
                                                    : "recipe";
            QTest::newRow(name + ", right password") << QString(name) << "s3cret" << event;
            QTest::newRow(name + ", wrong password") << QString(name) << "guess"
                                                     << "supervisor refused";
            QTest::newRow(name + ", none set") << QString(name) << "none set"
                                               << "start";
        }
    }
    void supervisorOnly() {
        QFETCH(QString, action);
        QFETCH(QString, password);
        QFETCH(QString, audited);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        bench.board(0).addFault(SimFault::on('N', 1, SimFault::BadCrc));
        QByteArray otherFlash = bench.flash;
        otherFlash[0] = char(otherFlash[0] ^ 1);
        QFile other(bench.path("other.bin"));
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write(otherFlash) == otherFlash.size());
        other.close();
        Station station(bench, 1, false, 0, QString(), [&](StationWindow::Setup &setup) {
            if (password == "none set") setup.supervisorHash.clear();
            setup.chooseFile = [&](const QString &title) {
                return title == "MCU image" ? bench.mcuPath : bench.path("other.bin");
            };
        });
        station.supervisorAnswer = password;
        StationWindow &w = *station.window;
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A1").startsWith("FAIL: "), 20000);
        const QString otherCrc = QStringLiteral("%1").arg(
            Describe_Image("other.bin", otherFlash).crc, 8, 16, QLatin1Char('0'));

        MessageBoxResponder responder; // "Set every counter to zero?": Yes
        if (action == "reset") w.resetCounters();
        if (action == "clear") w.forceClear("A1");
        if (action == "recipe") w.findChild<QAction *>("change recipe")->trigger();
        const bool allowed = password == "s3cret";
        QCOMPARE(labelOf(w, "counters").startsWith("Total 0 · "), allowed && action == "reset");
        QCOMPARE(Station_TileText(w, "A1").startsWith("FAIL: "), !(allowed && action == "clear"));
        QCOMPARE(labelOf(w, "recipe").contains(otherCrc), allowed && action == "recipe");
        if (password == "none set")
            QVERIFY2(responder.texts().join('|').contains("No supervisor password is set"),
                     qPrintable(responder.texts().join('|')));
        const QJsonObject last = auditOf(bench).last();
        QCOMPARE(last["event"].toString(), audited);
        QCOMPARE(last["type"].toString(), QStringLiteral("audit"));
        if (audited == "recipe")
            QVERIFY2(!last["old"].toString().contains(otherCrc) &&
                         last["new"].toString().contains(otherCrc),
                     qPrintable(last["old"].toString() + " -> " + last["new"].toString()));
    }

    // The supervisor's password as station.conf keeps it: a hash that verifies only the
    // password it was made from, on a line of its own that a new password replaces.
    void supervisorHashLine() {
        const QString hash = Hash_SupervisorPassword("s3cret");
        QVERIFY(Supervisor_PasswordMatches(hash, "s3cret"));
        QVERIFY(!Supervisor_PasswordMatches(hash, "s3cret "));
        QVERIFY(!Supervisor_PasswordMatches(QString(), ""));
        QVERIFY(!Supervisor_PasswordMatches("$argon2id$garbage", "s3cret"));
        const QString conf = "--all\n--report /var/lib/tessara/report.jsonl\n";
        const QString once = With_SupervisorHash(conf, hash);
        QVERIFY(once.startsWith(conf));
        QVERIFY(once.contains("--supervisor-hash '" + hash + "'\n"));
        const QString twice = With_SupervisorHash(once, "$argon2id$other");
        QVERIFY(!twice.contains(hash));
        QCOMPARE(twice.count("--supervisor-hash"), 1);
        QCOMPARE(twice.count('\n'), once.count('\n'));
    }

    // One station.conf for the window and the service: the window reads tessara-cli's way of
    // naming the job and its images, and --set-supervisor-password keeps the hash in it.
    void sharedConfiguration() {
        BenchRig bench;
        const QString conf = bench.path("station.conf");
        QFile file(conf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("# the line's station\n--all\n--retry never\n--model KQ31B\nupdate-all '" +
                    bench.mcuPath + "' '" + bench.flashPath + "'\n")
                       .toUtf8());
        file.close();
        const auto setPassword = [&](const QByteArray &typed) {
            QProcess set;
            set.start(TESSARA_STATION_PATH, {"--set-supervisor-password", "--config", conf});
            set.write(typed);
            set.closeWriteChannel();
            return set.waitForFinished(20000) ? set.exitCode() : -1;
        };
        QCOMPARE(setPassword("one\ntwo\n"), 2); // typed differently: nothing is set
        QCOMPARE(setPassword("s3cret\ns3cret\n"), 0);

        const ParsedStationOptions parsed = Parse_StationOptions({"--config", conf});
        QVERIFY2(parsed.options, qPrintable(parsed.error));
        const StationOptions &o = *parsed.options;
        QCOMPARE(o.mcuPath + ' ' + o.flashPath, bench.mcuPath + ' ' + bench.flashPath);
        QCOMPARE(o.retry, RetryPolicy::Never);
        QCOMPARE(o.models, QStringList{"KQ31B"});
        QVERIFY(Supervisor_PasswordMatches(o.supervisorHash, "s3cret"));
        QVERIFY(!Supervisor_PasswordMatches(o.supervisorHash, "one"));
    }

    // What the recipe needs is checked before any board runs: Flash.ini for a job that writes
    // the flash, and the model that raw images are for.
    void refusedRecipe_data() {
        QTest::addColumn<QString>("flashIni"); // "": the bench's; else its text, or "missing"
        QTest::addColumn<QStringList>("models");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no Flash.ini") << "missing" << QStringList{"KQ31B"} << "does not exist";
        QTest::newRow("Flash.ini lists no part") << "[FLASH]\n# none\n"
                                                 << QStringList{"KQ31B"} << "lists no flash part";
        QTest::newRow("raw images, no model")
            << "" << QStringList{} << "raw images need the model they are for (--model NAME)";
        QTest::newRow("unknown model") << "" << QStringList{"KQ999"} << "unknown model: KQ999";
    }
    void refusedRecipe() {
        QFETCH(QString, flashIni);
        QFETCH(QStringList, models);
        QFETCH(QString, reason);
        BenchRig bench;
        StationOptions o;
        o.mcuPath = bench.mcuPath;
        o.flashPath = bench.flashPath;
        o.models = models;
        o.flashIniPath = bench.path("Flash.ini");
        if (flashIni == "missing") o.flashIniPath = bench.path("none/Flash.ini");
        if (!flashIni.isEmpty() && flashIni != "missing") {
            QFile file(o.flashIniPath);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(flashIni.toUtf8());
        }
        const Result<Recipe> recipe = Load_Recipe(o);
        QVERIFY(!recipe.ok());
        QVERIFY2(recipe.reason().contains(reason), qPrintable(recipe.reason()));
    }

    // The program itself, stopped by SIGTERM once a board has run: it ends as a terminated
    // program does (143), its board's record written.
    void sigtermStatus() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QProcess station;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TESSARA_SERIALCOMM", bench.map(1));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        station.setProcessEnvironment(env);
        station.start(TESSARA_STATION_PATH,
                      {"--mcu", bench.mcuPath, "--flash", bench.flashPath, "--model", "KQ31B",
                       "--flash-ini", bench.path("Flash.ini"), "--report", bench.reportPath(),
                       "--operator", "op7", "--lot", "WO-1"});
        QVERIFY(station.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(bench.reportLines() == 1, 20000);
        ::kill(pid_t(station.processId()), SIGTERM);
        QVERIFY(station.waitForFinished(20000));
        QCOMPARE(station.exitStatus(), QProcess::NormalExit);
        QCOMPARE(station.exitCode(), 143);
        QCOMPARE(bench.report()[0]["result"].toString(), QStringLiteral("ok"));
    }

    void slotsConf_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("outcome"); // names in order, or the reason
        QTest::newRow("named") << QByteArray("# fixture 1\n/dev/ttyACM0 = A1\n"
                                             "pci-0000:00:14.0-usb-0:1.3:1.0 = A2 # left\n")
                               << "A1,A2";
        QTest::newRow("no name") << QByteArray("/dev/ttyACM0 =\n") << "line 1: not PATH = NAME";
        QTest::newRow("path twice")
            << QByteArray("a = A1\n\na = A2\n") << "line 3: a is named twice";
        QTest::newRow("name twice")
            << QByteArray("a = A1\nb = A1\n") << "line 2: two slots are named A1";
        QTest::newRow("control") << QByteArray("a = A\x1b[2J\n")
                                 << "line 1: a name has printable characters only";
        QTest::newRow("too large") << QByteArray(70000, '#') << "too large";
    }
    void slotsConf() {
        QFETCH(QByteArray, text);
        QFETCH(QString, outcome);
        const Result<QList<SlotEntry>> entries = Parse_SlotsConf(text);
        QStringList names;
        if (entries.ok())
            for (const SlotEntry &e : entries.value())
                names.append(e.name);
        QCOMPARE(entries.ok() ? names.join(',') : entries.reason(), outcome);
    }

    // A port on a hub is named after its hub ports unless slots.conf names its physical path.
    void slotNames() {
        const auto place = [](const QString &port) {
            return port == "/dev/ttyACM3" ? PortPlace{"pci-0000:00:14.0-usb-0:1.3:1.0", "1.3"}
                                          : PortPlace{};
        };
        const SlotNames bare({}, place);
        QCOMPARE(bare.slotOf("/dev/ttyACM3").name, QStringLiteral("1.3"));
        QCOMPARE(bare.slotOf("/tmp/kq0").name, QStringLiteral("kq0"));
        const SlotNames named({{"pci-0000:00:14.0-usb-0:1.3:1.0", "B2"}}, place);
        QCOMPARE(named.slotOf("/dev/ttyACM3").name, QStringLiteral("B2"));
        QCOMPARE(named.slotOf("/dev/ttyACM3").key,
                 QStringLiteral("pci-0000:00:14.0-usb-0:1.3:1.0"));
    }

    // The README's pictures (scripts/station_screenshot.sh): a fixture of 8 and of 24 slots in
    // mixed states, and 8 in Chinese. Each slot's board, by letter: P passes, M is the wrong
    // model, C fails its CRC check, L is lost mid-write, R is still in its flash check, and - is
    // an empty slot. Runs only when TESSARA_STATION_SCREENSHOT names the folder to write to.
    void screenshot_data() {
        QTest::addColumn<QString>("boards");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("file");
        QTest::newRow("8 slots") << "PPMPCRL-"
                                 << "en" << QSize(1280, 800) << "station-8.png";
        QTest::newRow("8 slots zh_CN") << "PPMPCRL-"
                                       << "zh_CN" << QSize(1280, 800) << "station-8-zh_CN.png";
        QTest::newRow("24 slots") << "PPPRPPMPPLPPPPCPR-PPPP-P"
                                  << "en" << QSize(1920, 1080) << "station-24.png";
    }
    void screenshot() {
        QFETCH(QString, boards);
        QFETCH(QString, language);
        QFETCH(QSize, size);
        QFETCH(QString, file);
        const QString folder = qEnvironmentVariable("TESSARA_STATION_SCREENSHOT");
        if (folder.isEmpty()) QSKIP("TESSARA_STATION_SCREENSHOT names no folder");
        QTranslator chinese; // leaves the application with itself
        if (language == "zh_CN") {
            QVERIFY(chinese.load(QLocale("zh_CN"), "tessara-station", "_", TESSARA_STATION_QM_DIR));
            qApp->installTranslator(&chinese);
        }
        BenchRig bench;
        const int columns = boards.size() > 8 ? 8 : 4; // the fixture's rows: A1..A8, B1..
        QList<SlotEntry> entries;
        QStringList seated, running;
        int finishing = 0;
        for (int i = 0; i < boards.size(); ++i) {
            const QString name =
                QStringLiteral("%1%2").arg(QChar('A' + i / columns)).arg(i % columns + 1);
            entries.append({bench.link(i), name});
            const QChar kind = boards[i];
            if (kind == '-') continue;
            QVERIFY(bench.plug(i, [kind](SimConfig &c) {
                if (kind == 'M') keepLink(c, "KQ580");
                if (kind == 'R') { // a CRC check that takes its time
                    c.crcProgressStep = 16 * 1024;
                    c.crcProgressIntervalMs = 3000;
                }
            }));
            if (kind == 'C') bench.board(i).addFault(SimFault::on('N', 1, SimFault::BadCrc));
            if (kind == 'L') bench.board(i).addFault(SimFault::on('l', 2, SimFault::Vanish, -1));
            seated.append(bench.link(i));
            if (kind == 'R')
                running.append(name);
            else
                ++finishing;
        }
        Station station(bench, 0, false, 0, QString(), [&](StationWindow::Setup &setup) {
            setup.names = SlotNames(entries);
            setup.ports = [seated] { return seated; };
        });
        station.window->resize(size);
        QTRY_COMPARE_WITH_TIMEOUT(bench.reportLines(), finishing, 30000);
        const QString check = QCoreApplication::translate("OperatorWords", "flash check");
        for (const QString &name : running)
            QTRY_VERIFY(Station_TileText(*station.window, name).contains(check));
        QTest::qWait(1200); // the running tiles' clocks move on
        QVERIFY(station.window->grab().save(QDir(folder).filePath(file)));
    }

    // Every line of every tile fits its tile, in English and in Chinese, with 4 to 24 slots on
    // a small and a large screen, however long the failure's words or the board's serial:
    // nothing is cut, and no text is smaller than 9 pt. On a 1920x1080 screen every tile is
    // seen whole without a scroll, the scan field shown too; on 1024x768 too for 4 slots, and
    // for 8 with a day's texts.
    void tilesFit_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("slotCount");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("longest"); // else a day's texts: a short serial, no note
        for (const char *language : {"en", "zh_CN"})
            for (int slotCount : {4, 8, 16, 24})
                for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080)})
                    for (const bool longest : {true, false}) {
                        if (!longest && screen.width() > 1024) continue; // the longest fit there
                        QTest::addRow("%s, %d slots, %dx%d%s", language, slotCount, screen.width(),
                                      screen.height(), longest ? ", longest texts" : "")
                            << QString(language) << slotCount << screen << longest;
                    }
    }
    void tilesFit() {
        QFETCH(QString, language);
        QFETCH(int, slotCount);
        QFETCH(QSize, screen);
        QFETCH(bool, longest);
        QTranslator chinese; // leaves the application with itself
        if (language == "zh_CN") {
            QVERIFY(chinese.load(QLocale("zh_CN"), "tessara-station", "_", TESSARA_STATION_QM_DIR));
            qApp->installTranslator(&chinese);
        }
        BenchRig bench;
        StationOptions o;
        o.mcuPath = bench.mcuPath;
        o.flashPath = bench.flashPath;
        o.models = QStringList{"KQ31B"};
        o.flashIniPath = bench.path("Flash.ini");
        const Result<Recipe> recipe = Load_Recipe(o);
        QVERIFY(recipe.ok());
        StationWindow::Setup setup;
        setup.recipe = recipe.value();
        QList<SlotEntry> entries;
        for (int i = 0; i < slotCount; ++i)
            entries.append({bench.path(QString::number(i)), QStringLiteral("B%1").arg(i + 1)});
        setup.names = SlotNames(entries);
        setup.ports = [] { return QStringList(); };
        setup.scan = ScanPolicy::Optional; // its field takes room from the tiles
        StationWindow w(setup);
        w.resize(screen);
        w.show();

        // The longest words a tile can show: each failure's, in turn.
        QList<OperatorWords> failures{{Wrong_RecipeReason("KQ31B"), QString()}};
        JobResult lost;
        lost.flashBlocks = lost.flashBlocksWritten = 32768;
        for (FailureKind kind :
             {FailureKind::NoReply, FailureKind::WrongReply, FailureKind::Refused,
              FailureKind::DeviceGone, FailureKind::Stopped}) {
            lost.failure = Fail(kind, "x");
            failures.append(Operator_Words(lost, {false, false, ProgressPhase::FlashWrite}));
            failures.append(Operator_Words(lost, {false, false, ProgressPhase::McuCrcCheck}));
        }
        failures.append(Operator_Words(lost, {true, false, std::nullopt}));
        const QList<SlotTile *> tiles = w.findChildren<SlotTile *>();
        QCOMPARE(tiles.size(), slotCount);
        for (int i = 0; i < tiles.size(); ++i) {
            SlotView v;
            v.name = tiles[i]->accessibleName().isEmpty() ? "B24" : tiles[i]->accessibleName();
            v.state = i == 0 ? SlotState::Running : SlotState::Fail;
            const QString serial = longest ? QString(MaxScannedLength, 'W') : "SN-2026-004711";
            v.model = "serial " + Breakable_Serial(serial) + " · KQ31B, boot 0x1a";
            v.phase = i == 0 ? "MCU erase 100 %" : QString();
            v.time = i == 0 ? "88:88" : longest ? "after 8888.8 s" : "after 21.4 s";
            v.reason = failures[i % failures.size()].reason;
            v.hint = failures[i % failures.size()].hint;
            if (longest) v.note = "board back: Enter, then seat the next board";
            v.counts = longest ? "attempt 12 · slot: 9999 of 9999 passed"
                               : "attempt 1 · slot: 37 of 40 passed";
            tiles[i]->display(v);
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();

        // No line of the window holds it wider or taller than the screen it was given.
        QCOMPARE(w.size(), screen);
        const QScrollArea *gridView = w.findChild<QScrollArea *>();
        QVERIFY(gridView);
        // On 1024x768 the grid may scroll for 16 slots and more, or the longest texts of 8.
        const bool whole =
            screen == QSize(1920, 1080) || slotCount == 4 || (!longest && slotCount == 8);
        for (const SlotTile *tile : tiles) {
            for (const QLabel *label : tile->findChildren<QLabel *>()) {
                if (label->isHidden()) continue;
                const QString where = tile->accessibleName() + ": " + label->text();
                QVERIFY2(tile->contentsRect().contains(label->geometry()), qPrintable(where));
                const QFontMetrics metrics = label->fontMetrics();
                if (label->wordWrap()) {
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                             qPrintable(where));
                    const QRect text = metrics.boundingRect(QRect(0, 0, label->width(), 1 << 20),
                                                            Qt::TextWordWrap, label->text());
                    QVERIFY2(text.width() <= label->width(), qPrintable(where));
                } else { // one line, whole
                    const QRect text =
                        metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, label->text());
                    QVERIFY2(text.width() <= label->width(), qPrintable(where));
                    QVERIFY2(metrics.height() <= label->height(), qPrintable(where));
                }
                QVERIFY2(label->font().pointSizeF() >= 9, qPrintable(where));
            }
            QVERIFY2(tile->parentWidget()->rect().contains(tile->geometry()),
                     qPrintable(tile->accessibleName()));
            // Seen whole where the grid's view is now, without scrolling.
            const QRect seen(tile->mapTo(gridView->viewport(), QPoint(0, 0)), tile->size());
            if (whole)
                QVERIFY2(gridView->viewport()->rect().contains(seen),
                         qPrintable(tile->accessibleName()));
        }
        if (whole) QCOMPARE(gridView->verticalScrollBar()->maximum(), 0);
    }

    // Every state's text reads on its background for weak eyes too (WCAG contrast 4.5:1).
    void contrast() {
        const auto luminance = [](const QColor &c) {
            const auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                   0.0722 * linear(c.blueF());
        };
        for (SlotState state :
             {SlotState::Waiting, SlotState::Running, SlotState::Pass, SlotState::Fail}) {
            const auto [background, text] = SlotTile::colours(state);
            const double a = luminance(background), b = luminance(text);
            const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
            QVERIFY2(ratio >= 4.5, qPrintable(SlotTile::stateWord(state) + ": " +
                                              QString::number(ratio, 'f', 2)));
        }
    }

    // zh_CN from the locale; any other language keeps the English of the source.
    void translation() {
        QVERIFY(!Install_StationTranslation(*qApp, QLocale("de_DE"), {TESSARA_STATION_QM_DIR}));
        QCOMPARE(SlotTile::stateWord(SlotState::Fail), QStringLiteral("FAIL"));
        QVERIFY(Install_StationTranslation(*qApp, QLocale("zh_CN"), {TESSARA_STATION_QM_DIR}));
        QCOMPARE(SlotTile::stateWord(SlotState::Fail), QStringLiteral("失败"));
        QCOMPARE(Wrong_RecipeReason("KQ580"), QStringLiteral("这块板是 KQ580：配方不对"));
        JobResult lost;
        lost.failure = Fail(FailureKind::DeviceGone, "gone");
        lost.flashBlocks = 32;
        lost.flashBlocksWritten = 11;
        QCOMPARE(Operator_Words(lost, {false, false, ProgressPhase::FlashWrite}).reason,
                 QStringLiteral("闪存写入时断开，已写 11/32 块"));
        // The words of the layers below the station on a tile: a hook that gave no answer.
        JobResult refused;
        refused.failure = Fail(FailureKind::Refused, QLatin1String(LineHook::RefusalPrefix) +
                                                         "hook.sh gave no answer within 10 s");
        QCOMPARE(Operator_Words(refused, {}).reason,
                 QStringLiteral("被产线拒绝：hook.sh 在 10 s 内没有答复"));
        // Qt's own words too: the buttons of the station's boxes.
        QVERIFY2(QCoreApplication::translate("QPlatformTheme", "&Yes") != "&Yes",
                 "Qt's own translation (qttranslations5-l10n) is not installed");
    }
};

QTEST_MAIN(StationTest)
#include "test_station.moc"
