#pragma once

// Stopping every board run of the process at once (Ctrl-C in tessara-cli). Each run sees the
// request at its next look at its stop token (BoardThread::stopRequested, the terminal's). An MCU
// write is never cut short (a half-written MCU flash leaves the chip without firmware): it marks
// itself so that whoever asks to stop can say what is being waited for.
// Everything here is safe to call from a signal handler and from any thread.
void Request_Stop();
bool Stop_Requested();
bool Mcu_WriteInProgress();

// Marks an MCU write for its lifetime.
class McuWriteScope {
  public:
    McuWriteScope();
    ~McuWriteScope();
    McuWriteScope(const McuWriteScope &) = delete;
    McuWriteScope &operator=(const McuWriteScope &) = delete;
};
