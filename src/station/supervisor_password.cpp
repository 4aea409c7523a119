#include "station/supervisor_password.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <sodium.h>

namespace {

const QString HashOption = QStringLiteral("--supervisor-hash");

struct Words {
    Q_DECLARE_TR_FUNCTIONS(SupervisorPassword)
};

} // namespace

QString Hash_SupervisorPassword(const QString &password) {
    if (sodium_init() < 0) return QString();
    const QByteArray bytes = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES] = {};
    if (crypto_pwhash_str(hash, bytes.constData(), quint64(bytes.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return QString();
    return QString::fromLatin1(hash);
}

bool Supervisor_PasswordMatches(const QString &hash, const QString &password) {
    if (hash.isEmpty() || sodium_init() < 0) return false;
    const QByteArray stored = hash.toLatin1();
    if (size_t(stored.size()) >= size_t(crypto_pwhash_STRBYTES)) return false;
    const QByteArray bytes = password.toUtf8();
    return crypto_pwhash_str_verify(stored.constData(), bytes.constData(), quint64(bytes.size())) ==
           0;
}

QString With_SupervisorHash(const QString &conf, const QString &hash) {
    // Single quotes: the hash's '$' and ',' stay literal when the line is split.
    const QString line = HashOption + QStringLiteral(" '") + hash + QLatin1Char('\'');
    QStringList lines = conf.split(QLatin1Char('\n'));
    bool replaced = false;
    for (QString &l : lines)
        if (l.trimmed().startsWith(HashOption + QLatin1Char(' '))) {
            l = line;
            replaced = true;
        }
    if (!replaced) {
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        lines.append(QStringLiteral("# The supervisor's password (tessara-station "
                                    "--set-supervisor-password)."));
        lines.append(line);
        lines.append(QString());
    }
    return lines.join(QLatin1Char('\n'));
}

bool Set_SupervisorPassword(const QString &confPath, const QString &password, QString &error) {
    if (password.isEmpty()) {
        error = Words::tr("the password is empty");
        return false;
    }
    QString conf;
    QFile in(confPath);
    if (in.exists()) {
        if (in.size() > 64 * 1024 || !in.open(QIODevice::ReadOnly)) {
            error = Words::tr("cannot read %1: %2")
                        .arg(confPath, in.isOpen() ? Words::tr("too large") : in.errorString());
            return false;
        }
        conf = QString::fromUtf8(in.readAll());
    }
    const QString hash = Hash_SupervisorPassword(password);
    QSaveFile out(confPath);
    if (hash.isEmpty() || !out.open(QIODevice::WriteOnly) ||
        out.write(With_SupervisorHash(conf, hash).toUtf8()) < 0 || !out.commit()) {
        error = Words::tr("cannot write %1: %2").arg(confPath, out.errorString());
        return false;
    }
    return true;
}
