// The report under faults of the disk and the file system: a record that cannot be written whole
// is counted as lost with the system's reason and taken back out, so that the records before it
// and the next one (written as by another process) stay lines of valid JSON. A real small disk
// (a tmpfs, when this user may mount one) fills up; the failures it cannot show (a short write
// that the rest completes, an I/O error, a failed sync, a file that cannot be cut back) come from
// the file calls the report is given.
#include "jobs/board_report.h"
#include "support/small_disk.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

namespace {

// What the disk does to the next record, once armed.
struct Disk {
    bool armed = false;
    int writes = 0;
    qint64 shortAfter = -1; // the first write stops after so many bytes...
    int thenError = 0;      // ... and the next fails so (0: it completes the record)
    int writeError = 0;     // the first write fails at once
    int syncError = 0;
    int truncateError = 0;
    int reserveError = 0;
};

int failWith(int error) {
    errno = error;
    return -1;
}

ReportFileCalls through(Disk &disk) {
    const ReportFileCalls system = ReportFileCalls::system();
    ReportFileCalls calls = system;
    calls.write = [&disk, system](int fd, const char *data, qint64 size) -> qint64 {
        if (!disk.armed) return system.write(fd, data, size);
        const int call = disk.writes++;
        if (call == 0 && disk.writeError) return failWith(disk.writeError);
        if (call == 0 && disk.shortAfter >= 0)
            return system.write(fd, data, std::min(size, disk.shortAfter));
        if (call == 1 && disk.thenError) return failWith(disk.thenError);
        return system.write(fd, data, size);
    };
    calls.sync = [&disk, system](int fd) {
        return disk.armed && disk.syncError ? failWith(disk.syncError) : system.sync(fd);
    };
    calls.truncate = [&disk, system](int fd, qint64 size) {
        return disk.armed && disk.truncateError ? failWith(disk.truncateError)
                                                : system.truncate(fd, size);
    };
    calls.reserve = [&disk, system](int fd, qint64 offset, qint64 size) {
        return disk.armed && disk.reserveError ? failWith(disk.reserveError)
                                               : system.reserve(fd, offset, size);
    };
    return calls;
}

QByteArray recordOf(const QString &port) {
    JobResult o;
    o.chip = ChipIdentity{Find_ChipModelByName("KQ31B"), 0x1A};
    o.mcuImage = BoardImage{QStringLiteral("/srv/app.bin"), 0x89ABCDEF, 30000, {}};
    return Board_ReportLine(o, port, QStringLiteral("update-mcu"), QDateTime::currentDateTime());
}

// One line of valid JSON of exactly `length` bytes with its newline.
QByteArray paddingLine(int length) {
    return "{\"pad\":\"" + QByteArray(length - 11, 'x') + "\"}\n";
}

} // namespace

class ReportFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void recordFaults_data();
    void recordFaults();
    void trialAppend_data();
    void trialAppend();
};

void ReportFaultsTest::recordFaults_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("appended");
    QTest::addColumn<QString>("reason");
    // What the file holds afterwards, line by line: the record written before the fault, the
    // faulty record, the one written after it by another writer, a piece of the faulty record,
    // a line torn by a writer that died.
    QTest::addColumn<QStringList>("lines");
    const QStringList keptOut{"before", "after"};
    QTest::newRow("short write that the rest completes")
        << "short" << true << "" << QStringList{"before", "record", "after"};
    QTest::newRow("short write, then an I/O error")
        << "short, eio" << false << "input/output error" << keptOut;
    QTest::newRow("no space at once") << "enospc" << false << "no space left on device" << keptOut;
    QTest::newRow("sync fails: taken back out")
        << "sync eio" << false << "input/output error" << keptOut;
    QTest::newRow("cannot be cut back (append-only file): the line is ended")
        << "short, enospc, no truncate" << false << "no space left on device"
        << QStringList{"before", "piece", "after"};
    QTest::newRow("full disk, the record fits in part")
        << "full disk, part" << false << "no space left on device" << keptOut;
    QTest::newRow("full disk, no byte free")
        << "full disk, none" << false << "no space left on device" << keptOut;
    QTest::newRow("report removed: written to a new one")
        << "removed" << true << "" << QStringList{"record", "after"};
    QTest::newRow("report's directory removed")
        << "directory removed" << false << "no such file or directory" << QStringList{"after"};
    QTest::newRow("a line torn by a writer that died")
        << "torn" << true << "" << QStringList{"before", "torn", "record", "after"};
}

void ReportFaultsTest::recordFaults() {
    QFETCH(QString, fault);
    QFETCH(bool, appended);
    QFETCH(QString, reason);
    QFETCH(QStringList, lines);
    QTemporaryDir temporary;
    QString dir = temporary.filePath("reports");
    QVERIFY(QDir().mkpath(dir));
    std::unique_ptr<SmallDisk> disk;
    QMap<QString, QByteArray> lineOf{{"before", recordOf("before")},
                                     {"record", recordOf("record")},
                                     {"after", recordOf("after")},
                                     {"torn", "{\"port\":\"dead"}};
    lineOf["piece"] = lineOf["record"].left(100);
    if (fault.startsWith("full disk")) {
        disk = std::make_unique<SmallDisk>(dir, 64 * 1024);
        if (!disk->ok()) QSKIP(qPrintable("cannot mount a small disk here: " + disk->error()));
        // The record's page has 60 bytes left, or none.
        lineOf["before"] = paddingLine(fault.endsWith("part") ? 4096 - 60 : 4096);
    }
    const QString path = dir + "/bench.jsonl";

    Disk faults;
    BoardReport report(through(faults));
    QVERIFY(report.open(path));
    QVERIFY(report.appendRecord(lineOf["before"]));
    faults.shortAfter = fault.startsWith("short") ? 100 : -1;
    faults.thenError = fault.contains("eio") && fault.startsWith("short") ? EIO
                       : fault.contains("enospc")                         ? ENOSPC
                                                                          : 0;
    faults.writeError = fault == "enospc" ? ENOSPC : 0;
    faults.syncError = fault == "sync eio" ? EIO : 0;
    faults.truncateError = fault.endsWith("no truncate") ? EPERM : 0;
    faults.armed = true;
    if (fault.startsWith("full disk")) QVERIFY(SmallDisk::fill(dir + "/filler"));
    if (fault == "removed") QVERIFY(QFile::remove(path));
    if (fault == "directory removed") QVERIFY(QDir(dir).removeRecursively());
    if (fault == "torn") {
        QFile other(path);
        QVERIFY(other.open(QIODevice::Append) && other.write(lineOf["torn"]) > 0);
    }

    QCOMPARE(report.appendRecord(lineOf["record"]), appended);
    QCOMPARE(report.lostRecords(), appended ? 0 : 1);
    if (!appended) QCOMPARE(report.errorString(), reason);

    // The disk mended, another writer goes on.
    faults.armed = false;
    QFile::remove(dir + "/filler");
    QVERIFY(QDir().mkpath(dir));
    BoardReport another;
    QVERIFY(another.open(path));
    QVERIFY(another.appendRecord(lineOf["after"]));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.endsWith('\n'));
    QStringList found;
    for (const QByteArray &line : text.split('\n')) {
        if (line.isEmpty()) continue;
        const QString name = lineOf.key(line + '\n', lineOf.key(line, "unknown"));
        found.append(name);
        if (name != "piece" && name != "torn")
            QVERIFY2(QJsonDocument::fromJson(line).isObject(), line.constData());
    }
    QCOMPARE(found, lines);
}

// The trial before the first board: it says whether a record would be taken now (room set aside
// on the disk, or else a blank line written and cut back), loses no record and leaves the file as
// it was (a blank line where neither can be done); a disk that fails it still takes the records
// once mended.
void ReportFaultsTest::trialAppend_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason"); // empty: taken
    QTest::newRow("room") << ""
                          << "";
    QTest::newRow("full disk, less than a record left in its page") << "full disk"
                                                                    << "no space left on device";
    QTest::newRow("full disk that sets no room aside: a blank line tried")
        << "full disk, no reserve"
        << "no space left on device";
    QTest::newRow("a device that is always full") << "/dev/full"
                                                  << "no space left on device";
    QTest::newRow("sync fails") << "sync eio"
                                << "input/output error";
    QTest::newRow("no room set aside nor cut back: a blank line stays") << "no reserve, no truncate"
                                                                        << "";
}

void ReportFaultsTest::trialAppend() {
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    QTemporaryDir temporary;
    const QString dir = temporary.filePath("reports");
    QVERIFY(QDir().mkpath(dir));
    std::unique_ptr<SmallDisk> disk;
    if (fault.startsWith("full disk")) {
        disk = std::make_unique<SmallDisk>(dir, 64 * 1024);
        if (!disk->ok()) QSKIP(qPrintable("cannot mount a small disk here: " + disk->error()));
    }
    const QString path = dir + "/bench.jsonl";
    // On the small disk, 60 bytes left in the last page: a record needs one more page.
    const QByteArray before =
        fault.startsWith("full disk") ? paddingLine(4096 - 60) : recordOf("before");
    Disk faults;
    BoardReport report(through(faults));
    if (fault == "/dev/full") {
        QVERIFY(QFile::link("/dev/full", path));
    } else {
        QVERIFY(report.open(path));
        QVERIFY(report.appendRecord(before));
    }
    QVERIFY(report.open(path));
    faults.syncError = fault == "sync eio" ? EIO : 0;
    faults.truncateError = fault.endsWith("no truncate") ? EPERM : 0;
    faults.reserveError = fault.contains("no reserve") ? ENOSYS : 0;
    faults.armed = true;
    if (fault.startsWith("full disk")) QVERIFY(SmallDisk::fill(dir + "/filler"));

    QCOMPARE(report.tryAppend(), reason.isEmpty());
    if (!reason.isEmpty()) QCOMPARE(report.errorString(), reason);
    QCOMPARE(report.lostRecords(), 0);
    if (fault == "/dev/full") return;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray blank = QByteArray(8191, ' ') + '\n';
    QCOMPARE(file.readAll(), fault.endsWith("no truncate") ? before + blank : before);

    // Mended, the disk takes the next record after those before it, a line of its own.
    faults.armed = false;
    QFile::remove(dir + "/filler");
    const QByteArray after = recordOf("after");
    QVERIFY(report.appendRecord(after));
    QVERIFY(file.seek(0));
    QVERIFY(file.readAll().endsWith('\n' + after));
}

QTEST_GUILESS_MAIN(ReportFaultsTest)
#include "test_report_faults.moc"
