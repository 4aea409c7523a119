#include "bundle/bounded_file.h"

#include <QFile>
#include <QFileInfo>
#include <new>

bool Read_BoundedFile(const QString &path, qint64 maxBytes, QByteArray &bytes, QString &reason) {
    bytes.clear();
    const QFileInfo info(path);
    if (!info.exists()) {
        reason = QStringLiteral("\"%1\" does not exist").arg(path);
        return false;
    }
    if (!info.isFile()) {
        reason = QStringLiteral("\"%1\" is not a file").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    const qint64 size = file.size();
    if (size > maxBytes) {
        reason = QStringLiteral("\"%1\" is %2 bytes, more than the %3 it may be")
                     .arg(path)
                     .arg(size)
                     .arg(maxBytes);
        return false;
    }
    try {
        // One byte more than the size shows a file that grew since it was measured.
        bytes = file.read(size + 1);
    } catch (const std::bad_alloc &) {
        reason = QStringLiteral("not enough memory to read \"%1\"").arg(path);
        return false;
    }
    if (bytes.size() != size || file.error() != QFileDevice::NoError) {
        reason = QStringLiteral("\"%1\" could not be read whole").arg(path);
        bytes.clear();
        return false;
    }
    return true;
}
