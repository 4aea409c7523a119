#pragma once

class QSerialPort;

// Writes `length` bytes of `data` straight to the port's device when nothing the port buffered
// is still waiting, without going through the port's buffer and its write notification (a wait
// and a wake-up per packet). Returns how many bytes the device took (0 when it takes none now, or
// on a system where the port is always written through its buffer); the caller hands the rest to
// the port, after these.
int Write_PortDirect(QSerialPort &port, const char *data, int length);
