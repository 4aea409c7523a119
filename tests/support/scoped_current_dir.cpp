#include "support/scoped_current_dir.h"

#include <QDir>
#include <QFile>

ScopedCurrentDir::ScopedCurrentDir() : previous(QDir::currentPath()) {
    QDir::setCurrent(dir.path());
}

ScopedCurrentDir::~ScopedCurrentDir() {
    QDir::setCurrent(previous);
}

QString ScopedCurrentDir::write(const QString &name, const QByteArray &bytes) const {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}
