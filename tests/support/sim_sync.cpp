#include "support/sim_sync.h"

bool receivedSoFar(SimSession &s, QVector<SimFrame> &frames) {
    QByteArray request = simwire::frame('G');
    request[1] = char(0xE8);
    request[2] = char(0x17);
    request[3] = char(0x7F);
    simwire::put32(request, 8, simwire::crc(request.left(8)));
    const QByteArray reply = s.exchange(request, 24, 60000); // however busy the device is
    frames = s.sim.received();
    if (reply.isEmpty() || reply[0] != 'G' || frames.isEmpty() ||
        frames.last().name != QLatin1String("G"))
        return false;
    frames.removeLast();
    return true;
}

QStringList frameNames(const QVector<SimFrame> &frames) {
    QStringList names;
    for (const SimFrame &f : frames)
        names.append(f.name);
    return names;
}
