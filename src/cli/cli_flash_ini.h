#pragma once

#include <QString>

// The Flash.ini a command will read, as its log line ("Flash.ini: PATH", or where none was
// found).
QString FlashIni_LogLine(const QString &chosen);
// Why that Flash.ini cannot be used when it exists but cannot be read; empty otherwise. The
// command then stops before any port is touched.
QString FlashIni_Problem(const QString &chosen);
