#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh temporary directory that is the process's current directory for the lifetime of the
// object; config.ini and Flash.ini are looked up there. The previous directory is restored.
class ScopedCurrentDir {
  public:
    ScopedCurrentDir();
    ~ScopedCurrentDir();
    ScopedCurrentDir(const ScopedCurrentDir &) = delete;
    ScopedCurrentDir &operator=(const ScopedCurrentDir &) = delete;

    QString path() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }
    // Writes `bytes` to `name` inside the directory and returns the full path.
    QString write(const QString &name, const QByteArray &bytes) const;

  private:
    QTemporaryDir dir;
    QString previous;
};
