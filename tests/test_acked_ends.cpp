// The ends a report owes the broker, read from real files: how far a report is read, what is not
// a record, and which reports beside a run's own still owe ends.
#include "line/acked_ends.h"
#include "line/earlier_reports.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool writeFile(const QString &path, const QByteArray &text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

bool touchAt(const QString &path, const QDateTime &time) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(time, QFileDevice::FileModificationTime);
}

} // namespace

class AckedEndsTest : public QObject {
    Q_OBJECT

  private slots:
    // What a report owes past its cursor, with a bound on the bytes read; acknowledging all of
    // it leaves nothing owed after a reopen, a line too long to be a record passed over.
    void owedRecords_data() {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<QList<QByteArray>>("owed");
        const QByteArray a = "{\"a\":1}\n", b = "{\"b\":2}\n";
        const QByteArray huge = QByteArray(70 * 1024, 'x') + '\n';
        QTest::newRow("all") << a + b << qint64(1 << 20) << QList<QByteArray>{a, b};
        QTest::newRow("a line still being written")
            << a + "{\"c\"" << qint64(1 << 20) << QList<QByteArray>{a};
        QTest::newRow("too long to be a record")
            << a + huge + b << qint64(1 << 20) << QList<QByteArray>{a, b};
        QTest::newRow("bounded: the rest waits")
            << a + b << qint64(a.size()) << QList<QByteArray>{a};
        QTest::newRow("bounded within a long line")
            << a + huge + b << qint64(a.size() + 1000) << QList<QByteArray>{a};
    }
    void owedRecords() {
        QFETCH(QByteArray, report);
        QFETCH(qint64, maxBytes);
        QFETCH(QList<QByteArray>, owed);
        QTemporaryDir dir;
        const QString path = dir.filePath("report.jsonl");
        QVERIFY(writeFile(AckedEnds::ackedPathOf(path), "0\n"));
        QVERIFY(writeFile(path, report));
        AckedEnds ends;
        QString error;
        QVERIFY2(ends.open(path, error), qPrintable(error));
        QCOMPARE(ends.owed(maxBytes), owed);
        for (const QByteArray &record : ends.owed())
            QVERIFY2(ends.acknowledged(record, error), qPrintable(error));
        AckedEnds again;
        QVERIFY2(again.open(path, error), qPrintable(error));
        QCOMPARE(again.owed(), QList<QByteArray>{});
    }

    // Which reports beside the current one owe ends: published ones (with an acknowledgements
    // file) that grew past their cursor, regular files only, the oldest first, at most `limit`.
    void earlierReportsThatOwe() {
        QTemporaryDir dir;
        const QDateTime day = QDateTime::currentDateTime().addDays(-5);
        const QByteArray record = "{\"station\":\"st\"}\n";
        const auto report = [&](const QString &name, const QByteArray &cursor, int age) {
            const QString path = dir.filePath(name);
            return writeFile(path, record) && writeFile(AckedEnds::ackedPathOf(path), cursor) &&
                   touchAt(path, day.addSecs(-age));
        };
        QVERIFY(report("station-3.jsonl", "0\n", 100));
        QVERIFY(report("station-1.jsonl", "0\n", 300));
        QVERIFY(report("station-2.jsonl", "0\n", 200));
        QVERIFY(report("all-acknowledged.jsonl", QByteArray::number(record.size()) + '\n', 400));
        QVERIFY(report("not-a-cursor.jsonl", "junk\n", 500));
        QVERIFY(report("current.jsonl", "0\n", 600));
        QVERIFY(writeFile(dir.filePath("never-published.jsonl"), record));
        QVERIFY(QFile::link(dir.filePath("station-1.jsonl"), dir.filePath("link.jsonl")));
        QVERIFY(writeFile(dir.filePath("link.jsonl.mqtt-acked"), "0\n"));
        QVERIFY(writeFile(dir.filePath("gone.jsonl.mqtt-acked"), "0\n"));
        QVERIFY(QDir(dir.path()).mkdir("folder.jsonl"));
        QVERIFY(writeFile(dir.filePath("folder.jsonl.mqtt-acked"), "0\n"));

        const QString current = dir.filePath("current.jsonl");
        const QStringList all{dir.filePath("station-1.jsonl"), dir.filePath("station-2.jsonl"),
                              dir.filePath("station-3.jsonl")};
        QCOMPARE(Earlier_OwingReports(current), all);
        QCOMPARE(Earlier_OwingReports(current, 2), all.mid(0, 2));
        // A current report that does not exist yet (the first run of a day) changes nothing.
        QCOMPARE(Earlier_OwingReports(dir.filePath("new-day.jsonl")),
                 QStringList{dir.filePath("current.jsonl")} + all);
    }
};

QTEST_GUILESS_MAIN(AckedEndsTest)
#include "test_acked_ends.moc"
