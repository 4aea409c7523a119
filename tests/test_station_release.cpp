// tessara-station reads the same station.conf as tessara-cli: pinned to a product and a lowest
// release there, its recipe refuses the bundles tessara-cli refuses, with the same words, and
// image files for an update.
#include "bundle/bundle_maker.h"
#include "station/recipe.h"
#include "station/station_options.h"
#include "support/bench_rig.h"

#include <QtTest>

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
            BundleRecipe r;
            r.product = product;
            r.version = version;
            r.constraints.models = QStringList{"KQ31B"};
            r.mcu = bench.mcu;
            QByteArray archive;
            QString reason;
            QVERIFY(Make_Bundle(r, nullptr, archive, reason));
            QVERIFY(Write_BundleFile(bench.path("r.kqb"), archive, reason));
            arguments << bench.path("r.kqb");
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

    void malformedPin() {
        const ParsedStationOptions parsed =
            Parse_StationOptions({"--min-version", "2.4b", "x.kqb"});
        QVERIFY(!parsed.options);
        QCOMPARE(parsed.error, QStringLiteral("--min-version: \"2.4b\" is not a version of dotted "
                                              "numbers such as 2.4 or 2.10.1"));
    }
};

QTEST_MAIN(StationReleaseTest)
#include "test_station_release.moc"
