#pragma once

#include <QByteArray>
#include <QString>

// Keys and signatures in minisign's formats (Ed25519), through libsodium. A signature is made in
// the prehashed form, over the BLAKE2b-512 hash of the message ("ED"); the legacy form over the
// message itself ("Ed") is verified too. A global signature over the signature and the trusted
// comment binds that comment to the key.

struct MinisignPublicKey {
    QByteArray keyId; // 8 bytes
    QByteArray key;   // 32 bytes
};

struct MinisignSecretKey {
    QByteArray keyId;  // 8 bytes
    QByteArray secret; // 64 bytes: the seed, then the public key
};

struct MinisignSignature {
    QByteArray algorithm; // "ED" or "Ed"
    QByteArray keyId;
    QByteArray signature;       // 64 bytes
    QByteArray trustedComment;  // the bytes after "trusted comment: "
    QByteArray globalSignature; // 64 bytes
};

// A key ID as minisign shows it: the 8 bytes as a little-endian number, 16 upper-case digits.
QString Minisign_KeyIdText(const QByteArray &keyId);

// A new key pair with a random key ID.
MinisignSecretKey Minisign_NewKey();
MinisignPublicKey Minisign_PublicOf(const MinisignSecretKey &key);

// Reads a public key file (an untrusted comment line, then the key in base64), or the base64
// line alone as minisign -P takes it.
bool Minisign_ReadPublicKey(const QByteArray &text, MinisignPublicKey &key, QString &reason);
// Reads an unencrypted secret key file, as minisign -G -W writes it; its checksum must match
// (minisign 0.11 leaves it zero in unencrypted keys, which is taken as no checksum).
bool Minisign_ReadSecretKey(const QByteArray &text, MinisignSecretKey &key, QString &reason);
QByteArray Minisign_PublicKeyFile(const MinisignPublicKey &key);
QByteArray Minisign_SecretKeyFile(const MinisignSecretKey &key);

// Reads a signature file: four lines, the untrusted comment, the signature, the trusted comment,
// the global signature.
bool Minisign_ReadSignature(const QByteArray &text, MinisignSignature &signature, QString &reason);
// Whether `signature` is `key`'s over `message`, and its global signature over its trusted
// comment. The key IDs must match.
bool Minisign_Verify(const MinisignSignature &signature, const QByteArray &message,
                     const MinisignPublicKey &key, QString &reason);
// The signature file of `message`, prehashed, with `trustedComment` (one line).
QByteArray Minisign_Sign(const QByteArray &message, const MinisignSecretKey &key,
                         const QByteArray &trustedComment);
