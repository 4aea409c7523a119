// A run stopped while the chip works on a long command (the whole erase, the flash CRC, a block)
// leaves the chip busy: it answers nothing new until it is done, then sends its late reply. The
// next run, started at once, waits for the chip, sets the late replies aside and writes the
// board correctly.
#include "support/bench_rig.h"
#include "support/cli_process.h"

#include <QtTest>
#include <csignal>
#include <functional>

namespace {

using Tune = std::function<void(SimConfig &)>;

} // namespace

Q_DECLARE_METATYPE(Tune)

class CliBusyChipTest : public QObject {
    Q_OBJECT

  private slots:
    void nextRunWaitsForTheChip_data();
    void nextRunWaitsForTheChip();
};

void CliBusyChipTest::nextRunWaitsForTheChip_data() {
    QTest::addColumn<Tune>("tune");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("stopOn");   // the frame whose arrival the stop follows
    QTest::addColumn<int>("stopAfter");    // how many of them
    QTest::addColumn<int>("signal");       // SIGTERM: a stop; SIGKILL: the program is gone
    QTest::addColumn<QString>("waitLine"); // how the next run says it waits ("": may not)
    QTest::addColumn<bool>("lateReplies"); // the next run must meet late replies

    const QString marked = "The chip may still be busy with %1 of a stopped run";
    // Each keeps the chip busy for seconds, longer than a handshake waits.
    QTest::newRow("whole erase") << Tune([](SimConfig &c) { c.flashEraseMs = 3000; })
                                 << QStringList{"--erase-whole"} << "h" << 1 << int(SIGTERM)
                                 << marked.arg("the whole flash erase") << true;
    const Tune slowCrc = [](SimConfig &c) {
        c.crcUsPerKiB = 40000; // 70 KB: about 3 s, a progress report every 8 KiB
        c.crcProgressStep = 8192;
    };
    QTest::newRow("flash CRC") << slowCrc << QStringList{} << "n" << 1 << int(SIGTERM)
                               << marked.arg("the flash CRC check") << true;
    // Killed, it leaves no word: the chip's progress reports show it is still working.
    QTest::newRow("flash CRC, killed")
        << slowCrc << QStringList{} << "n" << 1 << int(SIGKILL) << QString() << true;
    // A block keeps the chip under a second: it may be done before the next run asks.
    QTest::newRow("block write") << Tune([](SimConfig &c) { c.pageProgramUs = 6000; })
                                 << QStringList{} << "l" << 2 << int(SIGTERM) << QString() << false;
}

void CliBusyChipTest::nextRunWaitsForTheChip() {
    QFETCH(Tune, tune);
    QFETCH(QStringList, options);
    QFETCH(QString, stopOn);
    QFETCH(int, stopAfter);
    QFETCH(int, signal);
    QFETCH(QString, waitLine);
    QFETCH(bool, lateReplies);
    BenchRig bench;
    // The marks a stopped run leaves stay with this bench.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(bench.dir.path()));
    SimDevice *chip = bench.plug(0, tune);
    QVERIFY(chip);
    const QStringList update = QStringList{"--port", bench.link(0)} + options +
                               QStringList{"update-flash", bench.flashPath};

    CliRunOptions stop;
    stop.signal = signal;
    stop.interruptWhen = [&] { return bench.framesReceived(0, stopOn) >= stopAfter; };
    const CliRun stopped = Run_Cli(update, bench.dir.path(), stop);
    QCOMPARE(stopped.status, signal == SIGKILL ? -1 : 128 + signal);
    if (signal != SIGKILL) QVERIFY2(stopped.err.contains("interrupted"), qPrintable(stopped.err));
    const int framesBefore = chip->receivedCount();

    const CliRun next = Run_Cli(update, bench.dir.path());

    QVERIFY2(next.status == 0, qPrintable(next.out + next.err));
    QVERIFY2(next.out.contains("Update flash is OK!!!!!!"), qPrintable(next.out));
    QCOMPARE(chip->externalFlash(0, bench.flash.size()), bench.flash);
    if (!waitLine.isEmpty()) QVERIFY2(next.out.contains(waitLine), qPrintable(next.out));
    if (lateReplies) QVERIFY2(next.out.contains("late repl"), qPrintable(next.out));
    // The chip was asked who it is once: the late replies were not taken for answers.
    QVector<SimFrame> frames = chip->received().mid(framesBefore);
    QVERIFY(!frames.isEmpty());
    QCOMPARE(frames.first().name, QString("K"));
    QVERIFY2(!next.out.contains("Time over!") && !next.err.contains("Time over!"),
             qPrintable(next.out + next.err));
    // Nothing the stopped run left behind makes a third run wait.
    const CliRun third = Run_Cli(update, bench.dir.path());
    QCOMPARE(third.status, 0);
    QVERIFY2(!third.out.contains("may still be busy"), qPrintable(third.out));
}

QTEST_GUILESS_MAIN(CliBusyChipTest)
#include "test_cli_busy_chip.moc"
