#include "app/main_window.h"

#include "app/config_file.h"
#include "app/config_text.h"
#include "flash/flash_image.h"
#include "jobs/device_information.h"
#include "jobs/job.h"
#include "mcu/boot_records.h"
#include "mcu/mcu_image.h"
#include "protocol/chip_table.h"
#include "protocol/handshake.h"
#include "serial/port_map.h"
#include "serial/port_monitor.h"
#include "serial/timing.h"
#include "tessara_version.h"
#include "ui_main_window.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#ifdef Q_OS_WIN
#include <QOperatingSystemVersion>
#endif

namespace {
constexpr int firstScanMs = 1000;
constexpr int rescanMs = 500;
constexpr int devNodesRescanMs = 2000;
constexpr int exitPauseMs = 500;
} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), session(link, *this) {
    ui = new Ui::MainWindow;
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tessara_V" TESSARA_VERSION));
    ui->pushButton->setVisible(false);
    ui->pushButton_2->setVisible(false);

    ui->comboBox_WaitTime->clear();
    for (int ms = 0; ms < 8; ++ms)
        ui->comboBox_WaitTime->addItem(QStringLiteral("%1ms").arg(ms));
    ui->comboBox_WaitTime->setCurrentIndex(0);
    ui->label_MCUCRC->setText(Mcu_Label(session.mcuCrc, session.mcuLen));
    ui->label_FlashCRC->setText(Flash_Label(session.flashCodeCrc, session.flashCodeLen));
#ifdef Q_OS_WIN
    windows10 = QOperatingSystemVersion::current() >= QOperatingSystemVersion::Windows10;
#endif
    ui->progressBar->setValue(0);
    Set_Buttons_Enabled(false);

    chooseFile = [this](const QString &caption, const QString &dir, const QString &filter) {
        return QFileDialog::getOpenFileName(this, caption, dir, filter);
    };
    connect(&link, &SerialLink::arrivalDropped, this, [this](int length) {
        logLine(QStringLiteral("Reply of %1 bytes is longer than the reply buffer, dropped")
                    .arg(length));
    });
    connect(&link, &SerialLink::deviceLost, this, [this] { Port_Lost(); });
    monitor = new PortMonitor(this);
    connect(monitor, &PortMonitor::portArrived, this,
            [this](const QString &name) { Port_Arrived(name); });
    connect(monitor, &PortMonitor::portRemoved, this,
            [this](const QString &name) { Port_Removed(name); });

    timer1 = new QTimer(this);
    connect(timer1, &QTimer::timeout, this, &MainWindow::Timer1_Out_Event);
    timer1->start(firstScanMs);

    Load_Config();
    logLine(QStringLiteral("BL_SET = ") + QString::number(session.blSet));
}

MainWindow::~MainWindow() {
    Save_Config();
    Close_SerialPort();
    delete ui;
    ui = nullptr;
}

// Buttons --------------------------------------------------------------------------------------

void MainWindow::Set_Buttons_Enabled(bool enable) {
    Ui::MainWindow &f = *ui;
    const QList<QPushButton *> group = {f.pushButton_OpenCom,     f.pushButton_UpdateAll,
                                        f.pushButton_UpdateMCU,   f.pushButton_CheckMCU,
                                        f.pushButton_UpdateFlash, f.pushButton_FlashInfo,
                                        f.pushButton_CheckFlash,  f.pushButton_RunApp};
    f.pushButton_flashMode->setEnabled(false);
    const bool kq580 = Chip_Model(session.modelCode).twoBootLoaders;
    for (QPushButton *button : group)
        button->setEnabled(enable && !kq580);
    if (!enable || !kq580) return;
    // A KQ580 answers with one of two boot loaders; each serves its own half of the buttons.
    const QList<QPushButton *> served =
        session.bootType == 1
            ? QList<QPushButton *>{f.pushButton_flashMode, f.pushButton_OpenCom,
                                   f.pushButton_UpdateMCU, f.pushButton_CheckMCU,
                                   f.pushButton_RunApp}
            : QList<QPushButton *>{f.pushButton_OpenCom, f.pushButton_UpdateFlash,
                                   f.pushButton_FlashInfo, f.pushButton_CheckFlash};
    for (QPushButton *button : served)
        button->setEnabled(true);
}

void MainWindow::on_comboBox_WaitTime_currentIndexChanged(int) {
    link.waitTime = ui->comboBox_WaitTime->currentIndex();
}

void MainWindow::on_pushButton_Exit_clicked() {
    exitFlag = 1;
    QThread::msleep(exitPauseMs);
    close();
}

// Log and messages -----------------------------------------------------------------------------

void MainWindow::Show_Message(const QString &text) {
    QMessageBox::critical(this, tr("Message"), text, QMessageBox::Ok, QMessageBox::NoButton);
}

void MainWindow::Log_Time() {
    logLine(Log_Time_Text());
}

void MainWindow::logLine(const QString &text) {
    // A line that looks like markup (a path, a name from a file) is still shown as written.
    if (Qt::mightBeRichText(text))
        ui->textEdit->append(QStringLiteral("<span style=\"white-space:pre-wrap\">") +
                             text.toHtmlEscaped() + QStringLiteral("</span>"));
    else
        ui->textEdit->append(text);
}

void MainWindow::clearLog() {
    ui->textEdit->clear();
}
void MainWindow::showMessage(const QString &text) {
    Show_Message(text);
}
void MainWindow::setProgress(int percent) {
    ui->progressBar->setValue(percent);
}
// An operation ending after the chip went away leaves the buttons disabled until it is back.
void MainWindow::setButtonsEnabled(bool enable) {
    Set_Buttons_Enabled(enable && !awaitingChip);
}
void MainWindow::setUpdateAllEnabled(bool enable) {
    ui->pushButton_UpdateAll->setEnabled(enable && !awaitingChip);
}
void MainWindow::showModelName(const QString &name) {
    ui->lineEdit_McuType->setText(name);
}

void MainWindow::showFlashPart(const QString &id, const QString &size, const QString &name) {
    ui->lineEdit_FlashID->setText(id);
    ui->lineEdit_FlashSize->setText(size);
    ui->lineEdit_FlashName->setText(name);
}

void MainWindow::showMcuImageLabel(const QString &text) {
    ui->label_MCUCRC->setText(text);
}
void MainWindow::showFlashImageLabel(const QString &text) {
    ui->label_FlashCRC->setText(text);
}
bool MainWindow::eraseWholeChecked() const {
    return ui->checkBox_EraseWhole->isChecked();
}
bool MainWindow::nandFlashChecked() const {
    return ui->checkBox_NandFlash->isChecked();
}
QString MainWindow::mcuImagePath() const {
    return ui->lineEdit_MCU->text();
}
QString MainWindow::flashImagePath() const {
    return ui->lineEdit_Flash->text();
}
bool MainWindow::exitRequested() const {
    return exitFlag != 0;
}

// Settings -------------------------------------------------------------------------------------

void MainWindow::Load_Config() {
    session.flashSize = 0;
    session.flashName.clear();
    QString text;
    if (!Read_ConfigText(Config_Path(), &text)) {
        logLine(QStringLiteral("Open config.ini fail"));
        return;
    }
    const ConfigRead read = Parse_Config(text);
    const ConfigValues &v = read.values;
    const int lines = read.linesRead;
    if (lines >= 1) ui->checkBox_EraseWhole->setChecked(v.eraseWhole);
    if (lines >= 2) ui->checkBox_NandFlash->setChecked(v.nandFlash);
    if (lines >= 3) {
        session.mcuFilePath = v.mcuFilePath;
        ui->lineEdit_MCU->setText(read.mcuPathLine);
    }
    if (lines >= 4) {
        session.flashCodePath = v.flashCodePath;
        ui->lineEdit_Flash->setText(read.flashPathLine);
    }
    if (lines >= 5) session.blSet = v.blSet;
    if (lines >= 6) // index 8 leaves the box without a current item, and waitTime at -1
        ui->comboBox_WaitTime->setCurrentIndex(v.waitIndex);
}

void MainWindow::Save_Config() {
    const QString path = Config_Path();
    logLine(path);
    ConfigValues v;
    v.eraseWhole = ui->checkBox_EraseWhole->isChecked();
    v.nandFlash = ui->checkBox_NandFlash->isChecked();
    v.mcuFilePath = session.mcuFilePath;
    v.flashCodePath = session.flashCodePath;
    v.blSet = session.blSet;
    v.waitIndex = ui->comboBox_WaitTime->currentIndex();
    if (!Write_ConfigText(path, Format_Config(v))) Show_Message(QStringLiteral("打开文件失败"));
}

// Port discovery -------------------------------------------------------------------------------

QString MainWindow::GetComm(int index, QString) {
    const SerialCommMap map = Read_SerialCommMap();
    if (!map.opened) return QStringLiteral("Cannot open regedit!");
    if (index < 0 || index >= map.entries.size()) return QStringLiteral(" ");
    const SerialPortEntry &entry = map.entries.at(index);
    if (entry.kernelName == chipKernelName()) portIndex = index;
    return entry.portName;
}

void MainWindow::Chenck_KQ_Vcom_device() {
    const int count = SerialComm_Count();
    ui->comboBox_Comm->clear();
    portIndex = -1;
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(GetComm(i, QStringLiteral("value")));
    ui->comboBox_Comm->addItems(names);
}

void MainWindow::Timer1_Out_Event() {
    timer1->stop();
    // An operation is talking to the device: opening and probing now would cut into it.
    if (session.busy) {
        timer1->start(rescanMs);
        return;
    }
    session.busy = 1;
    Chenck_KQ_Vcom_device();
    if (portIndex >= 0) {
        ui->comboBox_Comm->setCurrentIndex(portIndex);
        if (autoOpen == 1 && !link.isOpen()) Open_SerialPort();
    }
    lastPortIndex = portIndex;
    session.busy = 0;
    // A chip that went away may come back with no notification (a port listed by path, a
    // simulator): look again until its port opens.
    if (awaitingChip && !link.isOpen()) timer1->start(rescanMs);
}

void MainWindow::Port_Arrived(const QString &name) {
    if (!link.isOpen()) timer1->start(rescanMs);
    logLine(QStringLiteral("Insert ") + name);
}

void MainWindow::Port_Removed(const QString &name) {
    logLine(QStringLiteral("Remove ") + name);
    if (!link.isOpen() || ui->comboBox_Comm->currentText() != name) return;
    link.Close();
    Await_Chip();
}

// The port went away under us (the link has closed it already): as if it had been removed.
void MainWindow::Port_Lost() {
    logLine(QStringLiteral("Lost the device on ") + portName + QStringLiteral(", port closed"));
    Await_Chip();
}

// The chip's port is gone: nothing can be done until it is back. An operation that the loss
// cut short must not enable the buttons on its way out, and the scan waits for the chip quietly.
void MainWindow::Await_Chip() {
    awaitingChip = true;
    Reset_PortButton();
    Set_Buttons_Enabled(false);
    timer1->start(rescanMs);
}

// Windows before 10 only says that some device changed: close, settle, rescan.
void MainWindow::DevNodes_Changed() {
    if (session.busy) return;
    const QString previous = ui->comboBox_Comm->currentText();
    link.Close();
    for (int i = 0; i < 100; ++i) {
        QThread::msleep(10);
        QCoreApplication::processEvents();
    }
    Reset_PortButton();
    Set_Buttons_Enabled(false);
    Chenck_KQ_Vcom_device();
    if (portIndex >= 0) {
        if (!link.isOpen()) timer1->start(devNodesRescanMs);
        logLine(QStringLiteral("Insert ") + ui->comboBox_Comm->currentText());
    } else if (lastPortIndex >= 0) {
        logLine(QStringLiteral("Remove ") + previous);
    }
    lastPortIndex = portIndex;
}

#ifdef Q_OS_WIN
bool MainWindow::nativeEvent(const QByteArray &eventType, void *message, long *result) {
    QString name;
    const PortMonitor::Change change = PortMonitor::Parse_DeviceChange(message, &name);
    if (windows10) {
        if (change == PortMonitor::Change::PortArrived)
            Port_Arrived(name);
        else if (change == PortMonitor::Change::PortRemoved)
            Port_Removed(name);
    } else if (change == PortMonitor::Change::DevNodesChanged) {
        DevNodes_Changed();
    }
    return QMainWindow::nativeEvent(eventType, message, result);
}
#endif

// Serial port ----------------------------------------------------------------------------------

void MainWindow::Open_SerialPort() {
    portName = ui->comboBox_Comm->currentText();
    if (!link.Open(portName)) {
        // A chip that went away and is not back yet is no failure to report.
        if (awaitingChip) return;
        logLine(link.openFailure(portName));
        QMessageBox::information(nullptr, tr("Title"), tr("Open fail"), QMessageBox::Ok);
        return;
    }
    awaitingChip = false;
    ui->pushButton_OpenCom->setText(QStringLiteral("Close Comm"));
    // No button may start anything, "Close Comm" included, while the chip is identified.
    Set_Buttons_Enabled(false);
    Probe_Model(session);
    setButtonsEnabled(true); // unless the chip went away while it was identified
    if (Chip_Model(session.modelCode).flashModeLoaders)
        logLine(QStringLiteral("If KQ580 update the nand flash, need to select first!"));
}

void MainWindow::Close_SerialPort() {
    if (!link.isOpen()) return;
    link.Close();
    Reset_PortButton();
}

void MainWindow::serial_receiveData() {
    link.serial_receiveData();
}

void MainWindow::on_pushButton_OpenCom_clicked() {
    // A click that reaches us while the port is being opened or the chip identified (the probe
    // processes events while it waits) would close the port under the probe.
    if (session.busy) return;
    link.waitTime = ui->comboBox_WaitTime->currentIndex();
    session.busy = 1;
    if (link.isOpen()) {
        link.Close();
        Set_Buttons_Enabled(false);
        Reset_PortButton();
        ui->pushButton_OpenCom->setEnabled(true);
    } else {
        Open_SerialPort();
    }
    session.busy = 0;
}

void MainWindow::Reset_PortButton() {
    ui->pushButton_OpenCom->setText(QStringLiteral("Open Comm"));
}

// Operations -----------------------------------------------------------------------------------

void MainWindow::Show_ReadFail() {
    QMessageBox::critical(this, tr("Error"), tr("Read fail,please check the path!"),
                          QMessageBox::Ok);
}

void MainWindow::on_pushButton_InputMCUCode_clicked() {
    const QString path = chooseFile(tr("Select Mcu Code"), session.mcuFilePath, tr("file(*.bin)"));
    if (path.isEmpty()) return;
    session.mcuFilePath = path;
    ui->lineEdit_MCU->setText(path);
    if (!Input_McuImage(session, path)) Show_ReadFail();
}

void MainWindow::on_pushButton_InputFlashCode_clicked() {
    const QString path =
        chooseFile(tr("Select Flash Code"), session.flashCodePath, tr("file(*.bin)"));
    if (path.isEmpty()) return;
    session.flashCodePath = path;
    ui->lineEdit_Flash->setText(path);
    if (Input_FlashImage(session, path) == ImageRead::CannotOpen) Show_ReadFail();
}

void MainWindow::on_pushButton_RunApp_clicked() {
    Run_Job(Job::Run, session);
}
void MainWindow::on_pushButton_UpdateMCU_clicked() {
    Run_Job(Job::UpdateMcu, session);
}
void MainWindow::on_pushButton_CheckMCU_clicked() {
    Run_Job(Job::CheckMcu, session);
}

void MainWindow::on_pushButton_UpdateFlash_clicked() {
    Run_Job(Job::UpdateFlash, session);
    // A KQ580 restarts into its new code and its port is closed for the rescan.
    if (!link.isOpen()) Reset_PortButton();
}

void MainWindow::on_pushButton_FlashInfo_clicked() {
    Run_Job(Job::FlashInfo, session);
}
void MainWindow::on_pushButton_CheckFlash_clicked() {
    Run_Job(Job::CheckFlash, session);
}
void MainWindow::on_pushButton_flashMode_clicked() {
    Run_Job(Job::FlashMode, session);
}

void MainWindow::on_pushButton_UpdateAll_clicked() {
    Run_Job(Job::UpdateAll, session);
    if (!link.isOpen()) Reset_PortButton();
}

void MainWindow::on_pushButton_clicked() {
    Report_SecondBootInfo(session);
}
void MainWindow::on_pushButton_2_clicked() {
    Report_Device_Info(session);
}
