#pragma once

#include <QString>

// The supervisor's password is kept only as a libsodium password hash (Argon2id, with its salt
// and cost in the text): the line "--supervisor-hash HASH" of station.conf.

// The hash of `password`; empty when it cannot be made (out of memory).
QString Hash_SupervisorPassword(const QString &password);
// Whether `password` is the one `hash` was made from; false for an empty or malformed hash.
bool Supervisor_PasswordMatches(const QString &hash, const QString &password);
// `conf` (the text of station.conf) with its supervisor line replaced by one for `hash`, or that
// line added at the end.
QString With_SupervisorHash(const QString &conf, const QString &hash);
// Writes the hash of `password` into the configuration file `confPath` (made if it does not
// exist; replaced whole, so that a reader never sees half of it). False, with `error`, when the
// password is empty or the file cannot be read or written.
bool Set_SupervisorPassword(const QString &confPath, const QString &password, QString &error);
