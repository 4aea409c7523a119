#include "line/board_lifecycle.h"

#include <QDateTime>

BoardLifecycle::BoardLifecycle(LineStation &l, BoardReport &r, const QString &c,
                               const QList<ReportField> &fields,
                               std::function<void(const QString &)> say)
    : line(l), report(r), command(c), recordFields(fields), complain(std::move(say)) {}

void BoardLifecycle::begin(BoardThread *board, QObject *context, const BoardIdentity &identity) {
    underWay(identity.port);
    line.follow(board, context, identity);
}

void BoardLifecycle::underWay(const QString &port) {
    if (report.path().isEmpty()) return;
    running[port] = std::make_unique<RunUnderWay>([this, port] {
        JobResult cut;
        cut.failure =
            Fail(FailureKind::Stopped, QStringLiteral("the program ended during the run"));
        report.appendRecord(
            Board_ReportLine(cut, port, command, QDateTime::currentDateTime(), recordFields));
    });
}

QByteArray BoardLifecycle::end(const QString &port, const JobResult &result) {
    const RecordOwed owed; // a program ending at once writes this record first
    running.erase(port);
    const QByteArray text = record(port, result);
    line.boardEnded(port, result, text);
    return text;
}

QByteArray BoardLifecycle::absent(const QString &name, const JobResult &result) {
    const QByteArray text = record(name, result);
    line.boardAbsent(name, result, text);
    return text;
}

QByteArray BoardLifecycle::record(const QString &port, const JobResult &result) {
    const QByteArray text =
        Board_ReportLine(result, port, command, QDateTime::currentDateTime(), recordFields);
    if (!report.path().isEmpty() && !report.appendRecord(text) && complain)
        complain(QStringLiteral("cannot write the report \"%1\": %2")
                     .arg(report.path(), report.errorString()));
    return text;
}
