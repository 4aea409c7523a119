#pragma once

#include "protocol/result.h"
#include "protocol/session.h"

// An operation starts only on an open port: otherwise the operator is asked to open it
// ("Please open the port!") and the operation fails before sending anything.
Result<> Require_OpenPort(DeviceSession &s);
