#include "serial/port_open_failure.h"

// Windows reports a port that another program holds as access denied, and has no group of
// serial-port users to join: the port is busy.
bool Port_AccessDenied(const QString &, QString *group) {
    group->clear();
    return false;
}
