#include "app/port_scan.h"

#include "serial/port_map.h"
#include "serial/port_monitor.h"

#include <QComboBox>
#include <QTimer>

namespace {
constexpr int FirstScanMs = 1000;
constexpr int RescanMs = 500;
constexpr int DevNodesRescanMs = 2000;
constexpr int DevNodesSettleMs = 1000;
} // namespace

PortScan::PortScan(Window &window, QComboBox &ports, QObject *parent)
    : QObject(parent), w(window), box(ports) {
    monitor = new PortMonitor(this);
    connect(monitor, &PortMonitor::portArrived, this,
            [this](const QString &name) { Port_Arrived(name); });
    connect(monitor, &PortMonitor::portRemoved, this,
            [this](const QString &name) { Port_Removed(name); });
    timer1 = new QTimer(this);
    connect(timer1, &QTimer::timeout, this, &PortScan::Timer1_Out_Event);
    timer1->start(FirstScanMs);
}

QString PortScan::GetComm(int index) {
    const SerialCommMap map = Read_SerialCommMap();
    if (!map.opened) return QStringLiteral("Cannot open regedit!");
    if (index < 0 || index >= map.entries.size()) return QStringLiteral(" ");
    const SerialPortEntry &entry = map.entries.at(index);
    if (entry.kernelName == Chip_KernelName()) chipIndex = index;
    return entry.portName;
}

void PortScan::Chenck_KQ_Vcom_device() {
    const int count = SerialComm_Count();
    box.clear();
    chipIndex = -1;
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(GetComm(i));
    box.addItems(names);
}

void PortScan::Timer1_Out_Event() {
    timer1->stop();
    if (w.scanMustWait()) {
        timer1->start(RescanMs);
        return;
    }
    Chenck_KQ_Vcom_device();
    if (chipIndex >= 0) {
        box.setCurrentIndex(chipIndex);
        if (!w.chipPortOpen()) w.openChipPort();
    }
    lastChipIndex = chipIndex;
    // A chip that went away may come back with no notification (a port listed by path, a
    // simulator): look again until its port opens.
    if (awaitingChip && !w.chipPortOpen()) timer1->start(RescanMs);
}

void PortScan::Port_Arrived(const QString &name) {
    if (!w.chipPortOpen()) timer1->start(RescanMs);
    w.scanLog(QStringLiteral("Insert ") + name);
}

void PortScan::Port_Removed(const QString &name) {
    w.scanLog(QStringLiteral("Remove ") + name);
    if (!w.chipPortOpen() || box.currentText() != name) return;
    w.closeChipPort();
    Await_Chip();
}

void PortScan::Await_Chip() {
    awaitingChip = true;
    w.chipPortGone();
    timer1->start(RescanMs);
}

void PortScan::DevNodes_Changed() {
    if (w.scanMustWait()) return;
    const QString previous = box.currentText();
    w.closeChipPort();
    w.chipPortGone();
    QTimer::singleShot(DevNodesSettleMs, this, [this, previous] {
        Chenck_KQ_Vcom_device();
        if (chipIndex >= 0) {
            if (!w.chipPortOpen()) timer1->start(DevNodesRescanMs);
            w.scanLog(QStringLiteral("Insert ") + box.currentText());
        } else if (lastChipIndex >= 0) {
            w.scanLog(QStringLiteral("Remove ") + previous);
        }
        lastChipIndex = chipIndex;
    });
}
