#include "bundle/new_file.h"

#include <QFile>

// On Windows a new file takes the access list of its folder: a secret key belongs in a folder of
// the user's own profile.
bool Write_NewFile(const QString &path, const QByteArray &bytes, bool secret, QString &reason) {
    Q_UNUSED(secret);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        reason = QFile::exists(path)
                     ? QStringLiteral("\"%1\" exists already; it is left as it is").arg(path)
                     : QStringLiteral("cannot create \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        reason = QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString());
        file.close();
        file.remove();
        return false;
    }
    file.close();
    return true;
}
