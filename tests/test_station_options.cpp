// tessara-station's command line: the recipe's bundle given by position or by --bundle, and what
// is refused before any window or port.
#include "station/station_options.h"

#include <QtTest>

class StationOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void bundleAndHelp_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("outcome"); // "bundle PATH", "help", or the reason

        QTest::newRow("bundle by position") << QStringList{"panel.kqb"} << "bundle panel.kqb";
        QTest::newRow("bundle option, any name")
            << QStringList{"check-mcu", "--bundle", "release-2.4"} << "bundle release-2.4";
        QTest::newRow("bundle option, then a trusted key")
            << QStringList{"--bundle", "panel.kqb", "--trust", "line.pub"} << "bundle panel.kqb";
        QTest::newRow("two bundles")
            << QStringList{"a.kqb", "--bundle", "b.kqb"} << "one bundle: a.kqb and b.kqb";
        QTest::newRow("bundle option without a file")
            << QStringList{"--bundle", ""} << "--bundle needs a file name";
        QTest::newRow("bundle option at the end")
            << QStringList{"--bundle"} << "--bundle needs a value";
        QTest::newRow("bundle and raw images")
            << QStringList{"--bundle", "a.kqb", "--mcu", "app.bin"}
            << "a bundle or --mcu and --flash, not both";
        QTest::newRow("-h") << QStringList{"-h"} << "help";
        QTest::newRow("help before an unknown option")
            << QStringList{"--help", "--nothing"} << "help";
    }
    void bundleAndHelp() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, outcome);
        const ParsedStationOptions parsed = Parse_StationOptions(arguments);
        const QString got = parsed.help      ? QStringLiteral("help")
                            : parsed.options ? "bundle " + parsed.options->bundlePath
                                             : parsed.error;
        QCOMPARE(got, outcome);
    }

    // The help tells where the report goes by default as a rule, not as this machine's path.
    void helpNamesTheReportRule() {
        const QString help = Station_Usage();
        QVERIFY2(help.contains("$XDG_DATA_HOME/tessara/reports/station-DATE.jsonl"),
                 qPrintable(help));
        QVERIFY(!help.contains(QDir::homePath()));
    }
};

QTEST_GUILESS_MAIN(StationOptionsTest)
#include "test_station_options.moc"
