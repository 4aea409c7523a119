// The chip pulled out in the middle of an MCU update and of a flash update, in the real window:
// the update fails clearly, the port is closed with the buttons disabled, and the returning chip
// is found and identified again by the port scan, which waits for it quietly.
#include "protocol/bytes.h"
#include "sim/sim_device.h"
#include "support/window_rig.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray pattern(int length, int seed) {
    QByteArray b(length, '\0');
    for (int i = 0; i < length; ++i)
        b[i] = char((i * 29 + seed + i / 241) & 0xFF);
    return b;
}

QByteArray mcuImage() {
    QByteArray image = pattern(6000, 3);
    Put_Le32(reinterpret_cast<uint8_t *>(image.data()) + 4, 0x08008100);
    return image;
}

int countLines(const QStringList &log, const QString &text) {
    int n = 0;
    for (const QString &line : log)
        n += line.startsWith(text);
    return n;
}

} // namespace

class DeviceLossTest : public QObject {
    Q_OBJECT

  private slots:
    void deviceLostMidUpdate_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<bool>("flash");
        QTest::addColumn<QString>("failLine");
        // The second MCU block, the last flash block.
        QTest::newRow("mcu update") << 'J' << 2 << false << "Update MCU is fail.....";
        QTest::newRow("flash update") << 'l' << 2 << true << "Update flash is fail.....";
    }

    void deviceLostMidUpdate() {
        QFETCH(char, letter);
        QFETCH(int, occurrence);
        QFETCH(bool, flash);
        QFETCH(QString, failLine);

        QTemporaryDir linkDir;
        SimConfig config;
        SimConfig::forModel(QStringLiteral("KQ31B"), &config);
        config.linkPath = linkDir.filePath(QStringLiteral("ttyKQ"));
        SimDevice sim(config);
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));
        qputenv("TESSARA_SERIALCOMM", ("\\Device\\USBSER000=" + config.linkPath).toLocal8Bit());

        WindowRig rig;
        rig.dir.write(QStringLiteral("Flash.ini"), "0xEF4018,4096,4096,W25Q128JV,\n");
        MainWindow &w = rig.start();
        w.Timer1_Out_Event();
        QVERIFY(rig.idle());
        QVERIFY(w.isPortOpen());
        QCOMPARE(rig.child<QLineEdit>("lineEdit_McuType")->text(), QStringLiteral("KQ31B"));
        rig.child<QLineEdit>("lineEdit_MCU")
            ->setText(rig.dir.write(QStringLiteral("app.bin"), mcuImage()));
        rig.child<QLineEdit>("lineEdit_Flash")
            ->setText(rig.dir.write(QStringLiteral("flash.img"), pattern(40000, 7)));

        // Gone without answering, back on a new pseudo-terminal after several looks of the scan.
        // The map lists the port by path: no notification says that it left or came back.
        sim.addFault(SimFault::on(letter, occurrence, SimFault::Vanish, 1600));
        const int appearances = sim.appearances();
        if (flash)
            w.on_pushButton_UpdateFlash_clicked();
        else
            w.on_pushButton_UpdateMCU_clicked();
        QVERIFY(rig.idle());

        const QStringList log = rig.log();
        QVERIFY2(log.contains(failLine), qPrintable(log.join('\n')));
        QVERIFY(!log.contains(QStringLiteral("Update MCU is OK!!!!!!")));
        QVERIFY(!log.contains(QStringLiteral("Update flash is OK!!!!!!")));
        QVERIFY(countLines(log, QStringLiteral("Lost the device on ")) == 1);
        // The device is reported gone, not slow.
        QVERIFY(!rig.boxes.texts().contains(QStringLiteral("Time over!")));
        QVERIFY(!w.isBusy());
        QVERIFY(!w.isPortOpen());
        QCOMPARE(rig.child<QPushButton>("pushButton_OpenCom")->text(), QStringLiteral("Open Comm"));
        // Nothing can be done without the chip: the failed update left every button disabled.
        QVERIFY(rig.enabledActionButtons().isEmpty());

        // The chip comes back: the scan opens it and the probe identifies it again.
        rig.child<QLineEdit>("lineEdit_McuType")->clear();
        QVERIFY(sim.waitForPresence(true, 3000));
        QCOMPARE(sim.appearances(), appearances + 1);
        QTRY_VERIFY_WITH_TIMEOUT(w.isPortOpen(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.child<QLineEdit>("lineEdit_McuType")->text(),
                                  QStringLiteral("KQ31B"), 5000);
        QCOMPARE(rig.child<QPushButton>("pushButton_OpenCom")->text(),
                 QStringLiteral("Close Comm"));
        QCOMPARE(rig.enabledActionButtons(), WindowRig::actionButtons().mid(1));
        // A chip that is simply gone is no failure to open.
        QVERIFY2(!rig.boxes.texts().contains(QStringLiteral("Open fail")),
                 qPrintable(rig.boxes.texts().join('|')));

        // And the update now goes through.
        if (flash)
            w.on_pushButton_UpdateFlash_clicked();
        else
            w.on_pushButton_UpdateMCU_clicked();
        QVERIFY(rig.idle());
        QVERIFY2(rig.log().contains(flash ? QStringLiteral("Update flash is OK!!!!!!")
                                          : QStringLiteral("Update MCU is OK!!!!!!")),
                 qPrintable(rig.log().join('\n')));
        rig.stop();
    }
};

QTEST_MAIN(DeviceLossTest)
#include "test_device_loss.moc"
