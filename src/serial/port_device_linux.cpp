#include "serial/port_device.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

QString Port_SystemPath(const QString &portName) {
    const bool path = portName.startsWith(QLatin1Char('/')) ||
                      portName.startsWith(QLatin1String("./")) ||
                      portName.startsWith(QLatin1String("../"));
    return path ? portName : QStringLiteral("/dev/") + portName;
}

QString Port_Device(const QString &portName, QString *error) {
    struct stat info {};
    if (portName.isEmpty() ||
        ::stat(QFile::encodeName(Port_SystemPath(portName)).constData(), &info) != 0) {
        if (error)
            *error = portName.isEmpty() ? QStringLiteral("no port named")
                                        : QString::fromLocal8Bit(std::strerror(errno));
        return QString();
    }
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return QStringLiteral("%1 %2:%3")
            .arg(S_ISCHR(info.st_mode) ? QLatin1String("char") : QLatin1String("block"))
            .arg(major(info.st_rdev))
            .arg(minor(info.st_rdev));
    return QStringLiteral("file %1:%2 inode %3")
        .arg(major(info.st_dev))
        .arg(minor(info.st_dev))
        .arg(info.st_ino);
}

QString Port_Instance(const QString &portName) {
    // The name's own node (the link, not what it leads to: a re-made link may lead to a device
    // number used before), and its change time, for a file system that reuses inodes at once.
    struct stat own {};
    const QByteArray path = QFile::encodeName(Port_SystemPath(portName));
    if (portName.isEmpty() || ::lstat(path.constData(), &own) != 0) return QString();
    const QString device = Port_Device(portName);
    if (device.isEmpty()) return QString();
    return QStringLiteral("%1 node %2 %3.%4")
        .arg(device)
        .arg(own.st_ino)
        .arg(own.st_ctim.tv_sec)
        .arg(own.st_ctim.tv_nsec);
}

bool Lock_PortDevice(QSerialPort &port) {
    // A lock on the device's node, which every link to it leads to. (QSerialPort's own lock
    // file is named after the name it was given, and root passes its exclusive mode.)
    return ::flock(port.handle(), LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}
