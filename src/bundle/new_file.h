#pragma once

#include <QByteArray>
#include <QString>

// Creates `path`, which must not exist yet, writes `bytes` and flushes them to the disk. A
// `secret` file is readable and writable by its owner only from the moment it exists. On failure
// nothing this call created is left at `path`, and `reason` says why in words.
bool Write_NewFile(const QString &path, const QByteArray &bytes, bool secret, QString &reason);
