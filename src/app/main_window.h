#pragma once

#include "protocol/frontend.h"
#include "protocol/session.h"
#include "serial/serial_link.h"

#include <QMainWindow>
#include <QString>
#include <functional>

class PortMonitor;
class QTimer;

namespace Ui {
class MainWindow;
}

// The operator's window: the form, the port scan and the buttons. Each button forwards to its
// device operation, which reaches the operator back through the Frontend this window implements.
class MainWindow : public QMainWindow, public Frontend {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The action buttons as a group; a KQ580 gets the ones its boot loader serves.
    void Set_Buttons_Enabled(bool enable);
    // A modal critical box titled "Message" with an OK button.
    void Show_Message(const QString &text);
    // Appends "Timer:H:M:S".
    void Log_Time();
    void Load_Config();
    void Save_Config();

    // Frontend
    void logLine(const QString &text) override;
    void clearLog() override;
    void showMessage(const QString &text) override;
    void setProgress(int percent) override;
    void setButtonsEnabled(bool enable) override;
    void setUpdateAllEnabled(bool enable) override;
    void showModelName(const QString &name) override;
    void showFlashPart(const QString &id, const QString &size, const QString &name) override;
    void showMcuImageLabel(const QString &text) override;
    void showFlashImageLabel(const QString &text) override;
    bool eraseWholeChecked() const override;
    bool nandFlashChecked() const override;
    QString mcuImagePath() const override;
    QString flashImagePath() const override;
    bool exitRequested() const override;

    // The open-file dialog of the two Input buttons (caption, start location, filter -> the
    // chosen path, empty when cancelled). Replaceable so that tests can answer it.
    std::function<QString(const QString &, const QString &, const QString &)> chooseFile;

    SerialLink link; // the one port; waitTime follows the wait-time box
    DeviceSession session;
    QTimer *timer1 = nullptr; // port scan, one run per start
    QString portName;         // the port of the last open attempt
    int portIndex = -1;       // combo index of the chip's port in the last scan, -1 none
    int lastPortIndex = -1;
    int exitFlag = 0;
    int autoOpen = 1;
    bool awaitingChip = false; // the chip's port went away; the scan waits for it to return

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
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;
#endif

  private:
    // Device-change reactions (the Windows 10 ones drive Linux hot-plug as well).
    void Port_Arrived(const QString &name);
    void Port_Removed(const QString &name);
    void DevNodes_Changed();
    void Port_Lost();
    void Await_Chip();
    void Reset_PortButton();
    void Show_ReadFail();

    Ui::MainWindow *ui = nullptr;
    PortMonitor *monitor = nullptr;
#ifdef Q_OS_WIN
    bool windows10 = false; // port notifications; older versions only report device-node changes
#endif
};
