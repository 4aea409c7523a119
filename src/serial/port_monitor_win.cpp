#include "serial/port_monitor.h"
#include "serial/win32/device_change.h"

#include <windows.h>

// On Windows the notifications reach the window as WM_DEVICECHANGE; the window decodes them
// with Parse_DeviceChange. The monitor object itself has nothing to watch.
struct PortMonitor::Impl {};

PortMonitor::PortMonitor(QObject *parent) : QObject(parent), impl(new Impl) {}

PortMonitor::~PortMonitor() {
    delete impl;
}

PortMonitor::Change PortMonitor::Parse_DeviceChange(void *message, QString *portName) {
    const MSG *msg = static_cast<const MSG *>(message);
    const win32::DeviceChangeMessage decoded =
        win32::Decode_DeviceChange(msg->message, msg->wParam, msg->lParam);
    if (portName) *portName = QString::fromStdWString(decoded.portName);
    return decoded.change;
}
