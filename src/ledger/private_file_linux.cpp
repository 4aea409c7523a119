#include "ledger/private_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool Ensure_PrivateFile(const QString &path, QString &reason) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(folder);
        ::chmod(QFile::encodeName(folder).constData(), S_IRWXU);
    }
    const QByteArray name = QFile::encodeName(path);
    const int fd =
        ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        reason = QStringLiteral("cannot open the ledger \"%1\": %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    if (!regular) {
        reason = QStringLiteral("the ledger \"%1\" is not a regular file").arg(path);
        return false;
    }
    return true;
}
