#include "sim/sim_pty.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString systemError(const char *what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}

// What may stand at the link's path: nothing, or a link to a pseudo-terminal that an earlier
// run left there. Anything else is somebody's file and is never replaced.
bool mayReplace(const QByteArray &linkPath, QString *error) {
    struct stat info {};
    if (::lstat(linkPath.constData(), &info) != 0) {
        if (errno == ENOENT) return true;
        *error = systemError("lstat");
        return false;
    }
    char target[PATH_MAX] = {};
    const ssize_t length =
        S_ISLNK(info.st_mode) ? ::readlink(linkPath.constData(), target, sizeof target - 1) : -1;
    if (length > 0 && QByteArray(target, int(length)).startsWith("/dev/pts/")) return true;
    *error = QStringLiteral("%1 exists and is not a link to a pseudo-terminal; not replaced")
                 .arg(QFile::decodeName(linkPath));
    return false;
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
    if (!mayReplace(linkPath, error)) return false;
    // Made aside under a name of this process's own, then renamed over the link in one step.
    const QByteArray temporary = linkPath + ".tessara-sim-" + QByteArray::number(::getpid());
    if (::symlink(QFile::encodeName(target).constData(), temporary.constData()) != 0) {
        *error = systemError("symlink");
        return false;
    }
    if (::rename(temporary.constData(), linkPath.constData()) != 0) {
        *error = systemError("rename");
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}
