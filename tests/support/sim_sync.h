#pragma once

#include "support/sim_session.h"

#include <QStringList>
#include <QVector>

// Sets `frames` to every frame the simulator has taken so far, in order. A raw information
// request written after an operation's frames and answered proves that the device has read all
// of them, so a frame missing here was never sent. The round trip itself is left out. False
// when the device did not answer it (then nothing can be concluded).
bool receivedSoFar(SimSession &s, QVector<SimFrame> &frames);

// The names of `frames` ("K", "G", "I", "O", ...), in order.
QStringList frameNames(const QVector<SimFrame> &frames);
