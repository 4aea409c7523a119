#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file of at most `maxBytes`: false, with the reason in words, when it is not a
// regular file, is larger, or cannot be read whole (also when it grows while it is read).
bool Read_BoundedFile(const QString &path, qint64 maxBytes, QByteArray &bytes, QString &reason);
