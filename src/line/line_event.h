#pragma once

#include "line/board_identity.h"
#include "protocol/observer.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// One event of a run, as the line reads it: one JSON object on one line, format version 1
// (docs/events.md, docs/events.schema.json).
struct LineEvent {
    enum Kind { Arrival, Start, Identified, Phase, Progress, Log, Message, End, Summary };
    Kind kind = Log;
    QString port;      // the board's; empty for the run's summary
    QByteArray json;   // the whole object, without a line end
    QByteArray record; // an end's: the board's report record, as the report has it
};

// The name an event goes by in its "event" field and in MQTT topics: "arrival", "progress".
const char *Event_Name(LineEvent::Kind kind);
// The phase as events name it: "mcu_write", "flash_crc_check".
const char *Event_PhaseName(ProgressPhase phase);

// How a run of several boards ended, for its summary.
struct RunSummary {
    QString command;
    int boards = 0;
    int ok = 0;
    int failed = 0;
    int interrupted = 0;
    int status = 0; // the program's exit status
};

// The events themselves, stamped with `time`.
LineEvent Arrival_Event(const BoardIdentity &board, const QDateTime &time);
LineEvent Start_Event(const QString &port, const QString &command, const QDateTime &time);
LineEvent Identified_Event(const BoardIdentity &board, const QDateTime &time);
LineEvent Phase_Event(const QString &port, ProgressPhase phase, const QDateTime &time);
LineEvent Progress_Event(const QString &port, const std::optional<ProgressPhase> &phase,
                         int percent, const QDateTime &time);
LineEvent Log_Event(const QString &port, const QString &text, const QDateTime &time);
LineEvent Message_Event(const QString &port, const QString &text, const QDateTime &time);
// `record` is the board's report record (Board_ReportLine), embedded whole as "record".
LineEvent End_Event(const QString &port, const QByteArray &record, const QDateTime &time);
LineEvent Summary_Event(const RunSummary &summary, const QDateTime &time);
