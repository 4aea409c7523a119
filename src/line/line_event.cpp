#include "line/line_event.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int FormatVersion = 1;

// A JSON value as Qt writes it (strings escaped, numbers exact), for an object whose fields keep
// the order they are written in: "v" and "event" first, for the reader's eye.
QByteArray jsonValue(const QJsonValue &value) {
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

class EventWriter {
  public:
    EventWriter(LineEvent::Kind kind, const QString &port, const QDateTime &time) {
        event.kind = kind;
        event.port = port;
        event.json = "{\"v\":" + QByteArray::number(FormatVersion) + ",\"event\":\"" +
                     Event_Name(kind) + '"';
        field("time", time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs));
        // A log line or a message of the program's own (the port listing) is of no board.
        if (kind == LineEvent::Log || kind == LineEvent::Message)
            text("port", port);
        else if (kind != LineEvent::Summary)
            field("port", port);
    }
    EventWriter &field(const char *name, const QJsonValue &value) {
        return raw(name, jsonValue(value));
    }
    // An optional text: null when empty.
    EventWriter &text(const char *name, const QString &value) {
        return field(name, value.isEmpty() ? QJsonValue() : QJsonValue(value));
    }
    EventWriter &raw(const char *name, const QByteArray &json) {
        event.json += ",\"" + QByteArray(name) + "\":" + json;
        return *this;
    }
    LineEvent done() {
        event.json += '}';
        return event;
    }

  private:
    LineEvent event;
};

} // namespace

const char *Event_Name(LineEvent::Kind kind) {
    switch (kind) {
    case LineEvent::Arrival:
        return "arrival";
    case LineEvent::Start:
        return "start";
    case LineEvent::Identified:
        return "identified";
    case LineEvent::Phase:
        return "phase";
    case LineEvent::Progress:
        return "progress";
    case LineEvent::Log:
        return "log";
    case LineEvent::Message:
        return "message";
    case LineEvent::End:
        return "end";
    case LineEvent::Summary:
        return "summary";
    }
    return "unknown";
}

const char *Event_PhaseName(ProgressPhase phase) {
    switch (phase) {
    case ProgressPhase::LoaderDownload:
        return "loader_download";
    case ProgressPhase::McuErase:
        return "mcu_erase";
    case ProgressPhase::McuWrite:
        return "mcu_write";
    case ProgressPhase::McuCrcCheck:
        return "mcu_crc_check";
    case ProgressPhase::FlashErase:
        return "flash_erase";
    case ProgressPhase::FlashWrite:
        return "flash_write";
    case ProgressPhase::FlashCrcCheck:
        return "flash_crc_check";
    }
    return "unknown";
}

LineEvent Arrival_Event(const BoardIdentity &board, const QDateTime &time) {
    return EventWriter(LineEvent::Arrival, board.port, time)
        .text("slot", board.slot)
        .text("usb_serial", board.usbSerial)
        .done();
}

LineEvent Start_Event(const QString &port, const QString &command, const QDateTime &time) {
    return EventWriter(LineEvent::Start, port, time).field("command", command).done();
}

LineEvent Identified_Event(const BoardIdentity &board, const QDateTime &time) {
    return EventWriter(LineEvent::Identified, board.port, time)
        .text("model", board.model)
        .text("boot_version", Boot_VersionText(board))
        .done();
}

LineEvent Phase_Event(const QString &port, ProgressPhase phase, const QDateTime &time) {
    return EventWriter(LineEvent::Phase, port, time)
        .field("phase", QLatin1String(Event_PhaseName(phase)))
        .done();
}

LineEvent Progress_Event(const QString &port, const std::optional<ProgressPhase> &phase,
                         int percent, const QDateTime &time) {
    return EventWriter(LineEvent::Progress, port, time)
        .text("phase", phase ? QLatin1String(Event_PhaseName(*phase)) : QString())
        .field("percent", qBound(0, percent, 100))
        .done();
}

LineEvent Log_Event(const QString &port, const QString &text, const QDateTime &time) {
    return EventWriter(LineEvent::Log, port, time).field("text", text).done();
}

LineEvent Message_Event(const QString &port, const QString &text, const QDateTime &time) {
    return EventWriter(LineEvent::Message, port, time).field("text", text).done();
}

LineEvent End_Event(const QString &port, const QByteArray &record, const QDateTime &time) {
    // The record goes in as the report has it; were it not an object, its text still does.
    const QByteArray line = record.trimmed();
    const bool object = QJsonDocument::fromJson(line).isObject();
    LineEvent end = EventWriter(LineEvent::End, port, time)
                        .raw("record", object ? line : jsonValue(QString::fromUtf8(line)))
                        .done();
    end.record = record;
    return end;
}

LineEvent Summary_Event(const RunSummary &summary, const QDateTime &time) {
    return EventWriter(LineEvent::Summary, QString(), time)
        .field("command", summary.command)
        .field("boards", summary.boards)
        .field("ok", summary.ok)
        .field("failed", summary.failed)
        .field("interrupted", summary.interrupted)
        .field("status", summary.status)
        .done();
}
