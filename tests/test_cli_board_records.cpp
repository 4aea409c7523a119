// A tessara-cli board's record tells who the board is: the USB serial number of its port, as the
// system lists the port (here put in front of the lookup), else null; the record written at the
// run's end carries what was known at its start, the board's port gone or not.
#include "cli/cli_line.h"
#include "jobs/board_report.h"
#include "jobs/board_thread.h"
#include "line/board_lifecycle.h"
#include "line/line_station.h"
#include "support/bench_rig.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QtTest>

class CliBoardRecordsTest : public QObject {
    Q_OBJECT

  private slots:
    void recordsCarryThePortsUsbSerial_data() {
        QTest::addColumn<QString>("listedAs"); // how the system lists the board's port
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QJsonValue>("recorded");
        QTest::newRow("by its device, with a serial") << "device"
                                                      << "KQ0042" << QJsonValue("KQ0042");
        QTest::newRow("by its link, with a serial") << "link"
                                                    << "KQ0043" << QJsonValue("KQ0043");
        QTest::newRow("listed without a serial") << "device"
                                                 << "" << QJsonValue(QJsonValue::Null);
        QTest::newRow("not listed") << ""
                                    << "KQ0044" << QJsonValue(QJsonValue::Null);
    }
    void recordsCarryThePortsUsbSerial() {
        QFETCH(QString, listedAs);
        QFETCH(QString, serial);
        QFETCH(QJsonValue, recorded);
        BenchRig bench;
        QVERIFY(bench.plug(0));
        const QString port = bench.link(0);
        QList<PortIdentity> identities;
        if (!listedAs.isEmpty()) {
            PortIdentity id;
            id.location = listedAs == "link" ? port : QFileInfo(port).canonicalFilePath();
            id.portName = QFileInfo(id.location).fileName();
            id.hasUsbIds = true;
            id.serialNumber = serial;
            identities.append(id);
        }
        BoardReport report;
        QVERIFY(report.open(bench.reportPath()));
        LineStation::Settings settings;
        settings.command = QStringLiteral("probe");
        LineStation line(settings);
        QString error;
        QVERIFY2(line.start(error), qPrintable(error));
        BoardLifecycle lifecycle(line, report, settings.command, {}, {});
        CliRequest request;
        request.command = settings.command;
        JobRequest job;
        job.job = Job::Probe;
        Run_Boards(
            {port}, job,
            [&](BoardThread &board) {
                Cli_BeginBoard(lifecycle, request, {}, &board, &board, port, identities);
            },
            [&](BoardThread &board) { lifecycle.end(port, board.result()); });
        // A board named and not there is no known board.
        JobResult absent;
        absent.failure = Fail(FailureKind::InputUnusable, QStringLiteral("not connected"));
        Cli_AbsentBoard(lifecycle, QStringLiteral("serial:NONE"), absent);

        const QList<QJsonObject> records = bench.report();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[0]["result"].toString(), QStringLiteral("ok"));
        QVERIFY(records[0].contains("usb_serial"));
        QCOMPARE(records[0]["usb_serial"], recorded);
        QVERIFY(records[1].contains("usb_serial"));
        QCOMPARE(records[1]["usb_serial"], QJsonValue(QJsonValue::Null));
    }
};

QTEST_GUILESS_MAIN(CliBoardRecordsTest)
#include "test_cli_board_records.moc"
