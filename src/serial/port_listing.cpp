#include "serial/port_listing.h"

#include <algorithm>

QStringList Port_Listing(const SerialCommMap &map, const QList<PortIdentity> &identities,
                         const QMap<QString, QString> &notes) {
    // A long note (a port that did not open says why) overflows its own row, not every row.
    constexpr int MaxAlignedNote = 40;
    int noteWidth = 0;
    for (const QString &note : notes)
        noteWidth = std::max(noteWidth, std::min(int(note.size()), MaxAlignedNote));
    QStringList lines;
    for (const SerialPortEntry &e : map.entries) {
        const PortIdentity *id = Find_PortIdentity(identities, e.portName);
        QStringList cells{e.portName.leftJustified(16)};
        if (!notes.isEmpty()) cells.append(notes.value(e.portName).leftJustified(noteWidth));
        if (id) cells.append(Describe_UsbIdentity(*id));
        QString line =
            QStringLiteral("%1 %2 ")
                .arg(e.kernelName == Chip_KernelName() ? QLatin1Char('*') : QLatin1Char(' '))
                .arg(e.kernelName, -24) +
            cells.join(QLatin1Char(' '));
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        lines.append(line);
    }
    return lines;
}
