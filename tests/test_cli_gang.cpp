// tessara-cli on several boards at once: every board updated in a thread of its own while one
// refuses and one is pulled out, --all over the serial-port map, Ctrl-C, and the record of each
// board in the report.
#include "support/bench_rig.h"
#include "support/cli_process.h"
#include "support/mcu_rig.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

QString hex(uint32_t value) {
    return QStringLiteral("0x") + QString::number(value, 16);
}

// The rows of the summary table that ends a gang's output, by port.
QMap<QString, QStringList> tableRows(const QString &out) {
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    QMap<QString, QStringList> rows;
    bool inTable = false;
    for (const QString &line : lines) {
        if (line.startsWith(QStringLiteral("port ")))
            inTable = true;
        else if (inTable) {
            const QStringList cells = line.split(QRegularExpression("\\s{2,}"));
            rows.insert(cells.first(), cells);
        }
    }
    return rows;
}

QMap<QString, QJsonObject> byPort(const QList<QJsonObject> &records) {
    QMap<QString, QJsonObject> map;
    for (const QJsonObject &r : records)
        map.insert(r.value("port").toString(), r);
    return map;
}

} // namespace

class CliGangTest : public QObject {
    Q_OBJECT

  private slots:
    // Three boards: one healthy, one whose erase is refused, one pulled out in the middle of
    // its flash update. The healthy one is updated in full all the same.
    void updateAllOnEveryBoard() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(1));
        QVERIFY(bench.plug(2));
        bench.board(1).addFault(SimFault::on('L', 1, SimFault::WrongLetter));
        bench.board(2).addFault(SimFault::on('l', 2, SimFault::Vanish, -1));

        const CliRun run =
            Run_Cli({"--port", bench.link(0), "--port", bench.link(1), "--port", bench.link(2),
                     "--report", bench.reportPath(), "update-all", bench.mcuPath, bench.flashPath},
                    bench.dir.path());
        QCOMPARE(run.status, 1);
        QCOMPARE(bench.board(0).mcuFlash().mid(0x2000, bench.mcu.size()), bench.mcu);
        QCOMPARE(bench.board(0).externalFlash(0, bench.flash.size()), bench.flash);

        // Every line before the table names its board; each board's log is whole.
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        const int table =
            lines.indexOf(QRegularExpression("port +model +boot +result +seconds +reason"));
        QVERIFY2(table > 0, qPrintable(run.out));
        QStringList board0;
        for (const QString &line : lines.mid(0, table)) {
            QVERIFY2(QRegularExpression("^" + QRegularExpression::escape(bench.path("kq")) +
                                        "[012]:( |$)")
                         .match(line)
                         .hasMatch(),
                     qPrintable(line));
            if (line.startsWith(bench.link(0) + ':'))
                board0.append(line.mid(bench.link(0).size() + 1));
        }
        QVERIFY(board0.contains(" Update MCU is OK!!!!!!"));
        QCOMPARE(board0.last(), QStringLiteral(" Update flash is OK!!!!!!"));
        // Pulled out: said so, not taken for a slow device.
        QVERIFY2(!run.err.contains(bench.link(2) + ": Time over!"), qPrintable(run.err));

        const QMap<QString, QStringList> rows = tableRows(run.out);
        QCOMPARE(rows.keys(), (QStringList{bench.link(0), bench.link(1), bench.link(2)}));
        QCOMPARE(rows[bench.link(0)].mid(1, 3), (QStringList{"KQ31B", "0x1a", "ok"}));
        QCOMPARE(rows[bench.link(1)].mid(1, 3), (QStringList{"KQ31B", "0x1a", "fail"}));
        QCOMPARE(rows[bench.link(1)].last(), QStringLiteral("the MCU erase was refused"));
        QCOMPARE(rows[bench.link(2)][3], QStringLiteral("fail"));
        QCOMPARE(rows[bench.link(2)].last(), QStringLiteral("the device went away"));

        const QMap<QString, QJsonObject> records = byPort(bench.report());
        QCOMPARE(records.size(), 3);
        const QJsonObject ok = records[bench.link(0)];
        QVERIFY(
            QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$")
                .match(ok["time"].toString())
                .hasMatch());
        QCOMPARE(ok["command"].toString(), QStringLiteral("update-all"));
        QCOMPARE(ok["model"].toString(), QStringLiteral("KQ31B"));
        QCOMPARE(ok["boot_version"].toString(), QStringLiteral("0x1a"));
        QCOMPARE(ok["result"].toString(), QStringLiteral("ok"));
        QVERIFY(!ok.contains("reason"));
        QVERIFY(ok["seconds"].toDouble() > 0);
        QCOMPARE(ok["mcu_image"].toString(), bench.mcuPath);
        QCOMPARE(ok["mcu_crc"].toString(), hex(imageCrc(bench.mcu)));
        QCOMPARE(ok["mcu_length"].toInt(), bench.mcu.size());
        QCOMPARE(ok["flash_id"].toString(), QStringLiteral("0xef4018"));
        QCOMPARE(ok["flash_name"].toString(), QStringLiteral("W25Q128JV"));
        QCOMPARE(ok["flash_image"].toString(), bench.flashPath);
        QCOMPARE(ok["flash_crc"].toString(), hex(imageCrc(bench.flash)));
        QCOMPARE(ok["flash_length"].toInt(), bench.flash.size());

        // Refused at the erase: the flash image was named but never read, its part never asked.
        const QJsonObject refused = records[bench.link(1)];
        QCOMPARE(refused["result"].toString(), QStringLiteral("fail"));
        QCOMPARE(refused["reason"].toString(), QStringLiteral("the MCU erase was refused"));
        QCOMPARE(refused["mcu_crc"].toString(), hex(imageCrc(bench.mcu)));
        QCOMPARE(refused["flash_image"].toString(), bench.flashPath);
        QVERIFY(!refused.contains("flash_crc") && !refused.contains("flash_id"));

        const QJsonObject pulled = records[bench.link(2)];
        QCOMPARE(pulled["result"].toString(), QStringLiteral("fail"));
        QCOMPARE(pulled["flash_crc"].toString(), hex(imageCrc(bench.flash)));
    }

    // --all takes the chip ports of the map in its order, and no other port. A board that does
    // not answer, first in the map, holds up no other: its record comes last.
    void allTakesEveryChipPort() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QVERIFY(bench.plug(2)); // board 1's port is listed but nothing is plugged in
        bench.board(0).addFault(SimFault::on('K', 0, SimFault::Silence));
        const CliRun run = Run_Cli({"--all", "--report", bench.reportPath(), "probe"},
                                   bench.dir.path(), bench.map(3));
        QCOMPARE(run.status, 1);
        const QMap<QString, QStringList> rows = tableRows(run.out);
        QCOMPARE(rows.keys(), (QStringList{bench.link(0), bench.link(1), bench.link(2)}));
        QCOMPARE(rows[bench.link(0)].mid(1, 3).join(' '), QStringLiteral("unknown - fail"));
        QVERIFY(rows[bench.link(0)].last().startsWith("no known chip answered"));
        QCOMPARE(rows[bench.link(1)].mid(1, 3).join(' '), QStringLiteral("- - fail"));
        QVERIFY(rows[bench.link(1)].last().startsWith("cannot open " + bench.link(1)));
        QCOMPARE(rows[bench.link(2)][3], QStringLiteral("ok"));
        QVERIFY(!run.out.contains("/dev/null"));
        const QList<QJsonObject> records = bench.report();
        QCOMPARE(records.size(), 3);
        QCOMPARE(records.last()["port"].toString(), bench.link(0));

        const CliRun none =
            Run_Cli({"--all", "probe"}, bench.dir.path(), "\\Device\\Serial0=/dev/null");
        QCOMPARE(none.status, 1);
        QVERIFY2(none.err.contains("no chip port"), qPrintable(none.err));
    }

    // Ctrl-C stops every board, as it stops a single one, and the run says it was interrupted.
    void interruptStopsEveryBoard() {
        BenchRig bench;
        for (int i : {0, 1})
            QVERIFY(bench.plug(i, [](SimConfig &c) {
                c.crcProgressStep = 16 * 1024;
                c.crcProgressIntervalMs = 1000; // a check of some seconds
            }));
        CliProcess cli({"--port", bench.link(0), "--port", bench.link(1), "--report",
                        bench.reportPath(), "update-flash", bench.flashPath},
                       bench.dir.path());
        const auto inCheck = [&](int i) {
            const QVector<SimFrame> frames = bench.board(i).received();
            return !frames.isEmpty() && frames.last().name == QLatin1String("n");
        };
        QTRY_VERIFY_WITH_TIMEOUT(inCheck(0) && inCheck(1), 20000);
        cli.interrupt();
        const CliRun run = cli.finish(20000);
        QCOMPARE(run.status, 130);
        const QMap<QString, QStringList> rows = tableRows(run.out);
        QCOMPARE(rows.size(), 2);
        for (const QStringList &row : rows)
            QCOMPARE(row[3], QStringLiteral("interrupted"));
        const QList<QJsonObject> records = bench.report();
        QCOMPARE(records.size(), 2);
        for (const QJsonObject &r : records) {
            QCOMPARE(r["result"].toString(), QStringLiteral("interrupted"));
            QVERIFY(!r.contains("reason"));
        }
    }

    // A report that takes no record (a full disk) fails the run, however well the boards did,
    // and the end says how many records were lost and why in the system's words.
    void lostRecordsFailTheRun_data() {
        QTest::addColumn<int>("boards");
        QTest::newRow("single board") << 1;
        QTest::newRow("gang") << 2;
    }
    void lostRecordsFailTheRun() {
        QFETCH(int, boards);
        BenchRig bench;
        QStringList arguments{"--report", "/dev/full", "probe"};
        for (int i = 0; i < boards; ++i) {
            QVERIFY(bench.plug(i));
            arguments << "--port" << bench.link(i);
        }
        const CliRun run = Run_Cli(arguments, bench.dir.path());
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.endsWith(QStringLiteral("tessara-cli: %1 lost: the report \"/dev/full\" "
                                                 "could not be written (no space left on device)\n")
                                      .arg(boards == 1 ? "1 record" : "2 records")),
                 qPrintable(run.err));
        if (boards > 1)
            for (const QStringList &row : tableRows(run.out))
                QCOMPARE(row[3], QStringLiteral("ok"));
    }

    // Every board named gets a row and a record, a board that is absent included; one device
    // under two names runs nowhere; a name is shown with its control characters escaped.
    void boardsByTheirNames_data() {
        QTest::addColumn<QString>("naming");
        QTest::newRow("absent serial number") << "absent";
        QTest::newRow("one device, two names") << "twice";
        QTest::newRow("control characters in a name") << "control";
    }
    void boardsByTheirNames() {
        QFETCH(QString, naming);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const QString target = QFileInfo(bench.link(0)).symLinkTarget();
        QVERIFY(!target.isEmpty());
        const QString other = naming == "absent"  ? QStringLiteral("serial:NO-SUCH-BOARD")
                              : naming == "twice" ? target
                                                  : bench.path("kq\x1b[2J\r9");
        const CliRun run = Run_Cli(
            {"--port", bench.link(0), "--port", other, "--report", bench.reportPath(), "probe"},
            bench.dir.path());
        const QList<QJsonObject> records = bench.report();
        if (naming == "twice") {
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.contains(QStringLiteral("%1 and %2 name one device: name each board "
                                                     "once")
                                          .arg(bench.link(0), target)),
                     qPrintable(run.err));
            QVERIFY(bench.board(0).received().isEmpty()); // nothing was sent
            QVERIFY(records.isEmpty());
            return;
        }
        QCOMPARE(run.status, 1);
        const QString shown = naming == "absent" ? other : bench.path("kq\\x1b[2J\\x0d9");
        const QMap<QString, QStringList> rows = tableRows(run.out);
        QCOMPARE(rows.keys(), (QStringList{bench.link(0), shown}));
        QCOMPARE(rows[bench.link(0)][3], QStringLiteral("ok"));
        QCOMPARE(rows[shown][3], QStringLiteral("fail"));
        QVERIFY(!run.out.contains(QChar(0x1b)) && !run.out.contains('\r'));
        QStringList named{bench.link(0), other};
        named.sort();
        QCOMPARE(byPort(records).keys(), named);
        QCOMPARE(byPort(records)[other]["result"].toString(), QStringLiteral("fail"));
        if (naming == "absent")
            QVERIFY2(rows[shown].last().contains("NO-SUCH-BOARD"), qPrintable(run.out));
    }

    // A single board prints what it always printed; the report only adds its record to the
    // file, after what the file held.
    void singleBoardWithAReport() {
        BenchRig bench;
        QVERIFY(bench.plug(0));
        QFile earlier(bench.reportPath());
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("{\"earlier\":1}\n") > 0);
        earlier.close();

        const CliRun plain = Run_Cli({"probe", "--port", bench.link(0)}, bench.dir.path());
        const CliRun recorded = Run_Cli(
            {"probe", "--port", bench.link(0), "--report", bench.reportPath()}, bench.dir.path());
        QCOMPARE(recorded.status, 0);
        QCOMPARE(recorded.out, plain.out);
        QCOMPARE(recorded.out, QStringLiteral("Port: %1\nKQ31B Boot_Version:1a\nMCU type: KQ31B\n")
                                   .arg(bench.link(0)));
        QCOMPARE(recorded.err, QString());

        const QList<QJsonObject> records = bench.report();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[0]["earlier"].toInt(), 1);
        const QJsonObject probe = records[1];
        QCOMPARE(probe["port"].toString(), bench.link(0));
        QCOMPARE(probe["command"].toString(), QStringLiteral("probe"));
        QCOMPARE(probe["result"].toString(), QStringLiteral("ok"));
        QVERIFY(!probe.contains("mcu_image") && !probe.contains("flash_image") &&
                !probe.contains("flash_id"));
    }
};

QTEST_GUILESS_MAIN(CliGangTest)
#include "test_cli_gang.moc"
