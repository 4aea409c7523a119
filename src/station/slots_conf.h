#pragma once

#include "protocol/result.h"

#include <QList>
#include <QString>

// slots.conf: the names of the fixture's places, one "PATH = NAME" a line, in the order the
// tiles show them. PATH is a port's physical path (udev's ID_PATH, or the sysfs path of its USB
// interface) or a device path (/dev/ttyACM0, a link); '#' starts a comment.
struct SlotEntry {
    QString path;
    QString name;
};

// The entries of `text`; a line that is not "PATH = NAME", a name or a path given twice, a
// file too large: the reason, with its line number.
Result<QList<SlotEntry>> Parse_SlotsConf(const QByteArray &text);
Result<QList<SlotEntry>> Read_SlotsConf(const QString &path);
