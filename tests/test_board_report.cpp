// The board report: each record one line of JSON with the fields a bench needs, strings escaped
// whatever they hold, and the file only ever appended to.
#include "jobs/board_report.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

JobResult updated() {
    JobResult o;
    o.chip = ChipIdentity{Find_ChipModelByName("KQ31B"), 0x1A};
    o.seconds = 2.5;
    o.mcuImage = BoardImage{QStringLiteral("/srv/app.bin"), 0x89ABCDEF, 30000,
                            QByteArray::fromHex("00ff10ab")};
    o.flashImage = BoardImage{QStringLiteral("/srv/flash.bin"), 0x1234, 4194304, {}};
    o.flashPart = FlashPartFacts{0xEF4018, true, 16777216, QStringLiteral("W25Q128JV")};
    o.mcu = StepState::Ok;
    o.flash = StepState::Ok;
    o.flashBlocks = o.flashBlocksWritten = 64;
    return o;
}

Failure failure(const QString &reason, FailureKind kind = FailureKind::Refused) {
    return Failure{kind, reason};
}

const QDateTime noon(QDate(2024, 3, 15), QTime(12, 0, 5), Qt::OffsetFromUTC, 3600);

QJsonObject recordOf(const JobResult &o, const QString &port = QStringLiteral("ttyACM0")) {
    const QByteArray line = Board_ReportLine(o, port, QStringLiteral("update-all"), noon);
    if (!line.endsWith('\n') || line.count('\n') != 1) return {};
    return QJsonDocument::fromJson(line).object();
}

} // namespace

Q_DECLARE_METATYPE(JobResult)

class BoardReportTest : public QObject {
    Q_OBJECT

  private slots:
    void fieldsOfEachEnding_data() {
        QTest::addColumn<JobResult>("outcome");
        QTest::addColumn<QVariantMap>("expected"); // every field of the record, nothing else

        const QVariantMap common{
            {"time", "2024-03-15T12:00:05+01:00"}, {"port", "ttyACM0"}, {"command", "update-all"}};
        QVariantMap ok = common;
        ok.insert({{"model", "KQ31B"},
                   {"boot_version", "0x1a"},
                   {"result", "ok"},
                   {"seconds", 2.5},
                   {"mcu_image", "/srv/app.bin"},
                   {"mcu_crc", "0x89abcdef"},
                   {"mcu_length", 30000},
                   {"mcu_sha256", "00ff10ab"},
                   {"mcu_result", "ok"},
                   {"flash_id", "0xef4018"},
                   {"flash_name", "W25Q128JV"},
                   {"flash_image", "/srv/flash.bin"},
                   {"flash_crc", "0x1234"},
                   {"flash_length", 4194304},
                   {"flash_result", "ok"},
                   {"flash_blocks_sent", 64},
                   {"flash_blocks", 64}});
        QTest::newRow("updated") << updated() << ok;

        // The MCU done, the flash half written when the device went away.
        JobResult half = updated();
        half.failure = failure(QStringLiteral("the device went away"), FailureKind::DeviceGone);
        half.flash = StepState::Failed;
        half.flashBlocksWritten = 31;
        QVariantMap halfWay = ok;
        halfWay.insert({{"result", "fail"},
                        {"reason", "the device went away"},
                        {"failure", "device_gone"},
                        {"flash_result", "fail"},
                        {"flash_blocks_sent", 31}});
        QTest::newRow("flash half written") << half << halfWay;

        // Refused before the flash image was read and before its part was asked for.
        JobResult refused = updated();
        refused.failure = failure(QStringLiteral("erase refused"));
        refused.flashImage->length = 0;
        refused.flashPart.reset();
        refused.mcu = StepState::Failed;
        refused.flash = StepState::NotStarted;
        refused.flashBlocks = refused.flashBlocksWritten = 0;
        QVariantMap fail = ok;
        fail.insert({{"result", "fail"},
                     {"reason", "erase refused"},
                     {"failure", "refused"},
                     {"mcu_result", "fail"},
                     {"flash_result", "not started"}});
        for (const char *gone : {"flash_crc", "flash_length", "flash_id", "flash_name",
                                 "flash_blocks_sent", "flash_blocks"})
            fail.remove(gone);
        QTest::newRow("failed") << refused << fail;

        JobResult unnamed = refused;
        unnamed.failure = failure(QString());
        QVariantMap fallback = fail;
        fallback["reason"] = "update-all failed";
        QTest::newRow("failed without a reason") << unnamed << fallback;

        JobResult stopped = refused;
        stopped.failure = failure(QStringLiteral("interrupted"), FailureKind::Stopped);
        stopped.mcu = StepState::Interrupted;
        QVariantMap interrupted = fail;
        interrupted["result"] = "interrupted";
        interrupted["mcu_result"] = "interrupted";
        interrupted.remove("reason");
        interrupted.remove("failure");
        QTest::newRow("interrupted") << stopped << interrupted;

        // The port did not open: nothing is known of the chip.
        JobResult closed;
        closed.failure = failure(QStringLiteral("cannot open port \"ttyACM0\""));
        QVariantMap unopened = common;
        unopened.insert({{"model", QVariant()},
                         {"boot_version", QVariant()},
                         {"result", "fail"},
                         {"reason", closed.reason()},
                         {"failure", "refused"},
                         {"seconds", 0}});
        QTest::newRow("port not opened") << closed << unopened;

        JobResult unknown = closed;
        unknown.chip = ChipIdentity(); // the port opened; no known model answered
        unknown.failure = failure(QStringLiteral("no known chip answered"));
        QVariantMap silent = unopened;
        silent["model"] = "unknown";
        silent["reason"] = unknown.reason();
        QTest::newRow("no chip answered") << unknown << silent;
    }

    void fieldsOfEachEnding() {
        QFETCH(JobResult, outcome);
        QFETCH(QVariantMap, expected);
        const QVariantMap actual = recordOf(outcome).toVariantMap();
        QCOMPARE(actual.keys(), expected.keys());
        for (const QString &key : expected.keys())
            QVERIFY2(actual[key] == expected[key] ||
                         (!expected[key].isValid() && actual[key].isNull()),
                     qPrintable(key + ": " + actual[key].toString()));
    }

    // Paths and names come from the file system and from Flash.ini: whatever they hold, the
    // record stays one line of valid JSON that gives them back exactly.
    void stringsAreEscaped() {
        const QString hostile = QStringLiteral("/srv/a \"b\"\\c\n\td\x01 é 板.bin");
        JobResult o = updated();
        o.mcuImage->path = hostile;
        o.flashPart->name = QStringLiteral("W25Q\"x\"");
        const QJsonObject record = recordOf(o, QStringLiteral("COM3\\x"));
        QCOMPARE(record["mcu_image"].toString(), hostile);
        QCOMPARE(record["flash_name"].toString(), o.flashPart->name);
        QCOMPARE(record["port"].toString(), QStringLiteral("COM3\\x"));
    }

    void localTimeCarriesItsOffset() {
        const QDateTime now = QDateTime::currentDateTime();
        const QByteArray line = Board_ReportLine(updated(), "p", "probe", now);
        const QString time = QJsonDocument::fromJson(line).object()["time"].toString();
        QVERIFY2(
            QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$")
                .match(time)
                .hasMatch(),
            qPrintable(time));
        QCOMPARE(QDateTime::fromString(time, Qt::ISODate).toSecsSinceEpoch(),
                 now.toSecsSinceEpoch());
    }

    void fileIsAppendedToNeverTruncated() {
        QTemporaryDir dir;
        const QString path = dir.filePath("bench.jsonl");
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier\n") == 8);
        earlier.close();
        {
            BoardReport report;
            QVERIFY(report.open(path));
            QVERIFY(report.appendRecord("one\n"));
            QVERIFY(report.appendRecord("two\n"));
        }
        BoardReport again;
        QVERIFY(again.open(path));
        QVERIFY(again.appendRecord("three\n"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("earlier\none\ntwo\nthree\n"));

        BoardReport unwritable;
        QVERIFY(!unwritable.open(dir.path()));
        QVERIFY(!unwritable.errorString().isEmpty());
    }
};

QTEST_GUILESS_MAIN(BoardReportTest)
#include "test_board_report.moc"
