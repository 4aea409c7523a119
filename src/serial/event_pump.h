#pragma once

// Keeps the window alive during a long transfer: processes pending events, but at most once every
// few milliseconds, so that event processing costs little beside the packets themselves. A window
// repainted every few milliseconds is as responsive as one repainted after every packet. Each
// thread keeps its own clock and processes its own events.
void Pump_Events();
