#include "app/config_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

namespace {
// Six short lines; anything beyond this is not a settings file and is not read.
constexpr qint64 MaxConfigBytes = 64 * 1024;
} // namespace

QString Config_Path() {
    return QDir::currentPath() + QStringLiteral("/config.ini");
}

bool Read_ConfigText(const QString &path, QString *text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    *text = QTextCodec::codecForLocale()->toUnicode(file.read(MaxConfigBytes));
    return true;
}

bool Write_ConfigText(const QString &path, const QString &text) {
    QSaveFile file(path);
    // A directory that allows no temporary file still lets the file itself be rewritten.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a short write (disk full, size limit) is seen here rather than lost
    // in a flush that still lets the commit go through.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const QByteArray bytes = QTextCodec::codecForLocale()->fromUnicode(text);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
