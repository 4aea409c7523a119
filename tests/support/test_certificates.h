#pragma once

#include <QByteArray>
#include <QString>

// Certificates made with openssl in `dir` for a TLS broker on this machine: ca.crt (and its key),
// other-ca.crt (a CA that signed nothing here), and server.crt with server.key for localhost and
// 127.0.0.1, signed by ca. False when openssl failed.
bool Make_TestCertificates(const QString &dir);
// Mosquitto's lines for a TLS listener on its main port with those files, and a plain listener
// on `plainPort` (for a test's subscriber).
QByteArray Tls_BrokerConfig(const QString &dir, int plainPort);
