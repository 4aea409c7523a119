// The window stays responsive while its board thread works: during a 16 MiB flash update against
// the simulator, a timer on the GUI thread keeps ticking and each tick finds the progress bar
// further on (the benchmark reports how long the ticks waited). Exit during a job stops it and
// closes the window once it has stopped; every way the window goes away, and a power cut, leave a
// line saying what was not completed.
#include "protocol/bytes.h"
#include "sim/sim_device.h"
#include "support/window_rig.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

namespace {

const QByteArray flashIni = "[FLASH]\n0xEF4018,4096,4096,W25Q128JV,\n";

QByteArray pattern(int length) {
    QByteArray image(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        image[i] = char((i * 7 + i / 4093) & 0xFF);
    return image;
}

// A KQ31B whose port the window finds in the map, opened and identified.
struct OpenWindow {
    explicit OpenWindow(const SimConfig &config) : sim(config) {
        if (!sim.start()) qFatal("simulator: %s", qPrintable(sim.errorString()));
        // A link follows the device across a power cut; its pty changes.
        const QString path = sim.linkPath().isEmpty() ? sim.portPath() : sim.linkPath();
        qputenv("TESSARA_SERIALCOMM", ("\\Device\\USBSER000=" + path).toLocal8Bit());
        rig.dir.write(QStringLiteral("Flash.ini"), flashIni);
    }

    bool open(const QByteArray &config) {
        MainWindow &w = rig.start(config);
        w.show();
        w.Timer1_Out_Event();
        return rig.idle() && w.isPortOpen() &&
               rig.child<QLineEdit>("lineEdit_McuType")->text() == QLatin1String("KQ31B");
    }

    SimDevice sim;
    WindowRig rig;
};

SimConfig fastChip() {
    SimConfig config;
    SimConfig::forModel(QStringLiteral("KQ31B"), &config);
    config.flashEraseMs = 0;
    config.keepRecord = false;
    return config;
}

// The line that says what a job left undone, or empty.
QString unfinishedLine(const QStringList &log) {
    for (const QString &line : log)
        if (line.startsWith(QLatin1String("Not completed: "))) return line;
    return QString();
}

// "N of M blocks written" in `line`: {N, M}, {-1, -1} when it says none.
QPair<int, int> blocksWritten(const QString &line) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral(", (\\d+) of (\\d+) blocks written")).match(line);
    return m.hasMatch() ? qMakePair(m.captured(1).toInt(), m.captured(2).toInt())
                        : qMakePair(-1, -1);
}

} // namespace

class AppResponsivenessTest : public QObject {
    Q_OBJECT

  private slots:
    void guiThreadTicksThroughAFlashUpdate() {
        constexpr int Size = 16 * 1024 * 1024;
        OpenWindow chip(fastChip());
        const QByteArray image = pattern(Size);
        const QString path = chip.rig.dir.write(QStringLiteral("flash.bin"), image);
        QVERIFY(chip.open("EWHOLE:0\nNFLASH:0\n./\n" + path.toLocal8Bit() + "\n"));

        // The progress values the GUI thread saw while the job ran: a GUI thread that waited
        // for the writes would see none of them, or only the end.
        auto *bar = chip.rig.child<QProgressBar>("progressBar");
        QSet<int> seenWhileRunning;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] {
            if (chip.rig.window->jobRunning()) seenWhileRunning.insert(bar->value());
        });
        ticker.start(10);
        QTest::mouseClick(chip.rig.child<QPushButton>("pushButton_UpdateFlash"), Qt::LeftButton);
        // Buttons stay disabled while the job runs.
        QVERIFY(chip.rig.enabledActionButtons().isEmpty());
        QVERIFY(chip.rig.idle(300000));
        ticker.stop();
        QVERIFY2(chip.rig.log().contains(QStringLiteral("Update flash is OK!!!!!!")),
                 qPrintable(chip.rig.log().join('|')));
        QCOMPARE(chip.sim.externalFlash(0, Size), image);
        QCOMPARE(chip.rig.enabledActionButtons(), WindowRig::actionButtons().mid(1));
        seenWhileRunning.remove(0);
        seenWhileRunning.remove(100);
        QVERIFY2(seenWhileRunning.size() >= 2,
                 qPrintable(QString::number(seenWhileRunning.size())));
    }

    // Exit during the flash writes: the job stops at the next block, then the window closes.
    void exitStopsTheJobThenCloses() {
        SimConfig config = fastChip();
        config.pageProgramUs = 200; // a few seconds of writing
        OpenWindow chip(config);
        const QString path = chip.rig.dir.write(QStringLiteral("flash.bin"), pattern(4 << 20));
        QVERIFY(chip.open("EWHOLE:0\nNFLASH:0\n./\n" + path.toLocal8Bit() + "\n"));
        MainWindow &w = *chip.rig.window;
        QTest::mouseClick(chip.rig.child<QPushButton>("pushButton_UpdateFlash"), Qt::LeftButton);
        QTRY_VERIFY(chip.rig.log().contains(QStringLiteral("Start to update flash ...")));
        QTest::mouseClick(chip.rig.child<QPushButton>("pushButton_Exit"), Qt::LeftButton);
        QVERIFY(w.isVisible()); // until the job has stopped
        QVERIFY(chip.rig.idle());
        QTRY_VERIFY(!w.isVisible());
        QVERIFY(chip.rig.log().contains(QStringLiteral("Update flash is fail.....")));
        QVERIFY(!chip.rig.log().contains(QStringLiteral("Start to get flash crc...")));
    }

    // A flash update cut short: by each way the window goes away (the stop is safe: the job ends
    // at the next block, the window once it has), or by the device losing its power mid-block
    // (the window takes it back on its return, and the update run again ends ok). Either way the
    // log says which memory was not completed and how far the flash got.
    void cutShortFlashUpdateSaysWhatIsUndone_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("expected"); // the line, blocks left out
        const QString stopped = QStringLiteral("Not completed: flash update interrupted");
        QTest::newRow("Exit") << "exit" << stopped;
        QTest::newRow("window closed") << "close" << stopped;
        QTest::newRow("application quits") << "quit" << stopped;
        QTest::newRow("power cut") << "cut"
                                   << "Not completed: flash update failed (the device went away)";
    }

    void cutShortFlashUpdateSaysWhatIsUndone() {
        QFETCH(QString, how);
        QFETCH(QString, expected);
        constexpr int Size = 4 << 20;
        SimConfig config = fastChip();
        const bool cut = how == QLatin1String("cut");
        if (cut) {
            // The 20th block loses its power half written; the chip is back 200 ms later.
            config.linkPath = QDir::temp().filePath(
                QStringLiteral("tessara-window-cut-%1").arg(QCoreApplication::applicationPid()));
        } else {
            config.pageProgramUs = 200; // a few seconds of writing
        }
        OpenWindow chip(config);
        if (cut) chip.sim.addPowerCut(SimPowerCut::at('l', 20, 50, 200));
        const QByteArray image = pattern(Size);
        const QString path = chip.rig.dir.write(QStringLiteral("flash.bin"), image);
        QVERIFY(chip.open("EWHOLE:0\nNFLASH:0\n./\n" + path.toLocal8Bit() + "\n"));
        MainWindow &w = *chip.rig.window;
        auto *update = chip.rig.child<QPushButton>("pushButton_UpdateFlash");
        QTest::mouseClick(update, Qt::LeftButton);
        QTRY_VERIFY(chip.rig.log().contains(QStringLiteral("Start to update flash ...")));
        if (how == QLatin1String("exit"))
            QTest::mouseClick(chip.rig.child<QPushButton>("pushButton_Exit"), Qt::LeftButton);
        else if (how == QLatin1String("close"))
            w.close();
        else if (how == QLatin1String("quit"))
            w.stopBeforeQuit();
        QVERIFY(chip.rig.idle());
        const QStringList log = chip.rig.log();
        const QString line = unfinishedLine(log);
        QVERIFY2(!line.isEmpty(), qPrintable(log.join('|')));
        QCOMPARE(QString(line).remove(
                     QRegularExpression(QStringLiteral(", \\d+ of \\d+ blocks written"))),
                 expected);
        const QPair<int, int> blocks = blocksWritten(line);
        QCOMPARE(blocks.second, Size / (32 * 1024));
        QVERIFY2(blocks.first > 0 && blocks.first < blocks.second, qPrintable(line));
        QVERIFY(log.contains(QStringLiteral("Update flash is fail.....")));
        QVERIFY(!log.contains(QStringLiteral("Start to get flash crc...")));
        if (!cut) {
            QTRY_VERIFY(!w.isVisible()); // closed once the job had stopped
            QVERIFY(!w.jobRunning());
            return;
        }
        QCOMPARE(blocks.first, 20);
        QCOMPARE(chip.sim.powerCuts(), 1);
        // Back in its boot loader: the window opens it again, and the update is run again.
        QTRY_VERIFY_WITH_TIMEOUT(w.isPortOpen() && update->isEnabled(), 5000);
        chip.rig.window->clearLog();
        QTest::mouseClick(update, Qt::LeftButton);
        QVERIFY(chip.rig.idle(60000));
        QVERIFY2(chip.rig.log().contains(QStringLiteral("Update flash is OK!!!!!!")),
                 qPrintable(chip.rig.log().join('|')));
        QVERIFY(unfinishedLine(chip.rig.log()).isEmpty());
        QCOMPARE(chip.sim.externalFlash(0, Size), image);
    }

    // An MCU write is never cut short: Exit waits for the MCU update to end, and Update All does
    // not go on to the flash.
    void exitLetsTheMcuUpdateEnd() {
        SimConfig config = fastChip();
        config.mcuEraseMs = 300;
        OpenWindow chip(config);
        QByteArray mcu = pattern(60000);
        Put_Le32(reinterpret_cast<uint8_t *>(mcu.data()) + 4, 0x0800A000);
        const QString mcuPath = chip.rig.dir.write(QStringLiteral("app.bin"), mcu);
        const QString flashPath = chip.rig.dir.write(QStringLiteral("flash.bin"), pattern(70000));
        QVERIFY(chip.open("EWHOLE:0\nNFLASH:0\n" + mcuPath.toLocal8Bit() + "\n" +
                          flashPath.toLocal8Bit() + "\n"));
        MainWindow &w = *chip.rig.window;
        QTest::mouseClick(chip.rig.child<QPushButton>("pushButton_UpdateAll"), Qt::LeftButton);
        QVERIFY(w.jobRunning()); // Exit comes during the MCU erase
        QTest::mouseClick(chip.rig.child<QPushButton>("pushButton_Exit"), Qt::LeftButton);
        QVERIFY(chip.rig.idle());
        QTRY_VERIFY(!w.isVisible());
        QVERIFY2(chip.rig.log().contains(QStringLiteral("Update MCU is OK!!!!!!")),
                 qPrintable(chip.rig.log().join('|')));
        QCOMPARE(chip.sim.mcuFlash().mid(0x2000, mcu.size()), mcu);
        QVERIFY(!chip.rig.log().contains(QStringLiteral("Start to update flash ...")));
    }
};

QTEST_MAIN(AppResponsivenessTest)
#include "test_app_responsiveness.moc"
