// The log panel, the message box and the timing helpers the protocol uses.
#include "serial/timing.h"
#include "support/window_rig.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTextEdit>
#include <QtTest>
#include <limits>
#include <thread>

class AppLogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qputenv("TESSARA_SERIALCOMM", ""); }

    void timeStampFollowsTheBootLoaderFormula_data() {
        QTest::addColumn<QDateTime>("local");
        QTest::addColumn<int>("stamp");
        QTest::newRow("15 March 2024 10:20:30.250")
            << QDateTime(QDate(2024, 3, 15), QTime(10, 20, 30, 250)) << 4449630;
        QTest::newRow("year 2000 makes the milliseconds vanish")
            << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0, 999)) << 1036800 + 86400;
        QTest::newRow("latest of a late year")
            << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59, 999))
            << 12 * 1036800 + 23 * 3600 + 59 + 31 * 86400 + 59 * 60 + 99 * 999;
    }

    void timeStampFollowsTheBootLoaderFormula() {
        QFETCH(QDateTime, local);
        QFETCH(int, stamp);
        QCOMPARE(Time_Stamp(local), int32_t(stamp));
    }

    void logTimeTextHasNoLeadingZeros_data() {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("08:00:05") << QTime(8, 0, 5) << "Timer:8:0:5";
        QTest::newRow("09:05:07") << QTime(9, 5, 7) << "Timer:9:5:7";
        QTest::newRow("14:30:59") << QTime(14, 30, 59) << "Timer:14:30:59";
        QTest::newRow("midnight") << QTime(0, 0, 0) << "Timer:0:0:0";
    }

    void logTimeTextHasNoLeadingZeros() {
        QFETCH(QTime, time);
        QFETCH(QString, text);
        QCOMPARE(Log_Time_Text(time), text);
    }

    void logTimeAppendsTheCurrentTime() {
        WindowRig rig;
        MainWindow &w = rig.start();
        const QTime before = QTime::currentTime();
        w.Log_Time();
        const QTime after = QTime::currentTime();
        const QString line = rig.log().last();
        const auto m = QRegularExpression("^Timer:(\\d{1,2}):(\\d{1,2}):(\\d{1,2})$").match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        const QTime logged(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        QVERIFY(logged >= QTime(before.hour(), before.minute(), before.second()));
        QVERIFY(logged <= after);
    }

    void delayWaitsAtLeastItsTime_data() {
        QTest::addColumn<int>("us");
        for (int us : {1, 19, 21, 60, 125, 130, 2000})
            QTest::addRow("%d us", us) << us;
    }

    // Never early, however the sleep in it is tuned to the wake-ups seen so far: many waits in a
    // row, on this thread and on another at the same time.
    void delayWaitsAtLeastItsTime() {
        QFETCH(int, us);
        const auto shortest = [us] {
            qint64 least = std::numeric_limits<qint64>::max();
            for (int i = 0; i < 200; ++i) {
                QElapsedTimer clock;
                clock.start();
                Delay_us(us);
                least = std::min(least, clock.nsecsElapsed());
            }
            return least;
        };
        qint64 other = 0;
        std::thread second([&] { other = shortest(); });
        const qint64 here = shortest();
        second.join();
        QVERIFY2(here >= us * 1000, qPrintable(QString::number(here)));
        QVERIFY2(other >= us * 1000, qPrintable(QString::number(other)));
    }

    void showMessageIsACriticalBoxWithOkOnly() {
        WindowRig rig;
        MainWindow &w = rig.start();
        w.Show_Message("Time over!");
        // Recorded before it was answered, so the call returned only after OK.
        QCOMPARE(rig.boxes.boxes.size(), 1);
        const MessageBoxResponder::Box &box = rig.boxes.boxes[0];
        QCOMPARE(box.title, QString("Message"));
        QCOMPARE(box.text, QString("Time over!"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(box.hasParent);
    }

    void logLinesAreShownAsWritten() {
        WindowRig rig;
        MainWindow &w = rig.start();
        w.clearLog();
        QVERIFY(rig.log().isEmpty());
        const QStringList lines = {"Update MCU is OK!!!!!!", "", "<b>not bold</b> & <i>",
                                   "Flash Name: W25Q<128>", "  two leading blanks"};
        for (const QString &line : lines)
            w.logLine(line);
        QCOMPARE(rig.log(), lines);
        w.logLine("last");
        QCOMPARE(rig.log().size(), lines.size() + 1);
    }
};

QTEST_MAIN(AppLogTest)
#include "test_app_log.moc"
