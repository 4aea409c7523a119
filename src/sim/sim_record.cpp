#include "sim/sim_record.h"

QString SimFrame::text() const {
    QString line = QStringLiteral("#%1 %2.%3s %4 (%5 bytes)")
                       .arg(index)
                       .arg(timeMs / 1000)
                       .arg(timeMs % 1000, 3, 10, QLatin1Char('0'))
                       .arg(name.isEmpty() ? QStringLiteral("?") : name)
                       .arg(bytes.size());
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        line += QStringLiteral(" %1=0x%2").arg(it.key()).arg(it.value(), 0, 16);
    if (!note.isEmpty()) line += QStringLiteral(" (") + note + QLatin1Char(')');
    line += accepted ? QStringLiteral(" ok") : QStringLiteral(" REJECTED: ") + reason;
    return line;
}
