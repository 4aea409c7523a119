#pragma once

// tessara-cli's exit statuses; a run stopped by a signal ends with Interrupt_Status(), 128 + the
// signal, the shells' status of a program that the signal ended (130 for Ctrl-C).
enum CliStatus { CliOk = 0, CliFailed = 1, CliUsage = 2 };
