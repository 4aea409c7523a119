// tessara-station reads the same station.conf as tessara-cli: pinned to a product and a lowest
// release there, its recipe refuses the bundles tessara-cli refuses, with the same words, and
// image files for an update.
#include "bundle/bundle_maker.h"
#include "bundle/release_pin.h"
#include "station/recipe.h"
#include "station/station_options.h"
#include "station/station_window.h"
#include "station/supervisor_password.h"
#include "support/bench_bundle.h"
#include "support/bench_rig.h"
#include "support/message_box_responder.h"
#include "support/station_tiles.h"

#include <QAction>
#include <QLabel>
#include <QTranslator>
#include <QtTest>

namespace {

// An unsigned bundle of the bench's MCU image for `models`, written to the bench's folder.
QString writeBundle(const BenchRig &bench, const QString &product, const QString &version,
                    const QStringList &models = {"KQ31B"}) {
    const QString path = bench.path(QStringLiteral("%1-%2.kqb").arg(product, version));
    QString reason;
    if (!Write_BundleFile(path, Bench_McuBundle(bench, product, version, nullptr, models), reason))
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

    // The pin's refusal, in tessara-cli's English below the station, in the operator's language.
    void refusalInChinese() {
        BenchRig bench;
        StationOptions o;
        o.job = Job::UpdateMcu;
        o.operation = QStringLiteral("update-mcu");
        o.bundlePath = writeBundle(bench, "panel", "2.3");
        QString error;
        QVERIFY(Read_MinVersion("2.4", o.pin, error));
        o.pin.product = QStringLiteral("panel");
        QTranslator zh;
        QVERIFY(zh.load(QLocale("zh_CN"), "tessara-station", "_", TESSARA_STATION_QM_DIR));
        QCoreApplication::installTranslator(&zh);
        const Result<Recipe> recipe = Load_Recipe(o);
        QCoreApplication::removeTranslator(&zh);
        QVERIFY(!recipe.ok());
        QCOMPARE(recipe.reason(), QStringLiteral("发布包 %1 被拒绝：发布包是产品 panel 版本 2.3；"
                                                 "本工位只接受 产品 panel 版本 2.4 及以后")
                                      .arg(o.bundlePath));
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

    // --model with a bundle, from the station.conf tessara-cli reads too: one of the bundle's
    // models narrows the recipe to it, and a board of its other model is refused before anything
    // is written on it; a model the bundle is not for is refused at the start.
    void modelWithABundle_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("refusal"); // empty: the recipe is taken
        QTest::newRow("one of its models") << "KQ31B"
                                           << "";
        QTest::newRow("not one of its models")
            << "KQ580"
            << "--model KQ580: bundle BUNDLE is for KQ31B, KQ31C";
    }
    void modelWithABundle() {
        QFETCH(QString, model);
        QFETCH(QString, refusal);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(1, [](SimConfig &c) {
            const QString link = c.linkPath;
            SimConfig::forModel("KQ31C", &c);
            c.linkPath = link;
        }));
        const QByteArray untouched = bench.board(1).mcuFlash();
        const QString bundle = writeBundle(bench, "panel", "2.4", {"KQ31B", "KQ31C"});
        QFile conf(bench.path("station.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(("--model " + model + "\nupdate-mcu\n").toUtf8());
        conf.close();
        const ParsedStationOptions parsed =
            Parse_StationOptions({"--config", conf.fileName(), bundle});
        QVERIFY2(parsed.options, qPrintable(parsed.error));
        const Result<Recipe> recipe = Load_Recipe(*parsed.options);
        if (!refusal.isEmpty()) {
            QVERIFY(!recipe.ok());
            QCOMPARE(recipe.reason(), refusal.replace("BUNDLE", bundle));
            return;
        }
        QVERIFY2(recipe.ok(), qPrintable(recipe.ok() ? QString() : recipe.reason()));
        QCOMPARE(recipe.value().models, QStringList{model});

        BoardReport report;
        QVERIFY(report.open(bench.reportPath()));
        StationWindow::Setup setup;
        setup.recipe = recipe.value();
        setup.names = SlotNames({{bench.link(0), "A1"}, {bench.link(1), "A2"}});
        setup.ports = [&bench] { return QStringList{bench.link(0), bench.link(1)}; };
        setup.usbSerialOf = [](const QString &) { return QString(); };
        setup.report = &report;
        StationWindow w(setup);
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A1").startsWith("PASS: "), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(Station_TileText(w, "A2").startsWith("FAIL: "), 20000);
        QVERIFY2(Station_TileText(w, "A2").contains("this board is a KQ31C: wrong recipe"),
                 qPrintable(Station_TileText(w, "A2")));
        QCOMPARE(bench.board(0).mcuFlash().mid(0x2000, bench.mcu.size()), bench.mcu);
        QCOMPARE(bench.board(1).mcuFlash(), untouched);
        QCOMPARE(Frames_Named(bench.board(1), {"L", "J", "o", "h", "j", "k", "l"}), 0);
    }

    // A bundle opened in the window keeps the station's --model: one not for it is refused in
    // a box, and the recipe stays as it was; without --model, the last bundle's models are no
    // limit.
    void windowRecipeKeepsTheModels_data() {
        QTest::addColumn<QStringList>("models"); // --model
        QTest::addColumn<QString>("refusal");    // empty: the bundle opened is taken
        QTest::newRow("--model") << QStringList{"KQ31B"}
                                 << "--model KQ31B: bundle OTHER is for KQ580";
        QTest::newRow("no --model") << QStringList() << "";
    }
    void windowRecipeKeepsTheModels() {
        QFETCH(QStringList, models);
        QFETCH(QString, refusal);
        BenchRig bench;
        StationOptions o;
        o.job = Job::UpdateMcu;
        o.operation = QStringLiteral("update-mcu");
        o.bundlePath = writeBundle(bench, "panel", "2.4", {"KQ31B", "KQ31C"});
        o.models = models;
        const Result<Recipe> recipe = Load_Recipe(o);
        QVERIFY(recipe.ok());
        StationWindow::Setup setup;
        setup.recipe = recipe.value();
        setup.models = models;
        setup.names = SlotNames({{bench.path("slot"), "A1"}});
        setup.ports = [] { return QStringList(); };
        setup.supervisorHash = Hash_SupervisorPassword("s3cret");
        setup.askSupervisor = [](const QString &) { return std::optional<QString>("s3cret"); };
        const QString other = writeBundle(bench, "panel", "2.5", {"KQ580"});
        setup.chooseFile = [&](const QString &) { return other; };
        StationWindow w(setup);
        w.show();

        MessageBoxResponder responder;
        w.findChild<QAction *>("open recipe")->trigger();
        QCOMPARE(responder.texts().join('|'), refusal.replace("OTHER", other));
        QString shown;
        for (const QLabel *label : w.findChildren<QLabel *>())
            if (label->accessibleName() == "recipe") shown = label->accessibleDescription();
        const QString expected = refusal.isEmpty() ? "panel-2.5.kqb" : "panel-2.4.kqb";
        QVERIFY2(shown.contains(expected), qPrintable(shown));
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
