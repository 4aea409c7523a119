// Running tessara-cli as a station's service: its arguments from a configuration file, the
// production line's options checked before anything runs, and its stderr ranked for the journal.
#include "cli/cli_options.h"
#include "cli/journal_stream.h"
#include "line/station_config.h"
#include "support/cli_process.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &text) {
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly)) return QString();
    f.write(text);
    return f.fileName();
}

} // namespace

class CliStationTest : public QObject {
    Q_OBJECT

  private slots:
    // Each line's words take the place of --config FILE, in order; comments, blank lines and
    // CRLF ends are nothing; what cannot be read or split stops with the file and line.
    void configExpansion_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QStringList>("arguments"); // CONF stands for the file
        QTest::addColumn<QStringList>("expanded");  // empty: an error that starts as `error`
        QTest::addColumn<QString>("error");
        const QByteArray station = "# bench 3\n"
                                   "--all\r\n"
                                   "\n"
                                   "   # indented comment\n"
                                   "--report '/var/lib/tessara/report of line 1.jsonl'\n"
                                   "--before-board \"/usr/bin/mes-check --station 'b3'\"\n"
                                   "update-all /srv/app.bin /srv/flash.bin";
        const QStringList words{"--all",
                                "--report",
                                "/var/lib/tessara/report of line 1.jsonl",
                                "--before-board",
                                "/usr/bin/mes-check --station 'b3'",
                                "update-all",
                                "/srv/app.bin",
                                "/srv/flash.bin"};
        QTest::newRow("in place")
            << station << QStringList{"tessara-cli", "--quiet", "--config", "CONF", "--watch"}
            << QStringList{"tessara-cli", "--quiet"} + words + QStringList{"--watch"} << "";
        QTest::newRow("with =") << station << QStringList{"tessara-cli", "--config=CONF"}
                                << QStringList{"tessara-cli"} + words << "";
        QTest::newRow("one dash") << station << QStringList{"tessara-cli", "-config", "CONF"}
                                  << QStringList{"tessara-cli"} + words << "";
        QTest::newRow("after --, an argument")
            << station << QStringList{"tessara-cli", "--", "--config", "CONF"}
            << QStringList{"tessara-cli", "--", "--config", "CONF"} << "";
        QTest::newRow("empty file")
            << QByteArray() << QStringList{"tessara-cli", "--config", "CONF"}
            << QStringList{"tessara-cli"} << "";
        QTest::newRow("unclosed quote")
            << QByteArray("--all\n--report 'x\n") << QStringList{"tessara-cli", "--config", "CONF"}
            << QStringList() << "CONF:2: a ' quote is not closed";
        QTest::newRow("names another")
            << QByteArray("--config /etc/other.conf\n")
            << QStringList{"tessara-cli", "--config", "CONF"} << QStringList()
            << "CONF:1: a configuration file cannot name another one";
        QTest::newRow("no file name") << QByteArray() << QStringList{"tessara-cli", "--config"}
                                      << QStringList() << "--config needs a file name";
        QTest::newRow("missing") << QByteArray()
                                 << QStringList{"tessara-cli", "--config", "/nonexistent/x.conf"}
                                 << QStringList()
                                 << "cannot read the configuration file \"/nonexistent/x.conf\": "
                                    "no such file";
        QTest::newRow("a folder") << QByteArray() << QStringList{"tessara-cli", "--config", "/tmp"}
                                  << QStringList()
                                  << "cannot read the configuration file \"/tmp\": not a file";
        QTest::newRow("too large")
            << QByteArray(70000, '#') << QStringList{"tessara-cli", "--config", "CONF"}
            << QStringList() << "cannot read the configuration file";
    }
    void configExpansion() {
        QFETCH(QByteArray, config);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expanded);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = writeFile(dir, "station.conf", config);
        arguments.replaceInStrings(QStringLiteral("CONF"), path);
        expanded.replaceInStrings(QStringLiteral("CONF"), path);
        QString why;
        const QStringList got = Expand_StationConfig(arguments, why);
        QCOMPARE(got, expanded);
        QCOMPARE(why.isEmpty(), error.isEmpty());
        QVERIFY2(why.startsWith(QString(error).replace(QStringLiteral("CONF"), path)) ||
                     error.isEmpty(),
                 qPrintable(why));
    }

    // A station's file read by the parser becomes the request the service runs.
    void configBecomesTheRequest() {
        QTemporaryDir dir;
        const QString conf = writeFile(dir, "station.conf",
                                       "--all\n--watch\n--report /var/lib/tessara/report.jsonl\n"
                                       "--mqtt mqtt://broker:1883/line1\n--station bench-3\n"
                                       "--after-board 'logger -t tessara'\n--hook-timeout 30\n"
                                       "update-all /srv/app.bin /srv/flash.bin\n");
        const CliParse parse = Parse_CliArguments({"tessara-cli", "--config", conf, "--json"});
        QCOMPARE(parse.outcome, CliParse::Run);
        const CliRequest &r = parse.request;
        QVERIFY(r.all && r.watch && r.json);
        QCOMPARE(r.command, QStringLiteral("update-all"));
        QCOMPARE(r.images, QStringList({"/srv/app.bin", "/srv/flash.bin"}));
        QCOMPARE(r.report, QStringLiteral("/var/lib/tessara/report.jsonl"));
        QCOMPARE(r.line.mqtt, QStringLiteral("mqtt://broker:1883/line1"));
        QCOMPARE(r.line.station, QStringLiteral("bench-3"));
        QCOMPARE(r.line.afterBoard, QStringLiteral("logger -t tessara"));
        QCOMPARE(r.line.hookTimeoutMs, 30000);
    }

    // A refusal that comes from a line of the file names the file and the line; one that comes
    // from the command line does not, even where the file gives the same option.
    void configErrorsNameTheLine_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QStringList>("arguments"); // CONF: the file
        QTest::addColumn<QString>("error");
        const QByteArray head = "# bench 3\n\n--all\n--report /tmp/r.jsonl\n\n# events\n";
        QTest::newRow("unknown option")
            << head + "--prot x\n"
            << QStringList{"--config", "CONF"} << "CONF:7: unknown option --prot";
        QTest::newRow("unknown option, with =")
            << QByteArray("probe\n--prot=x\n") << QStringList{"--config", "CONF"}
            << "CONF:2: unknown option --prot";
        QTest::newRow("missing value")
            << QByteArray("probe\n--station\n") << QStringList{"--config", "CONF"}
            << "CONF:2: Missing value after '--station'.";
        QTest::newRow("bad value")
            << QByteArray("probe\n\n--wait-time 9\n") << QStringList{"--config", "CONF"}
            << "CONF:3: --wait-time takes a whole number from 0 to 7, not \"9\"";
        QTest::newRow("bad hook time-out")
            << QByteArray("--hook-timeout 0\nprobe\n") << QStringList{"--config", "CONF"}
            << "CONF:1: --hook-timeout takes a whole number from 1 "
               "to 3600, not \"0\"";
        QTest::newRow("the file's port given again on the command line")
            << QByteArray("--port /dev/ttyACM0\n")
            << QStringList{"--config", "CONF", "--port", "/dev/ttyACM0", "probe"}
            << "--port \"/dev/ttyACM0\" is given twice";
        QTest::newRow("the command line's port given again in the file")
            << QByteArray("\n--port /dev/ttyACM0\n")
            << QStringList{"--port", "/dev/ttyACM0", "--config", "CONF", "probe"}
            << "CONF:2: --port \"/dev/ttyACM0\" is given twice";
        QTest::newRow("the command line's value is the bad one")
            << QByteArray("--wait-time 9\n")
            << QStringList{"--config", "CONF", "--wait-time", "8", "probe"}
            << "--wait-time takes a whole number from 0 to 7, not \"8\"";
        QTest::newRow("the command line's unknown option")
            << QByteArray("--all\n") << QStringList{"--prot", "--config", "CONF", "probe"}
            << "Unknown option 'prot'.";
    }
    void configErrorsNameTheLine() {
        QFETCH(QByteArray, config);
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = writeFile(dir, "station.conf", config);
        arguments.replaceInStrings(QStringLiteral("CONF"), path);
        const CliParse parse = Parse_CliArguments(QStringList{"tessara-cli"} + arguments);
        QCOMPARE(parse.outcome, CliParse::Error);
        QCOMPARE(parse.text, QString(error).replace(QStringLiteral("CONF"), path));
    }

    // What the program says, and with which status, before anything else happens.
    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing configuration")
            << QStringList{"--config", "/nonexistent/station.conf", "probe"}
            << "cannot read the configuration file \"/nonexistent/station.conf\": no such file";
        QTest::newRow("hook that cannot be split")
            << QStringList{"--before-board", "check 'x", "probe"}
            << "--before-board \"check 'x\": a ' quote is not closed";
        QTest::newRow("hook naming nothing") << QStringList{"--after-board", " ", "probe"}
                                             << "--after-board \" \": the command names no program";
        QTest::newRow("hook time-out 0") << QStringList{"--hook-timeout", "0", "probe"}
                                         << "--hook-timeout takes a whole number from 1 to 3600";
        QTest::newRow("not an MQTT URL")
            << QStringList{"--mqtt", "http://broker/x", "probe"} << "--mqtt takes mqtt://";
        QTest::newRow("station without MQTT")
            << QStringList{"--station", "b3", "probe"} << "--station applies to --mqtt";
        QTest::newRow("station with a slash")
            << QStringList{"--mqtt", "mqtt://b", "--station", "a/b", "probe"}
            << "--station \"a/b\": a station's name cannot hold";
        QTest::newRow("MQTT password file missing")
            << QStringList{"--mqtt", "mqtt://127.0.0.1:1", "--mqtt-auth", "/nonexistent/auth",
                           "probe"}
            << "--mqtt-auth: cannot read the MQTT password file \"/nonexistent/auth\": no such "
               "file";
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const CliRun run = Run_Cli(arguments, dir.path(), QStringLiteral("\\Device\\Serial0=/x"));
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.startsWith(QStringLiteral("tessara-cli: ") + reason), qPrintable(run.err));
        QCOMPARE(run.out, QString());
    }

    // Under a service manager whose journal is stderr, each stderr line carries its priority,
    // so that the journal can show the failures alone; anywhere else, nothing changes.
    void journalPriorities() {
        QCOMPARE(Journal_Prefixed("one\ntwo", LinePriority::Failure), QByteArray("<3>one\n<3>two"));
        QCOMPARE(Journal_Prefixed("", LinePriority::Warning), QByteArray("<4>"));

        QTemporaryDir dir;
        const QString errFile = dir.filePath("stderr");
        QFile(errFile).open(QIODevice::WriteOnly);
        struct stat status;
        QCOMPARE(stat(QFile::encodeName(errFile).constData(), &status), 0);
        const QString journal = QStringLiteral("%1:%2").arg(status.st_dev).arg(status.st_ino);

        const auto run = [&](const QString &journalStream) {
            QProcess cli;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("TESSARA_SERIALCOMM", "\\Device\\Serial0=/x");
            env.remove("JOURNAL_STREAM");
            if (!journalStream.isNull()) env.insert("JOURNAL_STREAM", journalStream);
            cli.setProcessEnvironment(env);
            cli.setStandardErrorFile(errFile); // truncated each time
            cli.start(Cli_Path(), {"--port", "serial:NO-SUCH-BOARD", "probe"});
            cli.waitForFinished();
            QFile f(errFile);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        };
        const QByteArray reason =
            "tessara-cli: no chip connected: no port has the USB serial number \"NO-SUCH-BOARD\"\n";
        QCOMPARE(run(journal), "<3>" + reason);
        QCOMPARE(run(QString()), reason);
        QCOMPARE(run(QStringLiteral("%1:%2").arg(status.st_dev).arg(status.st_ino + 1)), reason);
    }
};

QTEST_GUILESS_MAIN(CliStationTest)
#include "test_cli_station.moc"
