#include "bundle/new_file.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

bool Write_NewFile(const QString &path, const QByteArray &bytes, bool secret, QString &reason) {
    const QByteArray name = QFile::encodeName(path);
    // O_EXCL: never over an existing file, nor through a link planted where it is to be.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          secret ? S_IRUSR | S_IWUSR : 0644);
    if (fd < 0) {
        const int error = errno;
        reason = error == EEXIST
                     ? QStringLiteral("\"%1\" exists already; it is left as it is").arg(path)
                     : QStringLiteral("cannot create \"%1\": %2").arg(path, systemError(error));
        return false;
    }
    const char *at = bytes.constData();
    qint64 left = bytes.size();
    int error = 0;
    while (left > 0 && error == 0) {
        const ssize_t written = ::write(fd, at, size_t(left));
        if (written < 0 && errno != EINTR) error = errno;
        if (written == 0) error = EIO;
        if (written > 0) {
            at += written;
            left -= written;
        }
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(name.constData());
        reason = QStringLiteral("cannot write \"%1\": %2").arg(path, systemError(error));
        return false;
    }
    return true;
}
