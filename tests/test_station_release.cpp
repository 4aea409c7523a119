// tessara-station reads the same station.conf as tessara-cli: pinned to a product and a lowest
// release there, its recipe refuses the bundles tessara-cli refuses, with the same words, and
// image files for an update.
#include "bundle/bundle_maker.h"
#include "station/recipe.h"
#include "station/station_options.h"
#include "station/station_window.h"
#include "station/supervisor_password.h"
#include "support/bench_rig.h"
#include "support/message_box_responder.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

namespace {

// An unsigned bundle of the bench's MCU image for KQ31B.
QString writeBundle(const BenchRig &bench, const QString &product, const QString &version) {
    BundleRecipe r;
    r.product = product;
    r.version = version;
    r.constraints.models = QStringList{"KQ31B"};
    r.mcu = bench.mcu;
    QByteArray archive;
    QString reason;
    const QString path = bench.path(QStringLiteral("%1-%2.kqb").arg(product, version));
    if (!Make_Bundle(r, nullptr, archive, reason) || !Write_BundleFile(path, archive, reason))
        qFatal("fixture: %s", qPrintable(reason));
    return path;
}

} // namespace

class StationReleaseTest : public QObject {
    Q_OBJECT

  private slots:
    void recipes_data() {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("refusal"); // empty: the recipe is taken
        QTest::newRow("equal") << "panel"
                               << "2.4"
                               << "";
        QTest::newRow("newer") << "panel"
                               << "2.10"
                               << "";
        QTest::newRow("older") << "panel"
                               << "2.3"
                               << "bundle is product panel version 2.3; this station takes "
                                  "product panel from version 2.4";
        QTest::newRow("other product")
            << "kiosk"
            << "3.0"
            << "bundle is product kiosk version 3.0; this station takes product panel from "
               "version 2.4";
        QTest::newRow("image files") << ""
                                     << ""
                                     << "only a bundle says its product and version";
    }

    void recipes() {
        QFETCH(QString, product);
        QFETCH(QString, version);
        QFETCH(QString, refusal);
        BenchRig bench;
        QFile conf(bench.path("station.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("--product panel\n--min-version 2.4\nupdate-mcu\n");
        conf.close();
        QStringList arguments{"--config", conf.fileName()};
        if (product.isEmpty()) {
            arguments << "--mcu" << bench.mcuPath << "--model"
                      << "KQ31B";
        } else {
            arguments << writeBundle(bench, product, version);
        }
        const ParsedStationOptions parsed = Parse_StationOptions(arguments);
        QVERIFY2(parsed.options, qPrintable(parsed.error));
        const Result<Recipe> recipe = Load_Recipe(*parsed.options);
        const QString reason = recipe.ok() ? QString() : recipe.reason();
        if (refusal.isEmpty()) {
            QVERIFY2(recipe.ok(), qPrintable(reason));
            QCOMPARE(recipe.value().request.mcuImage->bytes, bench.mcu);
        } else {
            QVERIFY(!recipe.ok());
            QVERIFY2(recipe.failure().reason.contains(refusal),
                     qPrintable(recipe.failure().reason));
        }
    }

    // The supervisor's "Open recipe" is held to the same pin: an older bundle is refused in a
    // box that says both sides, and the recipe stays as it was.
    void windowRecipeMovesForwardOnly() {
        BenchRig bench;
        const ParsedStationOptions parsed =
            Parse_StationOptions({"--product", "panel", "--min-version", "2.4", "update-mcu",
                                  writeBundle(bench, "panel", "2.4")});
        QVERIFY2(parsed.options, qPrintable(parsed.error));
        const Result<Recipe> recipe = Load_Recipe(*parsed.options);
        QVERIFY(recipe.ok());
        BoardReport report;
        StationAudit audit;
        QVERIFY(report.open(bench.reportPath()) && audit.open(bench.path("audit.jsonl")));
        StationWindow::Setup setup;
        setup.recipe = recipe.value();
        setup.pin = parsed.options->pin;
        setup.names = SlotNames({{bench.path("slot"), "A1"}});
        setup.ports = [] { return QStringList(); };
        setup.report = &report;
        setup.audit = &audit;
        setup.supervisorHash = Hash_SupervisorPassword("s3cret");
        setup.askSupervisor = [](const QString &) { return std::optional<QString>("s3cret"); };
        const QString older = writeBundle(bench, "panel", "2.3");
        setup.chooseFile = [&](const QString &) { return older; };
        StationWindow w(setup);
        w.show();

        MessageBoxResponder responder;
        w.findChild<QAction *>("open recipe")->trigger();
        QVERIFY2(responder.texts().join('|').contains(
                     "bundle is product panel version 2.3; this station takes product panel from "
                     "version 2.4"),
                 qPrintable(responder.texts().join('|')));
        QStringList shown;
        for (const QLabel *label : w.findChildren<QLabel *>())
            if (label->accessibleName() == "recipe") shown.append(label->accessibleDescription());
        QVERIFY2(shown.join('|').contains("panel-2.4.kqb") && !shown.join('|').contains("2.3"),
                 qPrintable(shown.join('|')));
    }

    void malformedPin() {
        const ParsedStationOptions parsed =
            Parse_StationOptions({"--min-version", "2.4b", "x.kqb"});
        QVERIFY(!parsed.options);
        QCOMPARE(parsed.error, QStringLiteral("--min-version: \"2.4b\" is not a version of dotted "
                                              "numbers such as 2.4 or 2.10.1"));
        const ParsedStationOptions twice =
            Parse_StationOptions({"--product", "panel", "x.kqb", "--product", "kiosk"});
        QVERIFY(!twice.options);
        QCOMPARE(twice.error, QStringLiteral("--product is given twice"));
    }
};

QTEST_MAIN(StationReleaseTest)
#include "test_station_release.moc"
