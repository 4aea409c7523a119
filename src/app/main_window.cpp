#include "app/main_window.h"

#include "app/config_file.h"
#include "app/config_text.h"
#include "flash/flash_image.h"
#include "jobs/board_thread.h"
#include "mcu/mcu_image.h"
#include "protocol/chip_table.h"
#include "serial/port_monitor.h"
#include "serial/timing.h"
#include "tessara_version.h"
#include "ui_main_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <cstdio>
#include <utility>
#ifdef Q_OS_WIN
#include <QOperatingSystemVersion>
#endif

namespace {

// The Input buttons read their files on the GUI thread: what they have to say goes straight to
// the window.
class InputObserver : public Observer {
  public:
    explicit InputObserver(MainWindow &window) : w(window) {}
    void logLine(const QString &text) override { w.logLine(text); }
    void message(const QString &text) override { w.Show_Message(text); }
    bool stopRequested() const override { return false; }

  private:
    MainWindow &w;
};

QString Step_Words(StepState state) {
    switch (state) {
    case StepState::Ok:
        return QStringLiteral("done");
    case StepState::Failed:
        return QStringLiteral("failed");
    case StepState::Interrupted:
        return QStringLiteral("interrupted");
    case StepState::NotStarted:
        break;
    }
    return QStringLiteral("not started");
}

// What an update that did not end ok left undone, memory by memory, with how far the flash got;
// empty for any other job or an update that ended ok.
QString Unfinished_Line(Job job, const JobResult &result) {
    const JobTraits &traits = Job_Traits(job);
    const bool mcu = traits.writes && traits.mcuImage;
    const bool flash = traits.writes && traits.flashImage;
    if (result.ok() || (!mcu && !flash)) return QString();
    QStringList undone;
    if (mcu && result.mcu != StepState::Ok)
        undone << QStringLiteral("MCU update %1").arg(Step_Words(result.mcu));
    if (flash && result.flash != StepState::Ok) {
        QString words = QStringLiteral("flash update %1").arg(Step_Words(result.flash));
        if (result.flash != StepState::NotStarted && result.flashBlocks > 0)
            words += QStringLiteral(", %1 of %2 blocks written")
                         .arg(result.flashBlocksWritten)
                         .arg(result.flashBlocks);
        undone << words;
    }
    // Both memories done and still a failure (a check after them): the failure says what.
    if (undone.isEmpty()) return QString();
    const QString line = QStringLiteral("Not completed: ") + undone.join(QStringLiteral(", "));
    // A stop is said by "interrupted" already; any other cause is named.
    return result.interrupted() ? line : QStringLiteral("%1 (%2)").arg(line, result.reason());
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent) {
    ui = new Ui::MainWindow;
    ui->setupUi(this);
    setAcceptDrops(true); // a release bundle (.kqb) dropped on the window
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tessara_V" TESSARA_VERSION));
    ui->pushButton->setVisible(false);
    ui->pushButton_2->setVisible(false);

    ui->comboBox_WaitTime->clear();
    for (int ms = 0; ms < 8; ++ms)
        ui->comboBox_WaitTime->addItem(QStringLiteral("%1ms").arg(ms));
    ui->comboBox_WaitTime->setCurrentIndex(0);
    ui->label_MCUCRC->setText(Mcu_Label(mcuImage.mcuCrc, mcuImage.mcuLen));
    ui->label_FlashCRC->setText(Flash_Label(flashImage.flashCodeCrc, flashImage.flashCodeLen));
#ifdef Q_OS_WIN
    windows10 = QOperatingSystemVersion::current() >= QOperatingSystemVersion::Windows10;
#endif
    ui->progressBar->setValue(0);
    Set_Buttons_Enabled(false);

    chooseFile = [this](const QString &caption, const QString &dir, const QString &filter) {
        return QFileDialog::getOpenFileName(this, caption, dir, filter);
    };
    scan = new PortScan(*this, *ui->comboBox_Comm, this);

    Load_Config();
    logLine(QStringLiteral("BL_SET = ") + QString::number(blSet));
}

MainWindow::~MainWindow() {
    Save_Config();
    Close_SerialPort();
    // Waits for a job still running: an operation is never cut off.
    if (board) board->requestStop();
    board.reset();
    delete ui;
    ui = nullptr;
}

bool MainWindow::jobRunning() const {
    return board && board->isRunning();
}

// Buttons --------------------------------------------------------------------------------------

void MainWindow::Set_Buttons_Enabled(bool enable) {
    Ui::MainWindow &f = *ui;
    const QList<QPushButton *> group = {f.pushButton_OpenCom,     f.pushButton_UpdateAll,
                                        f.pushButton_UpdateMCU,   f.pushButton_CheckMCU,
                                        f.pushButton_UpdateFlash, f.pushButton_FlashInfo,
                                        f.pushButton_CheckFlash,  f.pushButton_RunApp};
    f.pushButton_flashMode->setEnabled(false);
    const bool twoLoaders = identity.row().twoBootLoaders;
    for (QPushButton *button : group)
        button->setEnabled(enable && !twoLoaders);
    if (!enable || !twoLoaders) return;
    // The chip answers with one of two boot loaders; each serves its own half of the buttons.
    const QList<QPushButton *> served =
        identity.bootLoader == BootLoader::McuUpdate
            ? QList<QPushButton *>{f.pushButton_flashMode, f.pushButton_OpenCom,
                                   f.pushButton_UpdateMCU, f.pushButton_CheckMCU,
                                   f.pushButton_RunApp}
            : QList<QPushButton *>{f.pushButton_OpenCom, f.pushButton_UpdateFlash,
                                   f.pushButton_FlashInfo, f.pushButton_CheckFlash};
    for (QPushButton *button : served)
        button->setEnabled(true);
}

// An operation ending after the chip went away leaves the buttons disabled until it is back.
void MainWindow::restoreButtons() {
    Set_Buttons_Enabled(!scan->isAwaitingChip());
}

void MainWindow::on_comboBox_WaitTime_currentIndexChanged(int) {
    waitTime = ui->comboBox_WaitTime->currentIndex();
}

// Exit asks the running job to stop; the window closes once it has (an MCU write completes
// first: the MCU update never stops midway).
void MainWindow::on_pushButton_Exit_clicked() {
    close();
}

// The application quits (the display's session ended) with a job running: it stops safely, and
// the line saying what it left undone is written, before the window goes.
void MainWindow::stopBeforeQuit() {
    if (!jobRunning()) return;
    closeWhenStopped = true;
    board->requestStop();
    QEventLoop loop;
    connect(board.get(), &BoardThread::finished, &loop, [this, &loop] {
        if (!jobRunning()) loop.quit();
    });
    loop.exec();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (!jobRunning()) {
        QMainWindow::closeEvent(event);
        return;
    }
    board->requestStop();
    closeWhenStopped = true;
    event->ignore();
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

void MainWindow::showFlashPart(const FlashPartFacts &part) {
    // A capacity of any size is shown as it is; no ID read yet is "0".
    ui->lineEdit_FlashID->setText(part.id ? QString::asprintf("0x%x", part.id)
                                          : QStringLiteral("0"));
    ui->lineEdit_FlashSize->setText(QString::number(part.listed ? part.capacity : 0));
    ui->lineEdit_FlashName->setText(part.name);
}

void MainWindow::blankFlashPart() {
    ui->lineEdit_FlashID->setText(QStringLiteral("0"));
    ui->lineEdit_FlashSize->setText(QStringLiteral("0"));
    ui->lineEdit_FlashName->clear();
}

void MainWindow::showImage(ImageRole role, uint32_t crc, int32_t length) {
    if (role == ImageRole::Mcu)
        ui->label_MCUCRC->setText(Mcu_Label(crc, length));
    else
        ui->label_FlashCRC->setText(Flash_Label(crc, length));
}

// Settings -------------------------------------------------------------------------------------

void MainWindow::Load_Config() {
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
        mcuFilePath = v.mcuFilePath;
        ui->lineEdit_MCU->setText(read.mcuPathLine);
    }
    if (lines >= 4) {
        flashCodePath = v.flashCodePath;
        ui->lineEdit_Flash->setText(read.flashPathLine);
    }
    if (lines >= 5) blSet = v.blSet;
    if (lines >= 6) // index 8 leaves the box without a current item, and waitTime at -1
        ui->comboBox_WaitTime->setCurrentIndex(v.waitIndex);
}

void MainWindow::Save_Config() {
    const QString path = Config_Path();
    logLine(path);
    ConfigValues v;
    v.eraseWhole = ui->checkBox_EraseWhole->isChecked();
    v.nandFlash = ui->checkBox_NandFlash->isChecked();
    v.mcuFilePath = mcuFilePath;
    v.flashCodePath = flashCodePath;
    v.blSet = blSet;
    v.waitIndex = ui->comboBox_WaitTime->currentIndex();
    if (!Write_ConfigText(path, Format_Config(v))) Show_Message(QStringLiteral("打开文件失败"));
}

// Port discovery: the scan (app/port_scan.h) -----------------------------------------------------

QString MainWindow::GetComm(int index, QString) {
    return scan->GetComm(index);
}

void MainWindow::Chenck_KQ_Vcom_device() {
    scan->Chenck_KQ_Vcom_device();
}

void MainWindow::Timer1_Out_Event() {
    scan->Timer1_Out_Event();
}

void MainWindow::chipPortGone() {
    Reset_PortButton();
    Set_Buttons_Enabled(false);
}

// The port went away under us (the link has closed it already): as if it had been removed.
void MainWindow::Port_Lost() {
    portOpen = false;
    logLine(QStringLiteral("Lost the device on ") + portName + QStringLiteral(", port closed"));
    scan->Await_Chip();
}

#ifdef Q_OS_WIN
bool MainWindow::nativeEvent(const QByteArray &eventType, void *message, long *result) {
    QString name;
    const PortMonitor::Change change = PortMonitor::Parse_DeviceChange(message, &name);
    if (windows10) {
        if (change == PortMonitor::Change::PortArrived)
            scan->Port_Arrived(name);
        else if (change == PortMonitor::Change::PortRemoved)
            scan->Port_Removed(name);
    } else if (change == PortMonitor::Change::DevNodesChanged) {
        scan->DevNodes_Changed();
    }
    return QMainWindow::nativeEvent(eventType, message, result);
}
#endif

// Serial port ----------------------------------------------------------------------------------

BoardThread &MainWindow::boardFor(const QString &port) {
    if (!board || board->port() != port) {
        board = std::make_unique<BoardThread>(port);
        board->setMessagesWait(true);
        followBoard(*board);
    }
    return *board;
}

void MainWindow::followBoard(BoardThread &b) {
    connect(&b, &BoardThread::logLine, this, &MainWindow::logLine);
    connect(&b, &BoardThread::clearLog, this, &MainWindow::clearLog);
    // The board's job waits until the operator has answered the box.
    connect(&b, &BoardThread::message, this, [this, &b](const QString &text) {
        Show_Message(text);
        b.answerMessage();
    });
    connect(&b, &BoardThread::progress, ui->progressBar, &QProgressBar::setValue);
    connect(&b, &BoardThread::chipIdentified, ui->lineEdit_McuType, &QLineEdit::setText);
    connect(&b, &BoardThread::flashPartRead, this, &MainWindow::showFlashPart);
    connect(&b, &BoardThread::imageRead, this, &MainWindow::showImage);
    connect(&b, &BoardThread::arrivalDropped, this, [this](int length) {
        logLine(QStringLiteral("Reply of %1 bytes is longer than the reply buffer, dropped")
                    .arg(length));
    });
    connect(&b, &BoardThread::deviceLost, this, [this] { Port_Lost(); });
    // No button may start anything, "Close Comm" included, while the chip is identified.
    connect(&b, &BoardThread::portOpened, this, [this] {
        portOpen = true;
        ui->pushButton_OpenCom->setText(QStringLiteral("Close Comm"));
        Set_Buttons_Enabled(false);
    });
    connect(&b, &BoardThread::portClosed, this, [this] {
        portOpen = false;
        Reset_PortButton();
    });
    connect(&b, &BoardThread::finished, this, [this](const JobResult &result) {
        jobEnded(result);
        if (closeWhenStopped && !jobRunning()) close();
    });
}

void MainWindow::Open_SerialPort() {
    portName = ui->comboBox_Comm->currentText();
    busy = 1;
    afterJob = [this](const JobResult &result) { portOpened(result); };
    boardFor(portName).openPort(waitTime);
}

void MainWindow::portOpened(const JobResult &result) {
    // No model: the port did not open.
    if (!result.chip) {
        // A chip that went away and is not back yet is no failure to report.
        if (scan->isAwaitingChip()) return;
        logLine(result.reason());
        QMessageBox::information(nullptr, tr("Title"), tr("Open fail"), QMessageBox::Ok);
        return;
    }
    // Gone again while it was identified: the loss has been handled.
    if (!portOpen) return;
    scan->chipBack();
    restoreButtons(); // unless the chip went away while it was identified
    if (identity.row().flashModeLoaders)
        logLine(QStringLiteral("If KQ580 update the nand flash, need to select first!"));
}

void MainWindow::Close_SerialPort() {
    if (!portOpen) return;
    board->closePort();
    portOpen = false;
    Reset_PortButton();
}

// The port is read on the board thread, by its link (SerialLink::serial_receiveData); nothing
// arrives here.
void MainWindow::serial_receiveData() {}

void MainWindow::on_pushButton_OpenCom_clicked() {
    // A click that reaches us while the port is being opened or the chip identified would close
    // the port under the probe.
    if (busy) return;
    waitTime = ui->comboBox_WaitTime->currentIndex();
    if (portOpen) {
        Close_SerialPort();
        Set_Buttons_Enabled(false);
        ui->pushButton_OpenCom->setEnabled(true);
    } else {
        Open_SerialPort();
    }
}

void MainWindow::Reset_PortButton() {
    ui->pushButton_OpenCom->setText(QStringLiteral("Open Comm"));
}

// Jobs -----------------------------------------------------------------------------------------

void MainWindow::startJob(Job job, const std::function<void(const JobResult &)> &then) {
    if (busy) return;
    // Without a port ever opened the job runs on a closed one, and says so.
    BoardThread &b = boardFor(board ? board->port() : portName);
    JobRequest request;
    request.job = job;
    request.mcuFacts = mcuImage;
    request.flashFacts = flashImage;
    request.eraseWhole = ui->checkBox_EraseWhole->isChecked();
    request.nand = ui->checkBox_NandFlash->isChecked();
    request.bootSetting = blSet;
    request.waitTime = waitTime;
    if (!takeBundle(request)) return;
    busy = 1;
    Set_Buttons_Enabled(false);
    // A job that reads the flash part shows none until it has read one.
    if (Job_Traits(job).readsFlashPart) blankFlashPart();
    b.clearStop();
    runningJob = job;
    afterJob = then;
    // The updates read their images on the board thread; the checks compare with the images as
    // the last Input or update left them.
    // A bundle's images are in the request already.
    const bool reads = Job_Traits(job).writes && !request.mcuImage && !request.flashImage;
    b.runJob(request, reads ? ui->lineEdit_MCU->text() : QString(),
             reads ? ui->lineEdit_Flash->text() : QString());
}

void MainWindow::jobEnded(const JobResult &result) {
    busy = 0;
    if (result.chip) identity = *result.chip;
    if (result.mcuFacts) mcuImage = *result.mcuFacts;
    if (result.flashFacts) flashImage = *result.flashFacts;
    // The opening of the port ends here too: it is no job of startJob()'s.
    const QString unfinished = Unfinished_Line(std::exchange(runningJob, Job::Probe), result);
    if (!unfinished.isEmpty()) {
        logLine(unfinished);
        // The window is going away: the terminal keeps the line.
        if (closeWhenStopped) std::fprintf(stderr, "tessara: %s\n", qPrintable(unfinished));
    }
    const std::function<void(const JobResult &)> then = std::move(afterJob);
    afterJob = nullptr;
    if (then)
        then(result);
    else
        restoreButtons();
}

void MainWindow::Show_ReadFail() {
    QMessageBox::critical(this, tr("Error"), tr("Read fail,please check the path!"),
                          QMessageBox::Ok);
}

void MainWindow::on_pushButton_InputMCUCode_clicked() {
    const QString path = chooseFile(tr("Select Mcu Code"), mcuFilePath, tr("file(*.bin)"));
    if (path.isEmpty() || inputBundle(path)) return;
    mcuFilePath = path;
    ui->lineEdit_MCU->setText(path);
    InputObserver shown(*this);
    const std::optional<McuImageFacts> facts = Input_McuImage(path, identity.row().code, shown);
    mcuImage = facts ? *facts : McuImageFacts();
    showImage(ImageRole::Mcu, mcuImage.mcuCrc, mcuImage.mcuLen);
    if (!facts) Show_ReadFail();
}

void MainWindow::on_pushButton_InputFlashCode_clicked() {
    const QString path = chooseFile(tr("Select Flash Code"), flashCodePath, tr("file(*.bin)"));
    if (path.isEmpty() || inputBundle(path)) return;
    flashCodePath = path;
    ui->lineEdit_Flash->setText(path);
    InputObserver shown(*this);
    const ImageRead read = Input_FlashImage(path, shown, flashImage);
    showImage(ImageRole::Flash, flashImage.flashCodeCrc, flashImage.flashCodeLen);
    if (read == ImageRead::CannotOpen) Show_ReadFail();
}

void MainWindow::on_pushButton_RunApp_clicked() {
    startJob(Job::Run);
}
void MainWindow::on_pushButton_UpdateMCU_clicked() {
    startJob(Job::UpdateMcu);
}
void MainWindow::on_pushButton_CheckMCU_clicked() {
    startJob(Job::CheckMcu);
}
void MainWindow::on_pushButton_UpdateFlash_clicked() {
    startJob(Job::UpdateFlash);
}
void MainWindow::on_pushButton_FlashInfo_clicked() {
    startJob(Job::FlashInfo);
}
void MainWindow::on_pushButton_CheckFlash_clicked() {
    startJob(Job::CheckFlash);
}
void MainWindow::on_pushButton_flashMode_clicked() {
    startJob(Job::FlashMode);
}
void MainWindow::on_pushButton_UpdateAll_clicked() {
    startJob(Job::UpdateAll);
}
void MainWindow::on_pushButton_clicked() {
    startJob(Job::ReportSecondBootInfo);
}
void MainWindow::on_pushButton_2_clicked() {
    startJob(Job::ReportDeviceInfo);
}
