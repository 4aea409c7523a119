#include "support/process_files.h"

#include <QFile>

QString Read_TextFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool Process_Gone(qint64 pid) {
    const QString stat = Read_TextFile(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.isEmpty() || stat.section(QLatin1Char(')'), 1).trimmed().startsWith('Z');
}
