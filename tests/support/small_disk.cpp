#include "support/small_disk.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

SmallDisk::SmallDisk(const QString &path, int bytes) : where(QFile::encodeName(path)) {
    QDir().mkpath(path);
    const QByteArray options = "size=" + QByteArray::number(bytes);
    mounted = ::mount("tmpfs", where.constData(), "tmpfs", 0, options.constData()) == 0;
    if (!mounted) why = QString::fromLocal8Bit(std::strerror(errno));
}

SmallDisk::~SmallDisk() {
    if (mounted) ::umount2(where.constData(), MNT_DETACH);
}

bool SmallDisk::fill(const QString &file) {
    const int fd = ::open(QFile::encodeName(file).constData(), O_WRONLY | O_CREAT, 0600);
    const QByteArray page(4096, 'f');
    while (fd >= 0 && ::write(fd, page.constData(), size_t(page.size())) > 0) {
    }
    const bool full = errno == ENOSPC;
    if (fd >= 0) ::close(fd);
    return full;
}
