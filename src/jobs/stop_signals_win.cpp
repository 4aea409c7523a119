#include "jobs/stop_signals.h"

// Windows ends a window's program through its window (closing it asks and stops safely).
StopSignals::StopSignals(QObject *parent) : QObject(parent) {}

StopSignals::~StopSignals() = default;
