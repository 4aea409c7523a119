#include "station/slots_conf.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(SlotsConf)
};

// A fixture has a few dozen places at most; a larger file is not a slots.conf.
constexpr qint64 MaxBytes = 64 * 1024;
constexpr int MaxNameLength = 32;

} // namespace

Result<QList<SlotEntry>> Parse_SlotsConf(const QByteArray &text) {
    if (text.size() > MaxBytes) return Fail(FailureKind::InputUnusable, Words::tr("too large"));
    QList<SlotEntry> entries;
    QSet<QString> paths, names;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = QString::fromUtf8(lines[i]);
        const int comment = line.indexOf(QLatin1Char('#'));
        if (comment >= 0) line.truncate(comment);
        line = line.trimmed();
        if (line.isEmpty()) continue;
        const int eq = line.lastIndexOf(QLatin1Char('='));
        const SlotEntry e{eq < 0 ? QString() : line.left(eq).trimmed(),
                          eq < 0 ? QString() : line.mid(eq + 1).trimmed()};
        const auto refuse = [&](const QString &why) {
            return Fail(FailureKind::InputUnusable, Words::tr("line %1: %2").arg(i + 1).arg(why));
        };
        if (e.path.isEmpty() || e.name.isEmpty()) return refuse(Words::tr("not PATH = NAME"));
        if (e.name.size() > MaxNameLength)
            return refuse(Words::tr("a name has %1 characters at most").arg(MaxNameLength));
        for (const QChar c : e.name)
            if (!c.isPrint()) return refuse(Words::tr("a name has printable characters only"));
        if (paths.contains(e.path)) return refuse(Words::tr("%1 is named twice").arg(e.path));
        if (names.contains(e.name)) return refuse(Words::tr("two slots are named %1").arg(e.name));
        paths.insert(e.path);
        names.insert(e.name);
        entries.append(e);
    }
    return entries;
}

Result<QList<SlotEntry>> Read_SlotsConf(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(FailureKind::SystemError, Words::tr("%1: %2").arg(path, file.errorString()));
    const Result<QList<SlotEntry>> entries = Parse_SlotsConf(file.read(MaxBytes + 1));
    if (!entries.ok()) return Fail(entries.kind(), Words::tr("%1: %2").arg(path, entries.reason()));
    return entries;
}
