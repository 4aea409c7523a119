#pragma once

#include "bundle/bundle_manifest.h"
#include "bundle/key_files.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Reading a release bundle (.kqb) and deciding whether it may be used.

enum class SignatureState {
    Unsigned,   // no manifest.json.minisig
    Trusted,    // verified by a trusted key
    NotTrusted, // signed by a key that is not trusted here, so it cannot be checked
    Bad,        // unreadable, or it does not verify with the trusted key of its key ID
};

struct BundleSignature {
    SignatureState state = SignatureState::Unsigned;
    QString keyId;          // as minisign shows it; empty when unsigned or unreadable
    QString trustedComment; // printable; verified only when Trusted
    QString keySource;      // the trusted key that verified it
    // The products the trusted keys that verified it may sign; empty: any product.
    QStringList keyProducts;
    QString problem; // why it is Bad, in words
};

// An image of an accepted bundle, as the update writes it.
struct BundleImage {
    QString file; // its name in the archive
    QByteArray bytes;
    uint32_t crc = 0;
    int32_t length = 0;
    QByteArray sha256; // 32 bytes
};

struct Bundle {
    QString path;             // absolute; empty for a bundle checked in memory
    QByteArray fileSha256;    // of the archive's bytes, the very bytes that were checked
    bool archiveRead = false; // a zip archive with a manifest: the signature state is known
    bool manifestRead = false;
    BundleManifest manifest; // valid when manifestRead
    BundleSignature signature;
    std::optional<BundleImage> mcu, flash; // only in an accepted bundle
};

struct BundleCheck {
    Bundle bundle;   // as much as could be read
    QString refusal; // the first reason it must not be used, in words; empty: accepted
    QString warning; // accepted, with something the operator must be told (unsigned)
    // The archive, its manifest and every image as the manifest says, and no bad signature:
    // refused, if at all, only because its signer is not trusted here.
    bool whole = false;
    bool accepted() const { return refusal.isEmpty(); }
};

// Checks an archive held in memory: a zip of at most four entries (the manifest, its signature
// and the images it names, nothing else), a valid manifest, every image's length, CRC-32 and
// SHA-256 as the manifest says, and a signature acceptable under the policy below.
BundleCheck Check_Bundle(const QByteArray &archive, const QList<TrustedKey> &trusted);
// Reads the file once (at most Bundle_FileMax bytes) and checks what was read.
BundleCheck Check_BundleFile(const QString &path, const QList<TrustedKey> &trusted);
// What a run calls: the trusted keys of `trustedKeysDir` and of `trust` (--trust), then the
// bundle file. A trusted key that cannot be read refuses the bundle.
BundleCheck Load_Bundle(const QString &path, const QStringList &trust,
                        const QString &trustedKeysDir = Bundle_TrustedKeysDir());

// The signature policy. A signature that does not verify is always refused. With any key
// trusted, only a bundle verified by one of them is accepted. With none, an unsigned bundle is
// accepted with `warning` set, and a signed one is refused: it cannot be checked without its key.
// Returns the reason for a refusal, empty for acceptance.
QString Signature_Refusal(const BundleSignature &signature, bool anyTrusted, QString &warning);

// The signature state in words: "not signed", "signed by key ID X, trusted (FILE)", ...
QString Signature_Text(const BundleSignature &signature);
