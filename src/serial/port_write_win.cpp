#include "serial/port_write.h"

// Windows writes through the port's overlapped buffer.
int Write_PortDirect(QSerialPort &, const char *, int) {
    return 0;
}
