#pragma once

// Stop signals and a closed standard output, for the whole process and every board of a run.
// Ctrl-C (SIGINT), SIGTERM (`timeout`, a service manager) and SIGHUP (a closed terminal) stop
// alike. The first asks each running operation to stop, as the window's Exit button does: no new
// phase starts, and every board's record is written. An MCU write is never cut short (that would
// leave the chip without firmware): the operator hears at once that it is awaited, however many
// signals come. Outside an MCU write a second signal ends the program at once, with
// Interrupt_Status(), once the records of the boards whose runs have ended are written, and
// those still running are recorded as interrupted (jobs/owed_records.h), and every line hook still
// running is ended with all it started; a third does not wait. A
// reader that went away (`| head`) ends nothing: writes to it fail and are ignored.
void Catch_Interrupt();
// Whether a stop signal came; may be asked from any thread.
bool Interrupt_Requested();
// The signal that asked to stop first; 0 when none did.
int Interrupt_Signal();
// The exit status of a run that a signal stopped: 128 + the first signal (130 for Ctrl-C, 143
// for SIGTERM, 129 for SIGHUP).
int Interrupt_Status();
// A descriptor that becomes readable once a stop signal came, for an event loop to wake on; -1
// where there is none (Windows), and the loop looks at Interrupt_Requested() on its own.
int Interrupt_WakeFd();
// A progress line is open on stderr: the stop message erases it first.
void Note_ProgressLine(bool open);
