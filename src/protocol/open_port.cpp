#include "protocol/open_port.h"

Result<> Require_OpenPort(DeviceSession &s) {
    if (s.link.isOpen()) return Done{};
    s.ui.message(QStringLiteral("Please open the port!"));
    return Fail(FailureKind::InputUnusable, QStringLiteral("the port is not open"));
}
