#pragma once

// Ctrl-C, shared by every board of a run: the first one asks each running operation to stop, as
// the window's Exit button does; a second one ends the program the usual way.
void Catch_Interrupt();
// Whether Ctrl-C was pressed; may be asked from any thread.
bool Interrupt_Requested();
// A descriptor that becomes readable once Ctrl-C was pressed, for an event loop to wake on; -1
// where there is none (Windows), and the loop looks at Interrupt_Requested() on its own.
int Interrupt_WakeFd();
