#include "serial/event_pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
constexpr qint64 PumpIntervalNs = 4'000'000;
}

void Pump_Events() {
    // Each board's thread pumps its own events, on its own clock.
    thread_local QElapsedTimer sinceLastPass;
    if (sinceLastPass.isValid() && sinceLastPass.nsecsElapsed() < PumpIntervalNs) return;
    QCoreApplication::processEvents();
    sinceLastPass.start();
}
