#include "bundle/key_files.h"

#include "bundle/bounded_file.h"
#include "bundle/new_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Key files are about a hundred bytes.
constexpr qint64 KeyFileMax = 4096;

const QByteArray ProductPrefix("product:");

// The "product: NAME" lines after the key are taken out of `text` into `products`; false when one
// names no product.
bool takeProducts(QByteArray &text, QStringList &products, QString &reason) {
    QList<QByteArray> kept;
    for (const QByteArray &line : text.split('\n')) {
        if (!line.startsWith(ProductPrefix)) {
            kept.append(line);
            continue;
        }
        const QString product = QString::fromUtf8(line.mid(ProductPrefix.size())).trimmed();
        if (product.isEmpty()) {
            reason = QStringLiteral("a \"product:\" line names no product");
            return false;
        }
        if (!products.contains(product)) products.append(product);
    }
    text = kept.join('\n');
    return true;
}

bool readPublicKeyFile(const QString &path, QList<TrustedKey> &keys, QString &reason) {
    QByteArray text;
    TrustedKey trusted;
    if (!Read_BoundedFile(path, KeyFileMax, text, reason)) {
        reason = QStringLiteral("trusted key: %1").arg(reason);
        return false;
    }
    if (!takeProducts(text, trusted.products, reason) ||
        !Minisign_ReadPublicKey(text, trusted.key, reason)) {
        reason = QStringLiteral("trusted key \"%1\": %2").arg(path, reason);
        return false;
    }
    trusted.source = path;
    keys.append(trusted);
    return true;
}

} // namespace

bool Key_AllowsProduct(const TrustedKey &key, const QString &product) {
    return key.products.isEmpty() || key.products.contains(product);
}

QString Bundle_TrustedKeysDir() {
    return QStringLiteral(TESSARA_TRUSTED_KEYS_DIR);
}

bool Load_TrustedKeys(const QString &folder, const QStringList &extra, QList<TrustedKey> &keys,
                      QString &reason) {
    keys.clear();
    const QFileInfo place(folder);
    if (!folder.isEmpty() && place.exists()) {
        // A folder that cannot be listed must not pass for one without keys.
        if (!place.isDir() || !place.isReadable() || !place.isExecutable()) {
            reason = QStringLiteral("cannot read the trusted keys folder \"%1\"").arg(folder);
            return false;
        }
        const QDir dir(folder);
        for (const QString &name :
             dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString path = dir.filePath(name);
            if (QFileInfo(path).isDir()) continue;
            if (!readPublicKeyFile(path, keys, reason)) return false;
        }
    }
    for (const QString &given : extra) {
        if (QFileInfo::exists(given)) {
            if (!readPublicKeyFile(given, keys, reason)) return false;
            continue;
        }
        MinisignPublicKey key;
        if (!Minisign_ReadPublicKey(given.toLatin1(), key, reason)) {
            reason = QStringLiteral("--trust \"%1\": no such file, nor a public key").arg(given);
            return false;
        }
        keys.append({key, given});
    }
    return true;
}

bool Read_SecretKeyFile(const QString &path, MinisignSecretKey &key, QString &reason) {
    QByteArray text;
    if (!Read_BoundedFile(path, KeyFileMax, text, reason)) return false;
    if (!Minisign_ReadSecretKey(text, key, reason)) {
        reason = QStringLiteral("\"%1\": %2").arg(path, reason);
        return false;
    }
    return true;
}

bool Write_KeyPair(const QString &name, const MinisignSecretKey &key, QString &reason) {
    const QString secretPath = name + QStringLiteral(".key");
    const QString publicPath = name + QStringLiteral(".pub");
    for (const QString &path : {secretPath, publicPath}) {
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
            reason = QStringLiteral("\"%1\" exists already; it is left as it is").arg(path);
            return false;
        }
    }
    if (!Write_NewFile(secretPath, Minisign_SecretKeyFile(key), true, reason)) return false;
    if (!Write_NewFile(publicPath, Minisign_PublicKeyFile(Minisign_PublicOf(key)), false, reason)) {
        QFile::remove(secretPath);
        return false;
    }
    return true;
}
