#include "serial/port_device.h"

QList<QStringList> Duplicate_Ports(const QStringList &ports, const QStringList &devices) {
    QList<QStringList> groups;
    QStringList seen; // the device of each group, in the groups' order
    for (int i = 0; i < ports.size() && i < devices.size(); ++i) {
        if (devices[i].isEmpty()) continue;
        const int group = int(seen.indexOf(devices[i]));
        if (group >= 0) {
            groups[group].append(ports[i]);
            continue;
        }
        seen.append(devices[i]);
        groups.append(QStringList{ports[i]});
    }
    QList<QStringList> duplicates;
    for (const QStringList &group : groups)
        if (group.size() > 1) duplicates.append(group);
    return duplicates;
}
