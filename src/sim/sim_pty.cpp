#include "sim/sim_pty.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {
QString systemError(const char *what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}
} // namespace

bool SimPty::open(QString *error) {
    close();
    masterFd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (masterFd < 0) {
        *error = systemError("posix_openpt");
        return false;
    }
    char name[128] = {};
    if (grantpt(masterFd) != 0 || unlockpt(masterFd) != 0 ||
        ptsname_r(masterFd, name, sizeof name) != 0) {
        *error = systemError("grantpt/unlockpt/ptsname");
        close();
        return false;
    }
    slave = QString::fromLocal8Bit(name);
    slaveFd = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios settings{};
    if (slaveFd < 0 || tcgetattr(slaveFd, &settings) != 0) {
        *error = systemError("opening the pty slave");
        close();
        return false;
    }
    // No byte may be translated or swallowed on the way (CR/LF, XON/XOFF, echo).
    cfmakeraw(&settings);
    if (tcsetattr(slaveFd, TCSANOW, &settings) != 0) {
        *error = systemError("tcsetattr");
        close();
        return false;
    }
    return true;
}

void SimPty::close() {
    if (slaveFd >= 0) ::close(slaveFd);
    if (masterFd >= 0) ::close(masterFd);
    slaveFd = masterFd = -1;
    slave.clear();
}

bool pointLink(const QString &link, const QString &target, QString *error) {
    const QByteArray linkPath = QFile::encodeName(link);
    const QByteArray temporary = linkPath + ".new";
    ::unlink(temporary.constData());
    if (::symlink(QFile::encodeName(target).constData(), temporary.constData()) != 0 ||
        ::rename(temporary.constData(), linkPath.constData()) != 0) {
        *error = systemError("symlink");
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}
