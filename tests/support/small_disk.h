#pragma once

#include <QByteArray>
#include <QString>

// A real small disk: a tmpfs of `bytes` mounted at `path` for the lifetime of the object, when
// this user may mount one (root); ok() says whether it is there, error() why not.
class SmallDisk {
  public:
    SmallDisk(const QString &path, int bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool ok() const { return mounted; }
    QString error() const { return why; }

    // Takes every page left with the file `file`; removing it frees them. False when the disk
    // did not end up full.
    static bool fill(const QString &file);

  private:
    QByteArray where;
    bool mounted = false;
    QString why;
};
