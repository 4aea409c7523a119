#include "serial/port_open_failure.h"

#include "serial/port_device.h"

#include <QFile>
#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QString groupName(gid_t gid) {
    group entry{};
    group *found = nullptr;
    std::vector<char> buffer(16384);
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return QString();
    return QString::fromLocal8Bit(found->gr_name);
}

} // namespace

bool Port_AccessDenied(const QString &portName, QString *group) {
    const QByteArray path = QFile::encodeName(Port_SystemPath(portName));
    if (::access(path.constData(), R_OK | W_OK) == 0 || errno != EACCES) return false;
    group->clear();
    // Serial devices are read and written by a group (dialout on Debian); name it when its
    // members may, and when joining it means something (not root's own group).
    struct stat info {};
    const mode_t groupReadWrite = S_IRGRP | S_IWGRP;
    if (::stat(path.constData(), &info) == 0 && (info.st_mode & groupReadWrite) == groupReadWrite &&
        info.st_gid != 0)
        *group = groupName(info.st_gid);
    return true;
}
