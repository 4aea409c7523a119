#include "line/line_hook.h"

#include "line/command_words.h"
#include "line/hook_process.h"
#include "tessara_version.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

// What is kept of a hook's standard error: enough for its last line.
constexpr int StderrTailBytes = 4096;
// How often a running hook looks at the stop token, and how far past its time-out it may run.
constexpr int StopLookMs = 50;

// The last line with text in `tail`, made safe to print: control characters become spaces, and
// it is cut to a length a log line can carry.
QString lastLine(const QByteArray &tail) {
    const QList<QByteArray> lines = tail.split('\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        QString text = QString::fromUtf8(*line);
        for (QChar &c : text)
            if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
        text = text.trimmed();
        if (text.isEmpty()) continue;
        if (text.size() > LineHook::MaxLineLength)
            text = text.left(LineHook::MaxLineLength - 3) + QStringLiteral("...");
        return text;
    }
    return QString();
}

QString seconds(int ms) {
    return QString::number(ms / 1000.0, 'g', 3) + QStringLiteral(" s");
}

} // namespace

LineHook LineHook::FromCommandLine(const QString &commandLine, int timeoutMs, QString &error) {
    LineHook hook;
    hook.words = Split_CommandWords(commandLine, error);
    if (!error.isEmpty()) return LineHook();
    if (hook.words.isEmpty() || hook.words.first().isEmpty()) {
        error = QStringLiteral("the command names no program");
        return LineHook();
    }
    // A hook that cannot start would refuse every board: the station does not start with it.
    const QString program = hook.words.first();
    const bool named = !program.contains(QLatin1Char('/'));
    const QFileInfo file(named ? QStandardPaths::findExecutable(program) : program);
    if (named && file.filePath().isEmpty()) {
        error = QStringLiteral("no program \"%1\" in PATH").arg(program);
        return LineHook();
    }
    if (!file.isFile() || !file.isExecutable()) {
        error = QStringLiteral("\"%1\" is not %2")
                    .arg(program, file.exists() ? QStringLiteral("an executable file")
                                                : QStringLiteral("there"));
        return LineHook();
    }
    hook.timeoutMs = timeoutMs;
    return hook;
}

QProcessEnvironment Hook_Environment(const BoardIdentity &board) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const struct {
        const char *name;
        QString value;
    } variables[] = {
        {"TESSARA_PORT", board.port},
        {"TESSARA_SLOT", board.slot},
        {"TESSARA_USB_SERIAL", board.usbSerial},
        {"TESSARA_MODEL", board.model},
        {"TESSARA_BOOT_VERSION", Boot_VersionText(board)},
        {"TESSARA_BUNDLE_SHA256", board.bundleSha256},
        {"TESSARA_BUNDLE_VERSION", board.bundleVersion},
        {"TESSARA_VERSION", QStringLiteral(TESSARA_VERSION)},
    };
    for (const auto &v : variables)
        environment.insert(QLatin1String(v.name), v.value);
    // Only the hook after a board hears how it ended.
    environment.remove(QStringLiteral("TESSARA_RESULT"));
    environment.remove(QStringLiteral("TESSARA_REASON"));
    return environment;
}

LineHook::Run LineHook::run(const QProcessEnvironment &environment, const QByteArray &input,
                            const StopToken &stopRequested) const {
    Run result;
    HookProcess process;
    process.setProgram(words.first());
    process.setArguments(words.mid(1));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    if (input.isNull()) process.setStandardInputFile(QProcess::nullDevice());
    process.setReadChannel(QProcess::StandardError);

    const QDeadlineTimer deadline(timeoutMs);
    process.start();
    if (!process.waitForStarted(int(qMax<qint64>(1, deadline.remainingTime())))) {
        result.problem =
            QFileInfo::exists(words.first()) || process.error() != QProcess::FailedToStart
                ? process.errorString()
                : QStringLiteral("no such program");
        process.killAll();
        return result;
    }
    process.noteRunning();
    if (!input.isNull()) {
        process.write(input);
        process.closeWriteChannel();
    }

    // Read as it comes, so that a hook that floods its standard error is never held up by a full
    // pipe, and keep only the tail.
    QByteArray tail;
    const auto keepTail = [&] {
        tail += process.readAllStandardError();
        if (tail.size() > StderrTailBytes) tail.remove(0, tail.size() - StderrTailBytes);
    };
    // One deadline for the whole run, and a look at the stop token between short waits.
    while (process.state() != QProcess::NotRunning) {
        const bool stopped = stopRequested && stopRequested();
        if (stopped || deadline.hasExpired()) {
            process.killAll();
            keepTail();
            result.ending = stopped ? Run::Stopped : Run::TimedOut;
            result.lastLine = lastLine(tail);
            return result;
        }
        const int wait = int(qBound<qint64>(1, deadline.remainingTime(), StopLookMs));
        // A hook that closed its standard error is waited for as it is.
        if (!process.waitForReadyRead(wait) && process.state() != QProcess::NotRunning)
            process.waitForFinished(wait);
        keepTail();
    }
    process.noteRunning();
    keepTail();
    result.lastLine = lastLine(tail);
    result.ending = process.exitStatus() == QProcess::CrashExit ? Run::Crashed : Run::Exited;
    result.exitCode = process.exitCode();
    return result;
}

QString LineHook::Run::describe(const QString &program, int timeout) const {
    const QString said = lastLine.isEmpty() ? QString() : QStringLiteral(": ") + lastLine;
    switch (ending) {
    case Exited:
        return QStringLiteral("%1 exited with status %2%3").arg(program).arg(exitCode).arg(said);
    case Crashed:
        return (exitCode > 0 ? QStringLiteral("%1 crashed (signal %2)").arg(program).arg(exitCode)
                             : QStringLiteral("%1 crashed").arg(program)) +
               said;
    case TimedOut:
        return QStringLiteral("%1 gave no answer within %2%3").arg(program, seconds(timeout), said);
    case Stopped:
        return QStringLiteral("%1 was ended by the stop").arg(program);
    case NotStarted:
        break;
    }
    return QStringLiteral("cannot run %1: %2").arg(program, problem);
}

QString LineHook::beforeBoard(const BoardIdentity &board, const StopToken &stopRequested) const {
    if (!isSet()) return QString();
    const Run hook = run(Hook_Environment(board), QByteArray(), stopRequested);
    if (hook.ok()) return QString();
    const QString prefix = QLatin1String(RefusalPrefix);
    // A refusal says why in the hook's own words; anything else says what became of the hook.
    if (hook.ending == Run::Exited && !hook.lastLine.isEmpty()) return prefix + hook.lastLine;
    return prefix + hook.describe(program(), timeoutMs);
}

QString LineHook::afterBoard(const BoardIdentity &board, const QByteArray &record) const {
    if (!isSet()) return QString();
    QProcessEnvironment environment = Hook_Environment(board);
    const QJsonObject fields = QJsonDocument::fromJson(record).object();
    environment.insert(QStringLiteral("TESSARA_RESULT"),
                       fields.value(QStringLiteral("result")).toString(QStringLiteral("fail")));
    environment.insert(QStringLiteral("TESSARA_REASON"),
                       fields.value(QStringLiteral("reason")).toString());
    const Run hook = run(environment, record.isNull() ? QByteArray("") : record);
    if (hook.ok()) return QString();
    return QStringLiteral("after-board hook: ") + hook.describe(program(), timeoutMs);
}
