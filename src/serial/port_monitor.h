#pragma once

#include "serial/win32/device_change.h"

#include <QObject>
#include <QString>

// Tells that a serial port arrived or left. Linux: a udev monitor of the tty subsystem. Windows:
// the window's WM_DEVICECHANGE messages, decoded by Parse_DeviceChange and fed to notify().
class PortMonitor : public QObject {
    Q_OBJECT

  public:
    explicit PortMonitor(QObject *parent = nullptr);
    ~PortMonitor() override;

    // What a device-change message says; decoded by the Win32 layer.
    using Change = win32::DeviceChange;

    // Decodes a native WM_DEVICECHANGE message (Windows only; elsewhere returns None).
    static Change Parse_DeviceChange(void *message, QString *portName);

  signals:
    void portArrived(const QString &portName);
    void portRemoved(const QString &portName);

  private:
    struct Impl;
    Impl *impl = nullptr;
};
