#pragma once

#include "protocol/frontend.h"

#include <QString>

// Logs which Flash.ini a command will read ("Flash.ini: PATH"), as its first log line. Returns
// the reason when that file exists but cannot be read, so that the command stops before the port
// is touched; empty otherwise.
QString Announce_FlashIni(const QString &chosen, Frontend &ui);
