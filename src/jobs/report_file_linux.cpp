#include "jobs/report_file.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

ReportFileCalls ReportFileCalls::system() {
    ReportFileCalls c;
    c.open = [](const QString &path) {
        const QByteArray name = QFile::encodeName(path);
        const int flags = O_APPEND | O_CREAT | O_CLOEXEC;
        const int fd = ::open(name.constData(), O_RDWR | flags, 0666);
        // A file we may write but not read still takes records.
        return fd >= 0 || errno != EACCES ? fd : ::open(name.constData(), O_WRONLY | flags, 0666);
    };
    c.close = [](int fd) { ::close(fd); };
    c.lock = [](int fd, bool hold) {
        while (::flock(fd, hold ? LOCK_EX : LOCK_UN) != 0 && errno == EINTR) {
        }
    };
    c.namedBy = [](int fd, const QString &path) {
        struct stat open {
        }, named{};
        return ::fstat(fd, &open) == 0 &&
               ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
               open.st_dev == named.st_dev && open.st_ino == named.st_ino;
    };
    c.size = [](int fd) -> qint64 {
        struct stat info {};
        if (::fstat(fd, &info) != 0) return -1;
        return S_ISREG(info.st_mode) ? qint64(info.st_size) : -1;
    };
    c.byteAt = [](int fd, qint64 offset) {
        unsigned char byte = 0;
        return ::pread(fd, &byte, 1, off_t(offset)) == 1 ? int(byte) : -1;
    };
    c.write = [](int fd, const char *data, qint64 size) -> qint64 {
        return ::write(fd, data, size_t(size));
    };
    c.sync = [](int fd) {
        // A pipe or a terminal has nothing to sync.
        return ::fsync(fd) == 0 || errno == EINVAL ? 0 : -1;
    };
    c.truncate = [](int fd, qint64 size) { return ::ftruncate(fd, off_t(size)); };
    c.reserve = [](int fd, qint64 offset, qint64 size) {
        if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, off_t(offset), off_t(size)) == 0) return 0;
        if (errno == EOPNOTSUPP || errno == ENODEV || errno == ESPIPE) errno = ENOSYS;
        return -1;
    };
    return c;
}
