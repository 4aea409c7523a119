#include "jobs/board_report.h"

#include "jobs/owed_records.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// The system's words for the error `code` as the rest of a sentence ("no space left on device");
// `otherwise` where the system gave none.
QString systemWords(int code, const char *otherwise) {
    if (code == 0) return QString::fromLatin1(otherwise);
    QString text = QString::fromLocal8Bit(std::strerror(code));
    if (text.size() > 1 && text[0].isUpper() && text[1].isLower()) text[0] = text[0].toLower();
    return text;
}

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
        if (!image->sha256.isEmpty()) field(p + "_sha256", '"' + image->sha256.toHex() + '"');
    }
    QByteArray jsonLine() const { return text + "}\n"; }

  private:
    QByteArray text;
};

// How far a memory's step got, in the words of the record's own result.
QByteArray stepWords(StepState state) {
    switch (state) {
    case StepState::Ok:
        return "\"ok\"";
    case StepState::Failed:
        return "\"fail\"";
    case StepState::Interrupted:
        return "\"interrupted\"";
    case StepState::NotStarted:
        break;
    }
    return "\"not started\"";
}

} // namespace

QString Board_Result(const JobResult &outcome) {
    if (outcome.ok()) return QStringLiteral("ok");
    return outcome.interrupted() ? QStringLiteral("interrupted") : QStringLiteral("fail");
}

QString Board_FailureReason(const JobResult &outcome, const QString &command) {
    return outcome.reason().isEmpty() ? QStringLiteral("%1 failed").arg(command) : outcome.reason();
}

QByteArray Board_ReportLine(const JobResult &o, const QString &port, const QString &command,
                            const QDateTime &time, const QList<ReportField> &more) {
    Record r;
    r.field("time", jsonString(time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate)));
    r.field("port", jsonString(port));
    r.field("command", jsonString(command));
    r.field("model", o.chip ? jsonString(o.chip->name()) : QByteArray("null"));
    r.field("boot_version",
            o.chip && o.chip->known() ? hex(o.chip->bootVersion) : QByteArray("null"));
    r.field("result", jsonString(Board_Result(o)));
    if (!o.ok() && !o.interrupted()) {
        r.field("reason", jsonString(Board_FailureReason(o, command)));
        if (o.failure)
            r.field("failure", jsonString(QLatin1String(Failure_KindName(o.failure->kind))));
    }
    r.field("seconds", QByteArray::number(o.seconds, 'f', 3));
    r.image("mcu", o.mcuImage);
    if (o.flashPart) r.field("flash_id", hex(o.flashPart->id));
    if (o.flashPart && !o.flashPart->name.isEmpty())
        r.field("flash_name", jsonString(o.flashPart->name));
    r.image("flash", o.flashImage);
    // How far the board got with each memory the command was given an image for.
    if (o.mcuImage) r.field("mcu_result", stepWords(o.mcu));
    if (o.flashImage) r.field("flash_result", stepWords(o.flash));
    if (o.flashImage && o.flashBlocks > 0) {
        r.field("flash_blocks_sent", QByteArray::number(o.flashBlocksWritten));
        r.field("flash_blocks", QByteArray::number(o.flashBlocks));
    }
    for (const auto &value : o.unitValues)
        r.field("unit_" + value.first.toUtf8(), jsonString(value.second));
    for (const ReportField &f : more)
        r.field(f.name, f.text ? jsonString(*f.text) : QByteArray("null"));
    return r.jsonLine();
}

BoardReport::BoardReport(ReportFileCalls fileCalls) : calls(std::move(fileCalls)) {}

BoardReport::~BoardReport() {
    if (fd >= 0) calls.close(fd);
}

bool BoardReport::open(const QString &path) {
    std::lock_guard<std::mutex> guard(mutex);
    fileName = path;
    return openFile();
}

QString BoardReport::errorString() const {
    std::lock_guard<std::mutex> guard(mutex);
    return error;
}

QString BoardReport::path() const {
    std::lock_guard<std::mutex> guard(mutex);
    return fileName;
}

int BoardReport::lostRecords() const {
    std::lock_guard<std::mutex> guard(mutex);
    return lost;
}

bool BoardReport::openFile() {
    if (fd >= 0) calls.close(fd);
    errno = 0;
    fd = calls.open(fileName);
    if (fd >= 0) return true;
    error = systemWords(errno, "cannot be opened");
    return false;
}

bool BoardReport::appendRecord(const QByteArray &line) {
    const RecordWriting writing; // a program ending at once waits for it
    std::lock_guard<std::mutex> guard(mutex);
    // Removed or replaced since it was opened: the records go where the name leads now.
    if ((fd < 0 || !calls.namedBy(fd, fileName)) && !openFile()) return fail(error);
    const QString why = appendLine(line, true);
    return why.isEmpty() || fail(why);
}

bool BoardReport::tryAppend() {
    // Larger than any record, so that a disk that takes it takes the next record; on a disk of
    // blocks up to this size it needs a block that a full disk does not have.
    constexpr int TrialBytes = 8192;
    const RecordWriting writing;
    std::lock_guard<std::mutex> guard(mutex);
    if ((fd < 0 || !calls.namedBy(fd, fileName)) && !openFile()) return false;
    const qint64 size = calls.size(fd);
    QString why;
    errno = 0;
    // Room set aside beyond the end changes nothing a reader sees, and the next records use it.
    if (size >= 0 && calls.reserve(fd, size, TrialBytes) == 0) {
        errno = 0;
        if (calls.sync(fd) != 0) why = systemWords(errno, "the report could not be synced");
    } else if (size >= 0 && errno != ENOSYS) {
        why = systemWords(errno, "no room for a record");
    } else {
        // Where no room can be set aside: a blank line written and cut back out. A pipe or a
        // device is not cut back: it gets no more than an empty line.
        why = appendLine(size >= 0 ? QByteArray(TrialBytes - 1, ' ') + '\n' : QByteArray("\n"),
                         false);
    }
    if (!why.isEmpty()) error = why;
    return why.isEmpty();
}

QString BoardReport::appendLine(const QByteArray &line, bool kept) {
    calls.lock(fd, true);
    const qint64 before = endOfWholeLines();
    errno = 0;
    qint64 written = std::max<qint64>(calls.write(fd, line.constData(), line.size()), -1);
    // A short write says nothing of why; asked again, the rest completes the line or says why.
    while (written > 0 && written < line.size()) {
        errno = 0;
        const qint64 more = calls.write(fd, line.constData() + written, line.size() - written);
        if (more <= 0) break;
        written += more;
    }
    QString why;
    if (written != line.size()) {
        why = systemWords(errno, "the record was written in part");
    } else {
        errno = 0;
        if (calls.sync(fd) != 0) why = systemWords(errno, "the record could not be synced");
    }
    if (!why.isEmpty() || !kept) takeBack(before, std::max<qint64>(written, 0), line);
    calls.lock(fd, false);
    return why;
}

qint64 BoardReport::endOfWholeLines() {
    const qint64 size = calls.size(fd);
    if (size <= 0) return size;
    const int last = calls.byteAt(fd, size - 1);
    // A writer that died in the middle of a record (a crash, a power cut) left it torn. It is
    // ended rather than cut away: what others wrote is not ours to remove.
    if (last < 0 || last == '\n' || calls.write(fd, "\n", 1) != 1) return size;
    return size + 1;
}

void BoardReport::takeBack(qint64 before, qint64 written, const QByteArray &line) {
    if (written == 0) return;
    if (before >= 0 && calls.truncate(fd, before) == 0) {
        calls.sync(fd);
        return;
    }
    // It cannot be cut back (an append-only file, a pipe): the line is ended instead.
    if (line.at(int(written) - 1) == '\n') return;
    calls.write(fd, "\n", 1);
    calls.sync(fd);
}

bool BoardReport::fail(const QString &why) {
    ++lost;
    error = why;
    return false;
}
