#include "serial/port_write.h"

#include <QSerialPort>
#include <cerrno>
#include <unistd.h>

int Write_PortDirect(QSerialPort &port, const char *data, int length) {
    // Bytes the port still holds go first: writing past them would reorder the stream.
    if (port.bytesToWrite() > 0 || port.handle() < 0) return 0;
    for (;;) {
        const ssize_t written = ::write(port.handle(), data, size_t(length));
        if (written >= 0) return int(written);
        if (errno != EINTR) return 0; // full (EAGAIN) or failing: the port says why, in order
    }
}
