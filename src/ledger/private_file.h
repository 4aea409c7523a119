#pragma once

#include <QString>

// Makes sure `path` exists as a regular file that only its owner can read and write, creating it
// (and its folder, owner-only too) when it does not exist: never through a link planted there.
bool Ensure_PrivateFile(const QString &path, QString &reason);
