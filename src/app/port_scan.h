#pragma once

#include <QObject>
#include <QString>

class PortMonitor;
class QComboBox;
class QTimer;

// The window's port scan: fills the port box from the serial-port map, finds the chip's port in
// it (the one named \Device\USBSER000), selects it and has it opened; follows ports coming and
// going, and a chip that went away until it is back. It looks once per start of its timer: a
// second after start-up, half a second after a port arrived or the chip's port left, two seconds
// after a device-node change (Windows before 10) that found the chip's port.
class PortScan : public QObject {
    Q_OBJECT

  public:
    // What the scan asks of the window that it serves.
    class Window {
      public:
        // A job or the opening of the port runs: a look now would cut into it.
        virtual bool scanMustWait() const = 0;
        virtual bool chipPortOpen() const = 0;
        // Opens the port the box shows (Open_SerialPort); closes it if open (Close_SerialPort).
        virtual void openChipPort() = 0;
        virtual void closeChipPort() = 0;
        // The chip's port is gone: the port button offers to open, the action buttons are off.
        virtual void chipPortGone() = 0;
        virtual void scanLog(const QString &text) = 0;

      protected:
        ~Window() = default;
    };

    // Looks at the map into `ports`; the first look a second from now.
    PortScan(Window &window, QComboBox &ports, QObject *parent);

    // The port name of entry `index` of the map (" " when there is none, "Cannot open regedit!"
    // when the map cannot be read); notes the index when it is the chip's port.
    QString GetComm(int index);
    // Fills the port box from the map anew; the chip's port index, -1 when it is not listed.
    void Chenck_KQ_Vcom_device();
    // The timer's look: the chip's port selected and opened.
    void Timer1_Out_Event();

    // Hot-plug: a port arrived or left (Linux udev, Windows 10 notifications).
    void Port_Arrived(const QString &name);
    void Port_Removed(const QString &name);
    // Windows before 10: some device changed. Closes, lets it settle a second, looks again.
    void DevNodes_Changed();
    // The chip's port is gone (removed or lost): nothing can be done until it is back, and the
    // scan looks for it every half second until its port opens.
    void Await_Chip();
    // The chip's port opened with a chip identified on it.
    void chipBack() { awaitingChip = false; }
    bool isAwaitingChip() const { return awaitingChip; }

    // The port box index of the chip's port at the last look and at the one before; -1: none.
    int portIndex() const { return chipIndex; }
    int lastPortIndex() const { return lastChipIndex; }
    const QTimer &timer() const { return *timer1; }

  private:
    Window &w;
    QComboBox &box;
    QTimer *timer1 = nullptr;
    PortMonitor *monitor = nullptr;
    int chipIndex = -1;
    int lastChipIndex = -1;
    bool awaitingChip = false;
};
