#pragma once

#include "bundle/minisign.h"

#include <QList>
#include <QString>
#include <QStringList>

// Key files on disk: the trusted public keys, a signer's secret key, a new key pair.

struct TrustedKey {
    MinisignPublicKey key;
    QString source; // the file it came from, or the key text given on the command line
    // The products whose bundles it may sign, from "product: NAME" lines of its file; empty: any.
    QStringList products{};
};

// Whether bundles of `product` may be signed by `key`.
bool Key_AllowsProduct(const TrustedKey &key, const QString &product);

// The system's folder of trusted public key files (a build setting, /etc/tessara/trusted-keys).
QString Bundle_TrustedKeysDir();

// Every key file in `folder` (none when it does not exist; hidden files are passed over) and each
// of `extra`: a public key file, or a key line as minisign -P takes it. A key file may limit its
// key to products, one line "product: NAME" each, after the key. Any of them that is not a
// public key stops the load: a key meant to be trusted must never drop out unseen.
bool Load_TrustedKeys(const QString &folder, const QStringList &extra, QList<TrustedKey> &keys,
                      QString &reason);

// Reads an unencrypted minisign secret key file.
bool Read_SecretKeyFile(const QString &path, MinisignSecretKey &key, QString &reason);

// Writes a new key pair: NAME.key (the secret key, owner only) and NAME.pub, never over an
// existing file; on failure neither is left behind.
bool Write_KeyPair(const QString &name, const MinisignSecretKey &key, QString &reason);
