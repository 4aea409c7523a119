#include "serial/port_monitor.h"

#include <dbt.h>
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
    if (msg->message != WM_DEVICECHANGE) return Change::None;
    if (msg->wParam == DBT_DEVNODES_CHANGED) return Change::DevNodesChanged;
    if (msg->wParam != DBT_DEVICEARRIVAL && msg->wParam != DBT_DEVICEREMOVECOMPLETE)
        return Change::None;
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(msg->lParam);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_PORT) return Change::None;
    const auto *port = reinterpret_cast<const DEV_BROADCAST_PORT_W *>(header);
    if (portName) *portName = QString::fromWCharArray(port->dbcp_name);
    return msg->wParam == DBT_DEVICEARRIVAL ? Change::PortArrived : Change::PortRemoved;
}
