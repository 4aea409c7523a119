#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// The file calls a report is written with: the system's by default; a test replaces some of them
// to play a disk that fails. Each answers as its system call does: -1 with errno set on failure.
struct ReportFileCalls {
    // Opens `path` for appending (creating it), readable where the system allows.
    std::function<int(const QString &path)> open;
    std::function<void(int fd)> close;
    // Holds or lets go the file against the appends of other processes.
    std::function<void(int fd, bool hold)> lock;
    // Whether `path` still names the file open as `fd` (it may have been removed or replaced).
    std::function<bool(int fd, const QString &path)> namedBy;
    // Its size; -1 when it has none (a pipe, a terminal).
    std::function<qint64(int fd)> size;
    // The byte at `offset`, or -1 when it cannot be read.
    std::function<int(int fd, qint64 offset)> byteAt;
    std::function<qint64(int fd, const char *data, qint64 size)> write;
    // Puts what was written on the disk; 0 also where there is no disk (a pipe, a terminal).
    std::function<int(int fd)> sync;
    std::function<int(int fd, qint64 size)> truncate;
    // Sets `size` bytes of the disk aside for the file from `offset` on, the file itself (its
    // size and its bytes) unchanged; ENOSYS where the file or its file system cannot.
    std::function<int(int fd, qint64 offset, qint64 size)> reserve;

    static ReportFileCalls system();
};
