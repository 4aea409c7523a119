// The whole window against a simulated chip: the port map names the simulator's
// pseudo-terminal, the first scan opens it, the probe identifies the chip, and the buttons reach
// their operations.
#include "protocol/crc32.h"
#include "sim/sim_device.h"
#include "support/window_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

SimConfig chip(const QString &model, uint32_t bootVersion, int bootType = -1) {
    SimConfig config;
    if (!SimConfig::forModel(model, &config)) qFatal("no simulated model %s", qPrintable(model));
    config.bootVersion = bootVersion;
    config.bootType = bootType;
    return config;
}

// Starts the simulator and names its port as the chip's, after another port.
void plugIn(SimDevice &sim) {
    if (!sim.start()) qFatal("simulator: %s", qPrintable(sim.errorString()));
    qputenv("TESSARA_SERIALCOMM",
            ("\\Device\\Serial0=COM1;\\Device\\USBSER000=" + sim.portPath()).toLocal8Bit());
}

const char *const kq580Hint = "If KQ580 update the nand flash, need to select first!";

} // namespace

Q_DECLARE_METATYPE(SimConfig)

class AppEndToEndTest : public QObject {
    Q_OBJECT

  private slots:
    void opensTheChipASecondAfterStart_data() {
        QTest::addColumn<SimConfig>("config");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("versionLine");
        QTest::addColumn<QStringList>("buttons");
        const QStringList allButFlashMode = {"pushButton_OpenCom",     "pushButton_UpdateAll",
                                             "pushButton_UpdateMCU",   "pushButton_CheckMCU",
                                             "pushButton_UpdateFlash", "pushButton_FlashInfo",
                                             "pushButton_CheckFlash",  "pushButton_RunApp"};
        QTest::newRow("KQ31B") << chip("KQ31B", 0x1A) << "KQ31B"
                               << "KQ31B Boot_Version:1a" << allButFlashMode;
        QTest::newRow("KQ3200") << chip("KQ3200", 0x2B) << "KQ3200"
                                << "KQ320 Boot_Version:2b" << allButFlashMode;
        QTest::newRow("KQ47") << chip("KQ47", 0x3C) << "KQ47"
                              << "KQ47 Boot_Version:3c" << allButFlashMode;
        QTest::newRow("KQ580 MCU loader")
            << chip("KQ580", 0x101, 1) << "KQ580"
            << "KQ580 update mcu Boot_Version:101"
            << QStringList{"pushButton_flashMode", "pushButton_OpenCom", "pushButton_UpdateMCU",
                           "pushButton_CheckMCU", "pushButton_RunApp"};
        QTest::newRow("KQ580 flash loader")
            << chip("KQ580", 0x100, 0) << "KQ580"
            << "KQ580 update flash Boot_Version:100"
            << QStringList{"pushButton_OpenCom", "pushButton_UpdateFlash", "pushButton_FlashInfo",
                           "pushButton_CheckFlash"};
    }

    void opensTheChipASecondAfterStart() {
        QFETCH(SimConfig, config);
        QFETCH(QString, name);
        QFETCH(QString, versionLine);
        QFETCH(QStringList, buttons);
        SimDevice sim(config);
        plugIn(sim);
        WindowRig rig;
        QElapsedTimer clock;
        clock.start();
        MainWindow &w = rig.start();
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(w.isPortOpen(), 30000);
        QVERIFY(clock.elapsed() >= 900);
        QTRY_COMPARE(rig.child<QLineEdit>("lineEdit_McuType")->text(), name);

        QCOMPARE(rig.child<QComboBox>("comboBox_Comm")->currentText(), sim.portPath());
        QCOMPARE(rig.child<QPushButton>("pushButton_OpenCom")->text(), QString("Close Comm"));
        QVERIFY2(rig.log().contains(versionLine), qPrintable(rig.log().join('|')));
        QCOMPARE(rig.enabledActionButtons(), buttons);
        // The hint comes after the buttons are enabled, for the KQ580 alone.
        QCOMPARE(rig.log().last() == kq580Hint, name == "KQ580");
        QVERIFY(rig.boxes.boxes.isEmpty());
        QVERIFY(!w.isBusy());
        for (const SimFrame &frame : sim.received()) {
            QCOMPARE(frame.name, QString("K"));
            QVERIFY2(frame.accepted, qPrintable(frame.reason));
        }
    }

    void silentChipIsUnknownButTheButtonsCome() {
        SimDevice sim(chip("KQ31B", 0x1A));
        sim.addFault(SimFault::on('K', 0, SimFault::Silence));
        plugIn(sim);
        WindowRig rig;
        MainWindow &w = rig.start();
        // The box holds the job until it is answered: the probe has not ended while it shows.
        bool runningAtBox = false;
        QString modelAtBox = "not shown";
        rig.boxes.onBox = [&](const MessageBoxResponder::Box &) {
            runningAtBox = w.jobRunning();
            modelAtBox = rig.child<QLineEdit>("lineEdit_McuType")->text();
        };
        QTRY_VERIFY_WITH_TIMEOUT(w.isPortOpen(), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.child<QLineEdit>("lineEdit_McuType")->text(),
                                  QString("unknown"), 5000);
        QCOMPARE(rig.boxes.texts(), QStringList{"Time over!"});
        QVERIFY(runningAtBox);
        QCOMPARE(modelAtBox, QString());
        QCOMPARE(sim.receivedCount(), 1); // one silent handshake ends the probe
        QCOMPARE(rig.child<QPushButton>("pushButton_UpdateMCU")->isEnabled(), true);
    }

    // "Open Comm" clicked while the chip is identified (the probe processes events while it
    // waits) must not close the port under the probe.
    void openCommWaitsForTheIdentification() {
        SimDevice sim(chip("KQ31B", 0x1A));
        sim.addFault(SimFault::on('K', 1, SimFault::Delay, 300));
        plugIn(sim);
        WindowRig rig;
        MainWindow &w = rig.start();
        QStringList enabledMeanwhile{"not looked"};
        QTimer::singleShot(100, &w, [&] {
            enabledMeanwhile = rig.enabledActionButtons();
            w.on_pushButton_OpenCom_clicked();
        });
        w.Timer1_Out_Event();
        QVERIFY(rig.idle());
        QCOMPARE(enabledMeanwhile, QStringList());
        QVERIFY(w.isPortOpen());
        QCOMPARE(rig.child<QLineEdit>("lineEdit_McuType")->text(), QString("KQ31B"));
        QCOMPARE(rig.child<QPushButton>("pushButton_OpenCom")->text(), QString("Close Comm"));
        QCOMPARE(rig.enabledActionButtons(), WindowRig::actionButtons().mid(1));
        QVERIFY(rig.boxes.boxes.isEmpty());
    }

    void buttonsReachTheirOperations() {
        SimDevice sim(chip("KQ31B", 0x1A));
        plugIn(sim);
        WindowRig rig;
        MainWindow &w = rig.start();
        w.Timer1_Out_Event();
        QVERIFY(rig.idle());
        QCOMPARE(rig.child<QLineEdit>("lineEdit_McuType")->text(), QString("KQ31B"));
        sim.clearReceived();

        QTest::mouseClick(rig.child<QPushButton>("pushButton_RunApp"), Qt::LeftButton);
        QVERIFY(rig.idle());
        QVERIFY(sim.waitForFrames(2, 5000));
        const QVector<SimFrame> frames = sim.received();
        QCOMPARE(frames.first().name, QString("K"));
        QCOMPARE(frames.last().name, QString("O"));

        // Update Flash clears the log before it asks for its image.
        QTest::mouseClick(rig.child<QPushButton>("pushButton_UpdateFlash"), Qt::LeftButton);
        QVERIFY(rig.idle());
        QVERIFY(!rig.log().contains("BL_SET = 0"));
        QCOMPARE(rig.boxes.texts().last(), QString("Please input flash code file"));
    }

    void inputButtonReadsTheChosenImage() {
        SimDevice sim(chip("KQ31B", 0x1A));
        plugIn(sim);
        WindowRig rig;
        MainWindow &w = rig.start();
        w.Timer1_Out_Event();
        QVERIFY(rig.idle());
        QByteArray image(4096, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = char(i * 7);
        const QString path = rig.dir.write("app.bin", image);
        QString answer = path;
        w.chooseFile = [&](const QString &, const QString &, const QString &) { return answer; };
        auto *input = rig.child<QPushButton>("pushButton_InputMCUCode");

        QTest::mouseClick(input, Qt::LeftButton);
        const QString label = QString::asprintf(
            "Mcu code,CRC = 0x%x  Len: 4096",
            crc32_calc(reinterpret_cast<const uint8_t *>(image.constData()), size_t(image.size())));
        QCOMPARE(rig.child<QLabel>("label_MCUCRC")->text(), label);
        QVERIFY(rig.boxes.boxes.isEmpty());

        // A file that cannot be read: the "Error" box; the path is taken, the image forgotten.
        answer = rig.dir.filePath("missing.bin");
        QTest::mouseClick(input, Qt::LeftButton);
        QCOMPARE(rig.boxes.boxes.size(), 1);
        QCOMPARE(rig.boxes.boxes[0].title, QString("Error"));
        QCOMPARE(rig.boxes.boxes[0].text, QString("Read fail,please check the path!"));
        QCOMPARE(rig.boxes.boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(rig.child<QLineEdit>("lineEdit_MCU")->text(), answer);
        QCOMPARE(w.choices().mcuFilePath, answer);
        QCOMPARE(rig.child<QLabel>("label_MCUCRC")->text(), QString("Mcu code,CRC = 0x0  Len: 0"));
    }

    // An empty image, chosen with the Input buttons: every update and check refuses it with a
    // box, and nothing is sent; the whole-flash erase is not started either.
    void emptyImagesSendNothing() {
        SimDevice sim(chip("KQ31B", 0x1A));
        plugIn(sim);
        WindowRig rig;
        rig.dir.write("Flash.ini", "[FLASH]\n0xEF4018,4096,4096,W25Q128JV,\n");
        MainWindow &w = rig.start();
        w.Timer1_Out_Event();
        QVERIFY(rig.idle());
        QCOMPARE(rig.child<QLineEdit>("lineEdit_McuType")->text(), QString("KQ31B"));
        const QString empty = rig.dir.write("empty.bin", QByteArray());
        w.chooseFile = [&](const QString &, const QString &, const QString &) { return empty; };
        QTest::mouseClick(rig.child<QPushButton>("pushButton_InputMCUCode"), Qt::LeftButton);
        QTest::mouseClick(rig.child<QPushButton>("pushButton_InputFlashCode"), Qt::LeftButton);
        rig.child<QCheckBox>("checkBox_EraseWhole")->setChecked(true);
        sim.clearReceived();

        for (const char *button :
             {"pushButton_UpdateMCU", "pushButton_CheckMCU", "pushButton_UpdateFlash",
              "pushButton_CheckFlash", "pushButton_UpdateAll"}) {
            QTest::mouseClick(rig.child<QPushButton>(button), Qt::LeftButton);
            QVERIFY(rig.idle());
        }
        QCOMPARE(rig.boxes.texts(),
                 QStringList({"There aren't any datas to update!", "Please input mcu code file",
                              "There aren't any datas to update!", "Please input flash code file",
                              "There aren't any datas to update!"}));
        QCOMPARE(sim.receivedCount(), 0);
        for (const QString &line : rig.log())
            QVERIFY2(!line.contains("OK") && !line.contains("pass"), qPrintable(line));
    }

    void kq580FlashUpdateReleasesThePort() {
        SimDevice sim(chip("KQ580", 0x100, 0));
        plugIn(sim);
        WindowRig rig;
        rig.dir.write("Flash.ini", "[FLASH]\n0xEF4018,4096,4096,W25Q128JV,\n");
        QByteArray image(10000, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = char(i * 13 + 1);
        const QString path = rig.dir.write("flash.bin", image);
        MainWindow &w = rig.start("EWHOLE:0\nNFLASH:0\n./\n" + path.toLocal8Bit() + "\n");
        w.Timer1_Out_Event();
        QVERIFY(rig.idle());
        QVERIFY(w.isPortOpen());

        QTest::mouseClick(rig.child<QPushButton>("pushButton_UpdateFlash"), Qt::LeftButton);
        QVERIFY(rig.idle());
        QVERIFY2(rig.log().contains("Update flash is OK!!!!!!"),
                 qPrintable(rig.log().join('|') + rig.boxes.texts().join('|')));
        QCOMPARE(sim.externalFlash(0, image.size()), image);
        // The chip restarts into its new code; the port is released for the rescan.
        QVERIFY(!w.isPortOpen());
        QCOMPARE(rig.child<QPushButton>("pushButton_OpenCom")->text(), QString("Open Comm"));
        QVERIFY(rig.boxes.boxes.isEmpty());
    }
};

QTEST_MAIN(AppEndToEndTest)
#include "test_app_end_to_end.moc"
