#pragma once

#include <QObject>
#include <QString>

// Tells that a serial port arrived or left. Linux: a udev monitor of the tty subsystem. Windows:
// the window's WM_DEVICECHANGE messages, decoded by Parse_DeviceChange and fed to notify().
class PortMonitor : public QObject {
    Q_OBJECT

  public:
    explicit PortMonitor(QObject *parent = nullptr);
    ~PortMonitor() override;

    enum class Change { None, PortArrived, PortRemoved, DevNodesChanged };

    // Decodes a native WM_DEVICECHANGE message (Windows only; elsewhere returns None).
    static Change Parse_DeviceChange(void *message, QString *portName);

  signals:
    void portArrived(const QString &portName);
    void portRemoved(const QString &portName);

  private:
    struct Impl;
    Impl *impl = nullptr;
};
