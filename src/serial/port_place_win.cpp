#include "serial/port_place.h"

// Windows names no physical path here yet: slots are keyed by the port name there.
PortPlace Port_Place(const QString &) {
    return {};
}
