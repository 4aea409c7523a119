#include "station/scanned_text.h"

#include <QCoreApplication>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(ScannedText)
};

} // namespace

QString Scanned_TextProblem(const QString &text) {
    if (text.isEmpty()) return Words::tr("nothing was scanned");
    if (text.size() > MaxScannedLength)
        return Words::tr("longer than %1 characters").arg(MaxScannedLength);
    for (const QChar c : text)
        if (!c.isPrint()) return Words::tr("holds a character that is not printable");
    if (text.front().isSpace() || text.back().isSpace())
        return Words::tr("starts or ends with a space");
    return QString();
}

QString Breakable_Serial(const QString &serial) {
    constexpr int Run = 4;
    QString shown;
    for (int i = 0; i < serial.size(); i += Run) {
        if (i > 0) shown += QChar(0x200b);
        shown += serial.mid(i, Run);
    }
    return shown;
}
