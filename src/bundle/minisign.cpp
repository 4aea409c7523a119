#include "bundle/minisign.h"

#include <QList>
#include <cstring>
#include <sodium.h>

namespace {

constexpr int KeyIdBytes = 8;
const QByteArray SignatureAlgorithm("Ed");
const QByteArray PrehashedAlgorithm("ED");
const QByteArray NoKdf("\0\0", 2);
const QByteArray ScryptKdf("Sc");
const QByteArray ChecksumAlgorithm("B2");
const QByteArray UntrustedPrefix("untrusted comment: ");
const QByteArray TrustedPrefix("trusted comment: ");

// The secret key file's layout: algorithms, the key derivation's salt and limits (unused when
// unencrypted), then key ID, secret key and checksum.
constexpr int SaltBytes = 32;
constexpr int KdfHeaderBytes = 2 + 2 + 2 + SaltBytes + 8 + 8;
constexpr int ChecksumBytes = 32;
constexpr int SecretFileBytes =
    KdfHeaderBytes + KeyIdBytes + crypto_sign_SECRETKEYBYTES + ChecksumBytes;

void initialise() {
    // Safe to call from any thread, any number of times; fails only without a random source.
    if (sodium_init() < 0) qFatal("libsodium cannot be initialised");
}

const unsigned char *bytesOf(const QByteArray &a) {
    return reinterpret_cast<const unsigned char *>(a.constData());
}
unsigned char *bytesOf(QByteArray &a) {
    return reinterpret_cast<unsigned char *>(a.data());
}

QByteArray toBase64(const QByteArray &bin) {
    QByteArray text(
        int(sodium_base64_encoded_len(size_t(bin.size()), sodium_base64_VARIANT_ORIGINAL)), '\0');
    sodium_bin2base64(text.data(), size_t(text.size()), bytesOf(bin), size_t(bin.size()),
                      sodium_base64_VARIANT_ORIGINAL);
    text.chop(1); // the terminating zero
    return text;
}

// Exactly `length` bytes from a base64 line, or false.
bool fromBase64(const QByteArray &line, int length, QByteArray &bin) {
    const QByteArray text = line.trimmed();
    bin = QByteArray(length, '\0');
    size_t got = 0;
    const char *end = nullptr;
    return sodium_base642bin(bytesOf(bin), size_t(length), text.constData(), size_t(text.size()),
                             nullptr, &got, &end, sodium_base64_VARIANT_ORIGINAL) == 0 &&
           got == size_t(length) && end == text.constData() + text.size();
}

// The lines of a key or signature file, without line ends; blank lines at the end dropped.
QList<QByteArray> linesOf(const QByteArray &text) {
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r')) line.chop(1);
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray checksumOf(const QByteArray &algorithm, const QByteArray &keyId,
                      const QByteArray &secret) {
    const QByteArray input = algorithm + keyId + secret;
    QByteArray sum(ChecksumBytes, '\0');
    crypto_generichash(bytesOf(sum), size_t(sum.size()), bytesOf(input), size_t(input.size()),
                       nullptr, 0);
    return sum;
}

QByteArray prehash(const QByteArray &message) {
    QByteArray hash(crypto_generichash_BYTES_MAX, '\0');
    crypto_generichash(bytesOf(hash), size_t(hash.size()), bytesOf(message), size_t(message.size()),
                       nullptr, 0);
    return hash;
}

QByteArray signDetached(const QByteArray &message, const QByteArray &secret) {
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(bytesOf(signature), nullptr, bytesOf(message), size_t(message.size()),
                         bytesOf(secret));
    return signature;
}

bool verifyDetached(const QByteArray &signature, const QByteArray &message, const QByteArray &key) {
    return crypto_sign_verify_detached(bytesOf(signature), bytesOf(message), size_t(message.size()),
                                       bytesOf(key)) == 0;
}

} // namespace

QString Minisign_KeyIdText(const QByteArray &keyId) {
    QByteArray reversed;
    for (int i = keyId.size() - 1; i >= 0; --i)
        reversed.append(keyId.at(i));
    // As minisign prints it: a hexadecimal number, without leading zeros.
    QString text = QString::fromLatin1(reversed.toHex().toUpper());
    while (text.size() > 1 && text.startsWith(QLatin1Char('0')))
        text.remove(0, 1);
    return text;
}

MinisignSecretKey Minisign_NewKey() {
    initialise();
    MinisignSecretKey key;
    key.keyId = QByteArray(KeyIdBytes, '\0');
    randombytes_buf(bytesOf(key.keyId), size_t(KeyIdBytes));
    QByteArray pk(crypto_sign_PUBLICKEYBYTES, '\0');
    key.secret = QByteArray(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_keypair(bytesOf(pk), bytesOf(key.secret));
    return key;
}

MinisignPublicKey Minisign_PublicOf(const MinisignSecretKey &key) {
    // libsodium's secret key ends with the public key.
    return {key.keyId, key.secret.right(crypto_sign_PUBLICKEYBYTES)};
}

bool Minisign_ReadPublicKey(const QByteArray &text, MinisignPublicKey &key, QString &reason) {
    const QList<QByteArray> lines = linesOf(text);
    QByteArray line;
    if (lines.size() == 1)
        line = lines.at(0);
    else if (lines.size() == 2 && lines.at(0).startsWith(UntrustedPrefix))
        line = lines.at(1);
    else {
        reason = QStringLiteral("not a minisign public key (a comment line and a key line)");
        return false;
    }
    QByteArray bin;
    if (!fromBase64(line, 2 + KeyIdBytes + crypto_sign_PUBLICKEYBYTES, bin)) {
        reason = QStringLiteral("not a minisign public key (its key line is not 42 bytes of "
                                "base64)");
        return false;
    }
    if (bin.left(2) != SignatureAlgorithm) {
        reason = QStringLiteral("not an Ed25519 minisign public key");
        return false;
    }
    key.keyId = bin.mid(2, KeyIdBytes);
    key.key = bin.mid(2 + KeyIdBytes);
    return true;
}

bool Minisign_ReadSecretKey(const QByteArray &text, MinisignSecretKey &key, QString &reason) {
    const QList<QByteArray> lines = linesOf(text);
    QByteArray bin;
    if (lines.size() != 2 || !lines.at(0).startsWith(UntrustedPrefix) ||
        !fromBase64(lines.at(1), SecretFileBytes, bin)) {
        reason = QStringLiteral("not a minisign secret key file");
        return false;
    }
    const QByteArray algorithm = bin.left(2), kdf = bin.mid(2, 2), checksumKind = bin.mid(4, 2);
    if (algorithm != SignatureAlgorithm || checksumKind != ChecksumAlgorithm) {
        reason = QStringLiteral("not an Ed25519 minisign secret key");
        return false;
    }
    if (kdf == ScryptKdf) {
        reason = QStringLiteral("the secret key is encrypted with a password; Tessara signs with "
                                "unencrypted keys (tessara-cli bundle keygen, or minisign -G -W)");
        return false;
    }
    if (kdf != NoKdf) {
        reason = QStringLiteral("the secret key is protected in a way Tessara does not know");
        return false;
    }
    const QByteArray keyId = bin.mid(KdfHeaderBytes, KeyIdBytes);
    const QByteArray secret = bin.mid(KdfHeaderBytes + KeyIdBytes, crypto_sign_SECRETKEYBYTES);
    const QByteArray checksum = bin.right(ChecksumBytes);
    initialise();
    if (checksum != QByteArray(ChecksumBytes, '\0') &&
        checksum != checksumOf(algorithm, keyId, secret)) {
        reason = QStringLiteral("the secret key is damaged: its checksum does not match");
        return false;
    }
    // The public half must be the one the seed makes, or every signature would be bad.
    QByteArray pk(crypto_sign_PUBLICKEYBYTES, '\0'), sk(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_seed_keypair(bytesOf(pk), bytesOf(sk), bytesOf(secret));
    const bool consistent = sk == secret;
    sodium_memzero(sk.data(), size_t(sk.size()));
    if (!consistent) {
        reason = QStringLiteral("the secret key is damaged: its two halves do not belong together");
        return false;
    }
    key.keyId = keyId;
    key.secret = secret;
    return true;
}

QByteArray Minisign_PublicKeyFile(const MinisignPublicKey &key) {
    return "untrusted comment: minisign public key " + Minisign_KeyIdText(key.keyId).toLatin1() +
           '\n' + toBase64(SignatureAlgorithm + key.keyId + key.key) + '\n';
}

QByteArray Minisign_SecretKeyFile(const MinisignSecretKey &key) {
    initialise();
    const QByteArray bin = SignatureAlgorithm + NoKdf + ChecksumAlgorithm +
                           QByteArray(SaltBytes + 8 + 8, '\0') + key.keyId + key.secret +
                           checksumOf(SignatureAlgorithm, key.keyId, key.secret);
    return "untrusted comment: minisign unencrypted secret key " +
           Minisign_KeyIdText(key.keyId).toLatin1() + '\n' + toBase64(bin) + '\n';
}

bool Minisign_ReadSignature(const QByteArray &text, MinisignSignature &signature, QString &reason) {
    const QList<QByteArray> lines = linesOf(text);
    QByteArray bin, global;
    if (lines.size() != 4 || !lines.at(0).startsWith(UntrustedPrefix) ||
        !lines.at(2).startsWith(TrustedPrefix)) {
        reason = QStringLiteral("not a minisign signature file");
        return false;
    }
    if (!fromBase64(lines.at(1), 2 + KeyIdBytes + crypto_sign_BYTES, bin) ||
        !fromBase64(lines.at(3), crypto_sign_BYTES, global)) {
        reason = QStringLiteral("the signature file's signature lines are not base64 of the right "
                                "length");
        return false;
    }
    signature.algorithm = bin.left(2);
    if (signature.algorithm != PrehashedAlgorithm && signature.algorithm != SignatureAlgorithm) {
        reason = QStringLiteral("unknown signature algorithm \"%1\"")
                     .arg(QString::fromLatin1(signature.algorithm.toHex()));
        return false;
    }
    signature.keyId = bin.mid(2, KeyIdBytes);
    signature.signature = bin.mid(2 + KeyIdBytes);
    signature.trustedComment = lines.at(2).mid(TrustedPrefix.size());
    signature.globalSignature = global;
    return true;
}

bool Minisign_Verify(const MinisignSignature &signature, const QByteArray &message,
                     const MinisignPublicKey &key, QString &reason) {
    initialise();
    if (signature.keyId != key.keyId) {
        reason = QStringLiteral("signed by key ID %1, not by key ID %2")
                     .arg(Minisign_KeyIdText(signature.keyId), Minisign_KeyIdText(key.keyId));
        return false;
    }
    const QByteArray signedBytes =
        signature.algorithm == PrehashedAlgorithm ? prehash(message) : message;
    if (!verifyDetached(signature.signature, signedBytes, key.key)) {
        reason = QStringLiteral("the signature does not match the manifest");
        return false;
    }
    if (!verifyDetached(signature.globalSignature, signature.signature + signature.trustedComment,
                        key.key)) {
        reason = QStringLiteral("the signature of the trusted comment does not match");
        return false;
    }
    return true;
}

QByteArray Minisign_Sign(const QByteArray &message, const MinisignSecretKey &key,
                         const QByteArray &trustedComment) {
    initialise();
    const QByteArray signature = signDetached(prehash(message), key.secret);
    const QByteArray global = signDetached(signature + trustedComment, key.secret);
    return "untrusted comment: signature from minisign secret key " +
           Minisign_KeyIdText(key.keyId).toLatin1() + '\n' +
           toBase64(PrehashedAlgorithm + key.keyId + signature) + '\n' + TrustedPrefix +
           trustedComment + '\n' + toBase64(global) + '\n';
}
