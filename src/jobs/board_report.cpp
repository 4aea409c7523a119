#include "jobs/board_report.h"

#include <cerrno>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

QByteArray hex(uint32_t value) {
    return "\"0x" + QByteArray::number(value, 16) + '"';
}

// A JSON string: quotes, backslashes and control characters escaped, the rest as UTF-8.
QByteArray jsonString(const QString &text) {
    QByteArray json = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (uint8_t(c) < 0x20)
                json += "\\u00" + QByteArray::number(uint8_t(c), 16).rightJustified(2, '0');
            else
                json += c;
        }
    }
    return json + '"';
}

class Record {
  public:
    void field(const QByteArray &name, const QByteArray &json) {
        text += (text.isEmpty() ? "{\"" : ",\"") + name + "\":" + json;
    }
    void image(const char *prefix, const std::optional<BoardImage> &image) {
        if (!image) return;
        const QByteArray p(prefix);
        field(p + "_image", jsonString(image->path));
        if (image->length <= 0) return; // not read
        field(p + "_crc", hex(image->crc));
        field(p + "_length", QByteArray::number(image->length));
    }
    QByteArray jsonLine() const { return text + "}\n"; }

  private:
    QByteArray text;
};

} // namespace

QString Board_Result(const JobResult &outcome) {
    if (outcome.ok()) return QStringLiteral("ok");
    return outcome.interrupted() ? QStringLiteral("interrupted") : QStringLiteral("fail");
}

QString Board_FailureReason(const JobResult &outcome, const QString &command) {
    return outcome.reason().isEmpty() ? QStringLiteral("%1 failed").arg(command) : outcome.reason();
}

QByteArray Board_ReportLine(const JobResult &o, const QString &port, const QString &command,
                            const QDateTime &time, const QString &slot) {
    const bool identified = !o.model.isEmpty() && o.model != QLatin1String("unknown");
    Record r;
    r.field("time", jsonString(time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate)));
    r.field("port", jsonString(port));
    if (!slot.isEmpty()) r.field("slot", jsonString(slot));
    r.field("command", jsonString(command));
    r.field("model", o.model.isEmpty() ? QByteArray("null") : jsonString(o.model));
    r.field("boot_version", identified ? hex(o.bootVersion) : QByteArray("null"));
    r.field("result", jsonString(Board_Result(o)));
    if (!o.ok() && !o.interrupted()) r.field("reason", jsonString(Board_FailureReason(o, command)));
    r.field("seconds", QByteArray::number(o.seconds, 'f', 3));
    r.image("mcu", o.mcuImage);
    if (o.flashPart) r.field("flash_id", hex(o.flashPart->id));
    if (o.flashPart && !o.flashPart->name.isEmpty())
        r.field("flash_name", jsonString(o.flashPart->name));
    r.image("flash", o.flashImage);
    return r.jsonLine();
}

bool BoardReport::open(const QString &path) {
    file.setFileName(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

bool BoardReport::appendRecord(const QByteArray &line) {
    if (file.write(line) != line.size() || !file.flush()) return false;
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    // A pipe or a terminal has nothing to sync.
    return fsync(file.handle()) == 0 || errno == EINVAL;
#endif
}
