// The operator's window: start-up state, the form, the slot table, the button rules, Exit.
#include "protocol/chip_table.h"
#include "sim/sim_device.h"
#include "support/model_codes.h"
#include "support/window_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// The nine buttons that Set_Buttons_Enabled manages, as bits of an expected-state mask.
const char *const managedButtons[] = {
    "pushButton_flashMode", "pushButton_OpenCom",    "pushButton_UpdateAll",
    "pushButton_UpdateMCU", "pushButton_CheckMCU",   "pushButton_UpdateFlash",
    "pushButton_FlashInfo", "pushButton_CheckFlash", "pushButton_RunApp"};
enum : unsigned {
    FlashMode = 1u << 0,
    OpenCom = 1u << 1,
    UpdateAll = 1u << 2,
    UpdateMcu = 1u << 3,
    CheckMcu = 1u << 4,
    UpdateFlash = 1u << 5,
    FlashInfo = 1u << 6,
    CheckFlash = 1u << 7,
    RunApp = 1u << 8,
};

unsigned enabledMask(const WindowRig &rig) {
    unsigned mask = 0;
    for (unsigned i = 0; i < std::size(managedButtons); ++i)
        if (rig.child<QPushButton>(managedButtons[i])->isEnabled()) mask |= 1u << i;
    return mask;
}

} // namespace

Q_DECLARE_METATYPE(BootLoader)

class AppWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // No port is found, so the first scan opens nothing (unless a test lists one).
    void init() { qputenv("TESSARA_SERIALCOMM", ""); }

    void startsWithoutConfigFile() {
        WindowRig rig;
        MainWindow &w = rig.start();
        QCOMPARE(rig.log(), (QStringList{"Open config.ini fail", "BL_SET = 0"}));
        QVERIFY(rig.boxes.boxes.isEmpty());
        QCOMPARE(w.windowTitle(), QString("Tessara_V3.21"));
        QVERIFY(!rig.child<QCheckBox>("checkBox_EraseWhole")->isChecked());
        QVERIFY(!rig.child<QCheckBox>("checkBox_NandFlash")->isChecked());
        QVERIFY(rig.child<QLineEdit>("lineEdit_MCU")->text().isEmpty());
        QVERIFY(rig.child<QLineEdit>("lineEdit_Flash")->text().isEmpty());
        QCOMPARE(w.choices().mcuFilePath, QString("./"));
        QCOMPARE(w.choices().flashCodePath, QString("./"));
        QCOMPARE(w.choices().blSet, 0);
        QCOMPARE(w.portScan().portIndex(), -1);
        QCOMPARE(w.portScan().lastPortIndex(), -1);

        auto *wait = rig.child<QComboBox>("comboBox_WaitTime");
        QStringList items;
        for (int i = 0; i < wait->count(); ++i)
            items << wait->itemText(i);
        QCOMPARE(items, (QStringList{"0ms", "1ms", "2ms", "3ms", "4ms", "5ms", "6ms", "7ms"}));
        QCOMPARE(wait->currentText(), QString("0ms"));
        QCOMPARE(w.choices().waitTime, 0);

        QCOMPARE(rig.child<QLabel>("label_MCUCRC")->text(), QString("Mcu code,CRC = 0x0  Len: 0"));
        QCOMPARE(rig.child<QLabel>("label_FlashCRC")->text(),
                 QString("Flash code,CRC = 0x0  Len: 0"));
        QCOMPARE(rig.child<QPushButton>("pushButton_OpenCom")->text(), QString("Open Comm"));
        QCOMPARE(rig.child<QProgressBar>("progressBar")->value(), 0);

        w.show();
        QCOMPARE(enabledMask(rig), 0u);
        QVERIFY(rig.child<QPushButton>("pushButton_Exit")->isEnabled());
        QVERIFY(!rig.child<QPushButton>("pushButton")->isVisible());
        QVERIFY(!rig.child<QPushButton>("pushButton_2")->isVisible());
        QVERIFY(rig.child<QPushButton>("pushButton_Exit")->isVisible());

        QVERIFY(w.portScan().timer().isActive());
        QCOMPARE(w.portScan().timer().interval(), 1000);
        QVERIFY(!w.isPortOpen());
    }

    void startsWithWaitTimeFromConfigFile() {
        WindowRig rig;
        MainWindow &w = rig.start("EWHOLE:1\nNFLASH:0\n/fw/a.bin\n/fw/f.bin\nBLSET:2\nWAITT:5\n");
        QCOMPARE(rig.child<QComboBox>("comboBox_WaitTime")->currentText(), QString("5ms"));
        QCOMPARE(w.choices().waitTime, 5);
        QCOMPARE(rig.log(), QStringList{"BL_SET = 2"});
        QVERIFY(!w.isPortOpen());
    }

    void waitTimeFollowsTheBox() {
        WindowRig rig;
        MainWindow &w = rig.start();
        rig.child<QComboBox>("comboBox_WaitTime")->setCurrentIndex(6);
        QCOMPARE(w.choices().waitTime, 6);
        rig.child<QComboBox>("comboBox_WaitTime")->setCurrentIndex(2);
        QCOMPARE(w.choices().waitTime, 2);
    }

    void declaresTheSlotTableInOrder() {
        const QStringList expected = {
            "GetComm(int,QString)",
            "Chenck_KQ_Vcom_device()",
            "Timer1_Out_Event()",
            "Open_SerialPort()",
            "Close_SerialPort()",
            "serial_receiveData()",
            "on_pushButton_OpenCom_clicked()",
            "on_pushButton_RunApp_clicked()",
            "on_pushButton_InputMCUCode_clicked()",
            "on_pushButton_InputFlashCode_clicked()",
            "on_pushButton_UpdateMCU_clicked()",
            "on_pushButton_CheckMCU_clicked()",
            "on_pushButton_UpdateFlash_clicked()",
            "on_pushButton_FlashInfo_clicked()",
            "on_pushButton_CheckFlash_clicked()",
            "on_pushButton_Exit_clicked()",
            "on_pushButton_flashMode_clicked()",
            "on_pushButton_UpdateAll_clicked()",
            "on_pushButton_clicked()",
            "on_pushButton_2_clicked()",
            "on_comboBox_WaitTime_currentIndexChanged(int)",
        };
        const QMetaObject &meta = MainWindow::staticMetaObject;
        QCOMPARE(meta.className(), "MainWindow");
        QStringList declared;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            const QMetaMethod method = meta.method(i);
            QCOMPARE(method.methodType(), QMetaMethod::Slot);
            declared << QString::fromLatin1(method.methodSignature());
        }
        QCOMPARE(declared, expected);
        QCOMPARE(meta.method(meta.methodOffset()).typeName(), "QString");
    }

    void formHasTheWidgetsAndTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("text");
        auto row = [](const char *name, const char *cls, const char *text) {
            QTest::newRow(name) << QString(name) << QString(cls) << QString::fromUtf8(text);
        };
        row("groupBox", "QGroupBox", "Message");
        row("groupBox_2", "QGroupBox", "Control");
        row("pushButton_InputMCUCode", "QPushButton", "Input File");
        row("pushButton_InputFlashCode", "QPushButton", "Input File");
        row("label_6", "QLabel", "MCU Name:  ");
        row("label", "QLabel", "WaitTime: ");
        row("checkBox_EraseWhole", "QCheckBox", "Erase whole flash");
        row("checkBox_NandFlash", "QCheckBox", "KQ580 NandFlash ");
        row("label_3", "QLabel", "<html><head/><body><p>Flash ID: </p></body></html>");
        row("label_4", "QLabel", "<html><head/><body><p>Flash Size: </p></body></html>");
        row("label_5", "QLabel", "<html><head/><body><p>Flash Name: </p></body></html>");
        row("pushButton", "QPushButton", "PushButton");
        row("pushButton_2", "QPushButton", "PushButton");
        row("lineEdit_McuType", "QLineEdit", "");
        row("lineEdit_FlashID", "QLineEdit", "");
        row("lineEdit_FlashSize", "QLineEdit", "");
        row("lineEdit_FlashName", "QLineEdit", "");
        row("comboBox_Comm", "QComboBox", "");
        row("textEdit", "QTextEdit", "");
        row("progressBar", "QProgressBar", "");
    }

    void formHasTheWidgetsAndTexts() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, text);
        WindowRig rig;
        rig.start();
        QWidget *widget = rig.window->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(QString(widget->metaObject()->className()), className);
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            QCOMPARE(box->title(), text);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            QCOMPARE(button->text(), text);
        else if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), text);
        else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            QCOMPARE(edit->text(), text);
            QVERIFY(edit->isReadOnly());
        }
    }

    void controlBoxChildrenHaveFixedGeometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("comboBox_Comm") << "comboBox_Comm" << QRect(20, 24, 211, 25);
        QTest::newRow("label_6") << "label_6" << QRect(20, 63, 101, 16);
        QTest::newRow("lineEdit_McuType") << "lineEdit_McuType" << QRect(130, 58, 101, 25);
        QTest::newRow("label") << "label" << QRect(20, 94, 91, 16);
        QTest::newRow("comboBox_WaitTime") << "comboBox_WaitTime" << QRect(130, 92, 101, 25);
        QTest::newRow("gridLayoutWidget") << "gridLayoutWidget" << QRect(20, 140, 211, 327);
        QTest::newRow("checkBox_EraseWhole") << "checkBox_EraseWhole" << QRect(20, 476, 171, 19);
        QTest::newRow("checkBox_NandFlash") << "checkBox_NandFlash" << QRect(20, 500, 181, 19);
        QTest::newRow("label_3") << "label_3" << QRect(20, 532, 81, 16);
        QTest::newRow("label_4") << "label_4" << QRect(20, 558, 91, 16);
        QTest::newRow("label_5") << "label_5" << QRect(20, 584, 91, 16);
        QTest::newRow("verticalLayoutWidget") << "verticalLayoutWidget" << QRect(120, 530, 111, 71);
        QTest::newRow("pushButton_2") << "pushButton_2" << QRect(30, 620, 93, 28);
        QTest::newRow("pushButton") << "pushButton" << QRect(130, 620, 93, 28);
    }

    void controlBoxChildrenHaveFixedGeometry() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        WindowRig rig;
        MainWindow &w = rig.start();
        w.show();
        w.resize(1300, 900); // a larger window moves none of them
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget *widget = w.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), QString("groupBox_2"));
        QCOMPARE(widget->geometry(), geometry);
    }

    void actionButtonsAreStackedInOrder() {
        WindowRig rig;
        rig.start();
        auto *layout = rig.child<QVBoxLayout>("verticalLayout_2");
        QCOMPARE(layout->spacing(), 5);
        const QList<QPair<QString, QString>> expected = {
            {"pushButton_OpenCom", "Open Comm"},
            {"pushButton_UpdateAll", "Update All"},
            {"pushButton_UpdateMCU", "Update MCU"},
            {"pushButton_CheckMCU", "Check Mcu CRC"},
            {"pushButton_flashMode", "KQ580 enter flash mode"},
            {"pushButton_UpdateFlash", "Update Flash"},
            {"pushButton_FlashInfo", "Flash Info"},
            {"pushButton_CheckFlash", "Check Flash CRC"},
            {"pushButton_RunApp", "Run Uart Application"},
            {"pushButton_Exit", "Exit"}};
        QCOMPARE(layout->count(), expected.size());
        for (int i = 0; i < layout->count(); ++i) {
            auto *button = qobject_cast<QPushButton *>(layout->itemAt(i)->widget());
            QVERIFY(button);
            QCOMPARE(button->objectName(), expected[i].first);
            QCOMPARE(button->text(), expected[i].second);
        }
        const QSizePolicy updateAll = rig.child<QPushButton>("pushButton_UpdateAll")->sizePolicy();
        QCOMPARE(updateAll.horizontalPolicy(), QSizePolicy::Minimum);
        QCOMPARE(updateAll.horizontalStretch(), 1);
        QCOMPARE(updateAll.verticalPolicy(), QSizePolicy::Fixed);
    }

    void windowShapeAndFonts() {
        WindowRig rig;
        MainWindow &w = rig.start();
        const Qt::WindowFlags flags = w.windowFlags();
        QVERIFY(flags.testFlag(Qt::Dialog));
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.windowModality(), Qt::NonModal);
        QCOMPARE(w.minimumSize(), QSize(960, 660));
        QCOMPARE(w.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(w.font().family(), QString::fromUtf8("微软雅黑"));
        QCOMPARE(w.font().pointSize(), 8);
        QVERIFY(w.font().bold());
        QCOMPARE(rig.child<QTextEdit>("textEdit")->font().pointSize(), 11);
        QVERIFY(rig.child<QTextEdit>("textEdit")->font().bold());
        QCOMPARE(rig.child<QLabel>("label_6")->font().pointSize(), 10);
        QCOMPARE(rig.child<QLabel>("label")->font().pointSize(), 10);
        QCOMPARE(rig.child<QLineEdit>("lineEdit_McuType")->cursorMoveStyle(), Qt::LogicalMoveStyle);

        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(100, 100);
        QCOMPARE(w.size(), QSize(960, 660));
        auto *control = rig.child<QGroupBox>("groupBox_2");
        auto *log = rig.child<QTextEdit>("textEdit");
        const int controlWidth = control->width();
        const QSize logSize = log->size();
        w.resize(1300, 900);
        QTRY_COMPARE(w.size(), QSize(1300, 900));
        QCOMPARE(control->width(), controlWidth);
        QVERIFY(log->width() > logSize.width());
        QVERIFY(log->height() > logSize.height());
    }

    // The chip identified on the port decides which buttons come on; off turns them all off.
    void setButtonsEnabledFollowsTheChip_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("bootType");
        QTest::addColumn<uint>("expected");
        const uint all = OpenCom | UpdateAll | UpdateMcu | CheckMcu | UpdateFlash | FlashInfo |
                         CheckFlash | RunApp;
        const uint flashHalf = OpenCom | UpdateFlash | FlashInfo | CheckFlash;
        QTest::newRow("KQ31B") << "KQ31B" << -1 << all;
        QTest::newRow("KQ31B boot type 1") << "KQ31B" << 1 << all;
        QTest::newRow("KQ580 MCU loader")
            << "KQ580" << 1 << uint(FlashMode | OpenCom | UpdateMcu | CheckMcu | RunApp);
        QTest::newRow("KQ580 flash loader") << "KQ580" << 0 << flashHalf;
        QTest::newRow("KQ580 boot type 2") << "KQ580" << 2 << flashHalf;
    }

    void setButtonsEnabledFollowsTheChip() {
        QFETCH(QString, model);
        QFETCH(int, bootType);
        QFETCH(uint, expected);
        SimConfig config;
        QVERIFY(SimConfig::forModel(model, &config));
        config.bootType = bootType;
        SimDevice sim(config);
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));
        qputenv("TESSARA_SERIALCOMM", ("\\Device\\USBSER000=" + sim.portPath()).toLocal8Bit());
        WindowRig rig;
        MainWindow &w = rig.start();
        w.Timer1_Out_Event();
        QVERIFY(rig.idle(60000));
        QVERIFY(w.isPortOpen());
        QCOMPARE(enabledMask(rig), expected);
        w.Set_Buttons_Enabled(false);
        QCOMPARE(enabledMask(rig), 0u);
        w.Set_Buttons_Enabled(true);
        QCOMPARE(enabledMask(rig), expected);
        QVERIFY(rig.child<QPushButton>("pushButton_Exit")->isEnabled());
    }

    // With no job to stop, Exit closes at once.
    void exitClosesAndSaves() {
        WindowRig rig;
        MainWindow &w = rig.start();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        rig.child<QCheckBox>("checkBox_NandFlash")->setChecked(true);
        QTest::mouseClick(rig.child<QPushButton>("pushButton_Exit"), Qt::LeftButton);
        QVERIFY(!w.isVisible());

        rig.stop();
        QFile config(rig.dir.filePath("config.ini"));
        QVERIFY(config.open(QIODevice::ReadOnly));
        QCOMPARE(config.readAll(), QByteArray("EWHOLE:0\nNFLASH:1\n./\n./\nBLSET:0\nWAITT:0\n"));
    }

    void inputButtonsAskForAFileAndShowIt_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("lineEdit");
        QTest::newRow("MCU") << "pushButton_InputMCUCode"
                             << "Select Mcu Code"
                             << "lineEdit_MCU";
        QTest::newRow("flash") << "pushButton_InputFlashCode"
                               << "Select Flash Code"
                               << "lineEdit_Flash";
    }

    void inputButtonsAskForAFileAndShowIt() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, lineEdit);
        WindowRig rig;
        MainWindow &w = rig.start("EWHOLE:0\nNFLASH:0\n/fw/old.bin\n/fw/oldflash.bin\n");
        const QString image = rig.dir.write("image.bin", QByteArray(64, '\x5A'));
        const bool mcu = button.contains("MCU");
        const auto path = [&] { return mcu ? w.choices().mcuFilePath : w.choices().flashCodePath; };
        const QString before = path();
        QStringList asked;
        QString answer; // cancelled first
        w.chooseFile = [&](const QString &cap, const QString &start, const QString &filter) {
            asked << cap << start << filter;
            return answer;
        };
        auto *input = w.findChild<QPushButton *>(button);
        input->setEnabled(true);
        QTest::mouseClick(input, Qt::LeftButton);
        QCOMPARE(asked, (QStringList{caption, before, "file(*.bin)"}));
        QCOMPARE(path(), before);

        answer = image;
        QTest::mouseClick(input, Qt::LeftButton);
        QCOMPARE(path(), image);
        QCOMPARE(w.findChild<QLineEdit *>(lineEdit)->text(), image);
        QVERIFY(rig.boxes.boxes.isEmpty());
    }
};

QTEST_MAIN(AppWindowTest)
#include "test_app_window.moc"
