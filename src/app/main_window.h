#pragma once

#include "app/port_scan.h"
#include "bundle/bundle_reader.h"
#include "jobs/job_request.h"
#include "jobs/job_result.h"

#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class BoardThread;

namespace Ui {
class MainWindow;
}

// The operator's window: the form, the port scan and the buttons. The chip's port and every job
// on it live on a board thread (jobs/board_thread.h): a button builds the job's request from the
// form and the window's state, disables the buttons and hands it over; what the job shows comes
// back as signals, and its end enables the buttons again. The GUI thread only paints and answers.
class MainWindow : public QMainWindow, private PortScan::Window {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The action buttons as a group; a chip with two boot loaders gets the ones its boot loader
    // serves.
    void Set_Buttons_Enabled(bool enable);
    // A modal critical box titled "Message" with an OK button.
    void Show_Message(const QString &text);
    // Appends "Timer:H:M:S".
    void Log_Time();
    void Load_Config();
    void Save_Config();

    // The log panel: one line per call (an empty text is an empty line), and clearing it.
    void logLine(const QString &text);
    void clearLog();

    // Whether the chip's port is open, as the board thread last told.
    bool isPortOpen() const { return portOpen; }
    // A job (or the opening of the port) is running on the board thread.
    bool jobRunning() const;
    // Stops the running job, if any, and waits until it has (the application is quitting).
    void stopBeforeQuit();

    // A release bundle (.kqb) as both images, named on the command line, dropped on the window or
    // chosen with an Input button: checked whole, as its manifest says, with an acceptable
    // signature, its images shown in both fields. The updates and checks then take its images,
    // and each update refuses a chip the bundle is not for before anything is erased. False,
    // after saying why, when it cannot be used (the fields stay as they were).
    bool openBundle(const QString &path);
    // The bundle the image fields show; none once an Input button chose an image file.
    const std::optional<Bundle> &openedBundle() const { return bundle; }

    // The open-file dialog of the two Input buttons (caption, start location, filter -> the
    // chosen path, empty when cancelled). Replaceable so that tests can answer it.
    std::function<QString(const QString &, const QString &, const QString &)> chooseFile;

    // What the window holds, for those who look at it from outside (tests): read only.
    // A job or the opening of the port runs; the scan and the Open Comm button wait meanwhile.
    bool isBusy() const { return busy; }
    const PortScan &portScan() const { return *scan; }
    // The operator's choices as the next job takes them.
    struct Choices {
        QString mcuFilePath, flashCodePath; // where the Input buttons start; config.ini
        int blSet = 0;                      // the boot-setting record after an MCU update
        int waitTime = 0;                   // extra milliseconds for the rest of a reply
    };
    Choices choices() const { return {mcuFilePath, flashCodePath, blSet, waitTime}; }

  public slots:
    QString GetComm(int index, QString keyValue);
    void Chenck_KQ_Vcom_device();
    void Timer1_Out_Event();
    void Open_SerialPort();
    void Close_SerialPort();
    void serial_receiveData();
    void on_pushButton_OpenCom_clicked();
    void on_pushButton_RunApp_clicked();
    void on_pushButton_InputMCUCode_clicked();
    void on_pushButton_InputFlashCode_clicked();
    void on_pushButton_UpdateMCU_clicked();
    void on_pushButton_CheckMCU_clicked();
    void on_pushButton_UpdateFlash_clicked();
    void on_pushButton_FlashInfo_clicked();
    void on_pushButton_CheckFlash_clicked();
    void on_pushButton_Exit_clicked();
    void on_pushButton_flashMode_clicked();
    void on_pushButton_UpdateAll_clicked();
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_comboBox_WaitTime_currentIndexChanged(int index);

  protected:
    // Closing while a job runs asks it to stop, and closes once it has.
    void closeEvent(QCloseEvent *event) override;
    // A .kqb file dropped on the window is opened as a bundle.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;
#endif

  private:
    // What the port scan asks of the window.
    bool scanMustWait() const override {
        return busy;
    }
    bool chipPortOpen() const override {
        return portOpen;
    }
    void openChipPort() override {
        Open_SerialPort();
    }
    void closeChipPort() override {
        Close_SerialPort();
    }
    void chipPortGone() override;
    void scanLog(const QString &text) override {
        logLine(text);
    }

    // The port went away under a job or the open port.
    void Port_Lost();
    void Reset_PortButton();
    void Show_ReadFail();

    // The buttons after a job: enabled unless the chip went away meanwhile.
    void restoreButtons();
    // The board thread of `port`, made anew when the port changed.
    BoardThread &boardFor(const QString &port);
    void followBoard(BoardThread &board);
    // Runs `job` on the open port with the window's choices; `then`, if given, after its result
    // has been taken over.
    void startJob(Job job, const std::function<void(const JobResult &)> &then = {});
    void jobEnded(const JobResult &result);
    // `request` (an update or check) from the bundle, its refusals shown; false when the bundle
    // lacks the image the job needs.
    bool takeBundle(JobRequest &request);
    // An Input button chose `path`: a bundle is opened as such (true), an image file ends the
    // bundle (false).
    bool inputBundle(const QString &path);
    void portOpened(const JobResult &result);
    void showFlashPart(const FlashPartFacts &part);
    void blankFlashPart();
    void showImage(ImageRole role, uint32_t crc, int32_t length);

    Ui::MainWindow *ui = nullptr;
    PortScan *scan = nullptr;
    std::unique_ptr<BoardThread> board;
    QString portName; // the port of the last open attempt
    int waitTime = 0; // extra milliseconds for the rest of a reply, from the wait-time box
    // A job or the opening of the port runs; the scan and the Open Comm button wait meanwhile.
    int busy = 0;

    // The chip as the last identification named it.
    ChipIdentity identity;
    // The boot-setting record sent after an MCU update (config.ini).
    int blSet = 0;
    // The images as the last Input or update left them: what the checks compare the chip with.
    QString mcuFilePath = QStringLiteral("./");
    McuImageFacts mcuImage;
    QString flashCodePath = QStringLiteral("./");
    FlashImageFacts flashImage;

    bool portOpen = false;
    bool closeWhenStopped = false; // Exit or the title bar asked while a job ran
    std::function<void(const JobResult &)> afterJob;
    Job runningJob = Job::Probe; // the job startJob() handed over, until it ends
    std::optional<Bundle> bundle;
#ifdef Q_OS_WIN
    bool windows10 = false; // port notifications; older versions only report device-node changes
#endif
};
