#pragma once

#include "sim/sim_config.h"

#include <QString>
#include <QStringList>
#include <vector>

// What the tessara-sim command line asks for.
struct SimOptions {
    SimConfig config;
    std::vector<SimFault> faults;
    std::vector<SimPowerCut> powerCuts;
    QString logFile;
};

// Parses the program's arguments (args[0] is the program). Returns false with `error` set for
// a bad value; sets `helpText` and returns true when --help was given.
bool parseSimOptions(const QStringList &args, SimOptions *options, QString *error,
                     QString *helpText);

// One --fault value: LETTER:OCCURRENCE:KIND[:MS[:BYTES]], OCCURRENCE a number from 1 or "every",
// KIND one of silence, wrong-letter, split, two-replies, burst, garbage, bad-crc, bad-status,
// delay, vanish, echo-crc.
bool parseFault(const QString &text, SimFault *fault, QString *error);

// One --power-cut value: LETTER:OCCURRENCE[:PERCENT[:BACK_MS]], OCCURRENCE a number from 1,
// PERCENT 0..100 (50), BACK_MS a number of milliseconds or "never" (500).
bool parsePowerCut(const QString &text, SimPowerCut *cut, QString *error);
