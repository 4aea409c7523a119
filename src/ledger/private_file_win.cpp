#include "ledger/private_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The user's data folder is the user's own on Windows; the file takes its permissions.
bool Ensure_PrivateFile(const QString &path, QString &reason) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        reason = QStringLiteral("cannot open the ledger \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
