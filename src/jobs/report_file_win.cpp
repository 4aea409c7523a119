#include "jobs/report_file.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

ReportFileCalls ReportFileCalls::system() {
    ReportFileCalls c;
    c.open = [](const QString &path) {
        return _wopen(reinterpret_cast<const wchar_t *>(path.utf16()),
                      _O_RDWR | _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT,
                      _S_IREAD | _S_IWRITE);
    };
    c.close = [](int fd) { _close(fd); };
    // A file open here cannot be removed or replaced, and only this program appends to it.
    c.lock = [](int, bool) {};
    c.namedBy = [](int, const QString &) { return true; };
    c.size = [](int fd) -> qint64 { return _filelengthi64(fd); };
    c.byteAt = [](int fd, qint64 offset) {
        unsigned char byte = 0;
        return _lseeki64(fd, offset, SEEK_SET) == offset && _read(fd, &byte, 1) == 1 ? int(byte)
                                                                                     : -1;
    };
    c.write = [](int fd, const char *data, qint64 size) -> qint64 {
        return _write(fd, data, unsigned(size));
    };
    c.sync = [](int fd) { return _commit(fd); };
    c.truncate = [](int fd, qint64 size) {
        const errno_t failure = _chsize_s(fd, size);
        if (failure == 0) return 0;
        errno = failure;
        return -1;
    };
    // Windows sets no room aside without changing the file's size: the trial writes instead.
    c.reserve = [](int, qint64, qint64) {
        errno = ENOSYS;
        return -1;
    };
    return c;
}
