#pragma once

// Ctrl-C and a closed standard output, for the whole process and every board of a run. The first
// Ctrl-C asks each running operation to stop, as the window's Exit button does. An MCU write is
// never cut short (that would leave the chip without firmware): the operator hears at once that it
// is awaited, however often he presses. Outside an MCU write a second Ctrl-C ends the program the
// usual way. A reader that went away (`| head`) ends nothing: writes to it fail and are ignored.
void Catch_Interrupt();
// Whether Ctrl-C was pressed; may be asked from any thread.
bool Interrupt_Requested();
// A descriptor that becomes readable once Ctrl-C was pressed, for an event loop to wake on; -1
// where there is none (Windows), and the loop looks at Interrupt_Requested() on its own.
int Interrupt_WakeFd();
// A progress line is open on stderr: the Ctrl-C message erases it first.
void Note_ProgressLine(bool open);
