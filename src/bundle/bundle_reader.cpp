#include "bundle/bundle_reader.h"

#include "bundle/bounded_file.h"
#include "bundle/bundle_limits.h"
#include "bundle/minisign.h"
#include "bundle/zip_archive.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace {

// The manifest, its signature and two images.
constexpr int MaxEntries = 4;

QString printable(const QByteArray &bytes) {
    QString text = QString::fromUtf8(bytes);
    for (QChar &c : text)
        if (!c.isPrint()) c = QLatin1Char(' ');
    return text;
}

BundleSignature checkSignature(const QByteArray &file, const QByteArray &manifest,
                               const QList<TrustedKey> &trusted) {
    BundleSignature s;
    MinisignSignature signature;
    QString why;
    if (!Minisign_ReadSignature(file, signature, why)) {
        s.state = SignatureState::Bad;
        s.problem = QStringLiteral("%1: %2").arg(QLatin1String(SignatureName), why);
        return s;
    }
    s.keyId = Minisign_KeyIdText(signature.keyId);
    s.trustedComment = printable(signature.trustedComment);
    s.state = SignatureState::NotTrusted;
    bool anyProduct = false;
    for (const TrustedKey &t : trusted) {
        if (t.key.keyId != signature.keyId) continue;
        if (Minisign_Verify(signature, manifest, t.key, why)) {
            if (s.state != SignatureState::Trusted) s.keySource = t.source;
            s.state = SignatureState::Trusted;
            // The same key in several files: what any of them allows.
            anyProduct = anyProduct || t.products.isEmpty();
            for (const QString &product : t.products)
                if (!s.keyProducts.contains(product)) s.keyProducts.append(product);
        } else if (s.state != SignatureState::Trusted) {
            s.state = SignatureState::Bad;
            s.problem = why;
        }
    }
    if (anyProduct) s.keyProducts.clear();
    return s;
}

// A trusted signer limited to other products signs nothing of this one.
QString productRefusal(const BundleSignature &s, const QString &product) {
    if (s.state != SignatureState::Trusted || s.keyProducts.isEmpty() ||
        s.keyProducts.contains(product))
        return QString();
    return QStringLiteral("it is product %1, and its signer, key ID %2 (%3), is trusted only for "
                          "product %4")
        .arg(product, s.keyId, s.keySource, s.keyProducts.join(QLatin1String(", ")));
}

const ZipEntry *entryNamed(const QList<ZipEntry> &entries, const QString &name) {
    for (const ZipEntry &e : entries)
        if (e.name == name) return &e;
    return nullptr;
}

// The image the manifest describes as `kind`, from its entry's bytes; false when they differ.
bool takeImage(const QString &kind, const ManifestImage &declared, const ZipEntry &entry,
               std::optional<BundleImage> &image, QString &reason) {
    const ManifestImage found = Describe_Image(declared.file, entry.data);
    const QString what = QStringLiteral("the %1 image \"%2\"").arg(kind, declared.file);
    if (found.length != declared.length)
        reason = QStringLiteral("%1 is %2 bytes; the manifest says %3")
                     .arg(what)
                     .arg(found.length)
                     .arg(declared.length);
    else if (found.crc != declared.crc)
        reason = QStringLiteral("%1 has CRC-32 %2; the manifest says %3")
                     .arg(what, Hex_Text(found.crc), Hex_Text(declared.crc));
    else if (found.sha256 != declared.sha256)
        reason = QStringLiteral("%1 has SHA-256 %2; the manifest says %3")
                     .arg(what, QString::fromLatin1(found.sha256.toHex()),
                          QString::fromLatin1(declared.sha256.toHex()));
    else {
        image =
            BundleImage{declared.file, entry.data, found.crc, int32_t(found.length), found.sha256};
        return true;
    }
    return false;
}

// Reads the images the manifest names, each no longer than it says, and compares them.
bool readImages(const QByteArray &archive, Bundle &b, QString &reason) {
    const BundleManifest &m = b.manifest;
    const auto limit = [&m](const QString &name) -> qint64 {
        if (m.mcu && name == m.mcu->file) return m.mcu->length;
        if (m.flash && name == m.flash->file) return m.flash->length;
        return -1;
    };
    QList<ZipEntry> entries;
    if (!Read_Zip(archive, MaxEntries, limit, entries, reason)) return false;
    for (const ZipEntry &e : entries) {
        if (!e.read) continue;
        const bool isMcu = m.mcu && e.name == m.mcu->file;
        if (!takeImage(isMcu ? QStringLiteral("MCU") : QStringLiteral("flash"),
                       isMcu ? *m.mcu : *m.flash, e, isMcu ? b.mcu : b.flash, reason))
            return false;
    }
    // The per-board fields must find what they patch (an EDID block) in the image itself.
    if (b.flash) reason = UnitFields_ImageRefusal(m.unitData, b.flash->bytes);
    return reason.isEmpty();
}

// Entries and manifest agree: each entry is the manifest, its signature or an image it names,
// and each image it names is there.
bool entriesMatchManifest(const QList<ZipEntry> &entries, const BundleManifest &m,
                          QString &reason) {
    for (const ZipEntry &e : entries) {
        if (e.name == QLatin1String(ManifestName) || e.name == QLatin1String(SignatureName) ||
            (m.mcu && e.name == m.mcu->file) || (m.flash && e.name == m.flash->file))
            continue;
        reason = QStringLiteral("the archive holds \"%1\", which the manifest does not name")
                     .arg(e.name);
        return false;
    }
    for (const auto &image : {m.mcu, m.flash}) {
        if (image && !entryNamed(entries, image->file)) {
            reason = QStringLiteral("the manifest names \"%1\", which is not in the archive")
                         .arg(image->file);
            return false;
        }
    }
    return true;
}

} // namespace

QString Signature_Refusal(const BundleSignature &s, bool anyTrusted, QString &warning) {
    warning.clear();
    switch (s.state) {
    case SignatureState::Trusted:
        return QString();
    case SignatureState::Bad:
        return QStringLiteral("its signature is bad: %1").arg(s.problem);
    case SignatureState::NotTrusted:
        if (anyTrusted)
            return QStringLiteral("it is signed by key ID %1, which is not a trusted key")
                .arg(s.keyId);
        return QStringLiteral("it is signed by key ID %1, and no key is trusted here to check the "
                              "signature: trust its public key (--trust FILE, or a file in %2)")
            .arg(s.keyId, Bundle_TrustedKeysDir());
    case SignatureState::Unsigned:
        if (anyTrusted)
            return QStringLiteral("it is not signed, and only bundles signed by a trusted key are "
                                  "accepted here");
        warning = QStringLiteral("the bundle is not signed and no key is trusted here: its origin "
                                 "is not checked");
        return QString();
    }
    return QStringLiteral("unknown signature state");
}

QString Signature_Text(const BundleSignature &s) {
    switch (s.state) {
    case SignatureState::Unsigned:
        return QStringLiteral("not signed");
    case SignatureState::Trusted:
        return QStringLiteral("signed by key ID %1, trusted (%2)").arg(s.keyId, s.keySource);
    case SignatureState::NotTrusted:
        return QStringLiteral("signed by key ID %1, not trusted: no trusted key has that ID")
            .arg(s.keyId);
    case SignatureState::Bad:
        return s.keyId.isEmpty() ? QStringLiteral("bad: %1").arg(s.problem)
                                 : QStringLiteral("bad (key ID %1): %2").arg(s.keyId, s.problem);
    }
    return QString();
}

BundleCheck Check_Bundle(const QByteArray &archive, const QList<TrustedKey> &trusted) {
    BundleCheck check;
    Bundle &b = check.bundle;
    b.fileSha256 = QCryptographicHash::hash(archive, QCryptographicHash::Sha256);
    QString &reason = check.refusal;
    if (archive.size() > Bundle_FileMax()) {
        reason = QStringLiteral("the bundle is %1 bytes, more than any bundle can be (%2)")
                     .arg(archive.size())
                     .arg(Bundle_FileMax());
        return check;
    }
    // The manifest and its signature first: they say what the rest must be.
    const auto limit = [](const QString &name) -> qint64 {
        if (name == QLatin1String(ManifestName)) return ManifestMax;
        if (name == QLatin1String(SignatureName)) return SignatureFileMax;
        return -1;
    };
    QList<ZipEntry> entries;
    if (!Read_Zip(archive, MaxEntries, limit, entries, reason)) return check;
    const ZipEntry *manifest = entryNamed(entries, QLatin1String(ManifestName));
    if (!manifest) {
        reason = QStringLiteral("the archive holds no %1").arg(QLatin1String(ManifestName));
        return check;
    }
    b.archiveRead = true;
    if (const ZipEntry *signature = entryNamed(entries, QLatin1String(SignatureName)))
        b.signature = checkSignature(signature->data, manifest->data, trusted);
    QString why;
    if (b.signature.state == SignatureState::Bad)
        reason = Signature_Refusal(b.signature, !trusted.isEmpty(), check.warning);
    if (!Parse_BundleManifest(manifest->data, b.manifest, why)) {
        if (reason.isEmpty())
            reason = QStringLiteral("%1: %2").arg(QLatin1String(ManifestName), why);
        return check;
    }
    b.manifestRead = true;
    if (!reason.isEmpty()) return check;
    if (!entriesMatchManifest(entries, b.manifest, reason)) return check;
    // The images are checked before the signer is judged, so that a bundle refused for its
    // signer alone is known to be whole; nothing of a refused bundle is handed out.
    check.whole = readImages(archive, b, reason);
    if (check.whole) reason = Signature_Refusal(b.signature, !trusted.isEmpty(), check.warning);
    if (reason.isEmpty()) reason = productRefusal(b.signature, b.manifest.product);
    if (!reason.isEmpty()) {
        b.mcu.reset();
        b.flash.reset();
        check.warning.clear();
    }
    return check;
}

BundleCheck Check_BundleFile(const QString &path, const QList<TrustedKey> &trusted) {
    QByteArray archive;
    QString reason;
    BundleCheck check;
    if (Read_BoundedFile(path, Bundle_FileMax(), archive, reason))
        check = Check_Bundle(archive, trusted);
    else
        check.refusal = reason;
    check.bundle.path = QFileInfo(path).absoluteFilePath();
    return check;
}

BundleCheck Load_Bundle(const QString &path, const QStringList &trust,
                        const QString &trustedKeysDir) {
    QList<TrustedKey> trusted;
    BundleCheck check;
    if (!Load_TrustedKeys(trustedKeysDir, trust, trusted, check.refusal)) {
        check.bundle.path = QFileInfo(path).absoluteFilePath();
        return check;
    }
    return Check_BundleFile(path, trusted);
}
