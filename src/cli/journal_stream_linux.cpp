#include "cli/journal_stream.h"

#include <sys/stat.h>

std::optional<QByteArray> Stream_DeviceInode(FILE *stream) {
    struct stat status;
    if (fstat(fileno(stream), &status) != 0) return std::nullopt;
    return QByteArray::number(quint64(status.st_dev)) + ':' +
           QByteArray::number(quint64(status.st_ino));
}
