// tessara-station's command line: the recipe's bundle given by position or by --bundle, the
// shift and the scanning of board serials, and what is refused before any window or port.
#include "cli/cli_options.h"
#include "station/station_options.h"

#include <QTemporaryDir>
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

    // The shift and the scanning of serials, from the command line or station.conf; what a
    // barcode reader could not have meant is refused.
    void shiftAndScan_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("outcome"); // "SCAN OPERATOR LOT", or the reason
        const QStringList images{"--mcu", "a.bin", "--flash", "f.bin"};
        QTest::newRow("none") << images << "0  ";
        QTest::newRow("given") << images + QStringList{"--scan", "required", "--operator",
                                                       "op 7",   "--lot",    "WO-1"}
                               << "2 op 7 WO-1";
        QTest::newRow("optional") << images + QStringList{"--scan", "optional"} << "1  ";
        QTest::newRow("unknown policy")
            << images + QStringList{"--scan", "yes"} << "--scan takes off, optional or required";
        QTest::newRow("lot with a control character")
            << images + QStringList{"--lot", QString("WO") + QChar(0x1b) + "[2J"}
            << "--lot: holds a character that is not printable";
        QTest::newRow("operator too long") << images + QStringList{"--operator", QString(65, 'o')}
                                           << "--operator: longer than 64 characters";
        QTest::newRow("empty operator")
            << images + QStringList{"--operator", ""} << "--operator: nothing was scanned";
        QTest::newRow("lot ends with a space")
            << images + QStringList{"--lot", "WO-1 "} << "--lot: starts or ends with a space";
    }
    void shiftAndScan() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, outcome);
        const ParsedStationOptions parsed = Parse_StationOptions(arguments);
        const QString got = parsed.options
                                ? QStringLiteral("%1 %2 %3")
                                      .arg(int(parsed.options->scan))
                                      .arg(parsed.options->operatorId, parsed.options->lot)
                                : parsed.error;
        QCOMPARE(got, outcome);
    }

    // One station.conf for the window and the service: tessara-cli passes over what only the
    // window uses.
    void confReadByBoth() {
        QTemporaryDir dir;
        QFile conf(dir.filePath("station.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("--all\n--scan required\n--operator op7\n--lot WO-1\n--retry never\n"
                   "update-all a.bin f.bin\n");
        conf.close();
        const ParsedStationOptions window = Parse_StationOptions({"--config", conf.fileName()});
        QVERIFY2(window.options, qPrintable(window.error));
        QCOMPARE(window.options->scan, ScanPolicy::Required);
        QCOMPARE(window.options->operatorId + ' ' + window.options->lot,
                 QStringLiteral("op7 WO-1"));
        const CliParse cli = Parse_CliArguments({"tessara-cli", "--config", conf.fileName()});
        QVERIFY2(cli.outcome == CliParse::Run, qPrintable(cli.text));
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
