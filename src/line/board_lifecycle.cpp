#include "line/board_lifecycle.h"

#include <QDateTime>

BoardLifecycle::BoardLifecycle(LineStation &l, BoardReport &r, const QString &c,
                               const QList<ReportField> &fields,
                               std::function<void(const QString &)> say)
    : line(l), report(r), command(c), recordFields(fields), complain(std::move(say)) {}

void BoardLifecycle::begin(BoardThread *board, QObject *context, const BoardIdentity &identity,
                           const QList<ReportField> &boardFields) {
    underWay(identity.port, recordFields + boardFields);
    begun[identity.port] = boardFields;
    line.follow(board, context, identity);
}

void BoardLifecycle::underWay(const QString &port, const QList<ReportField> &fields) {
    if (report.path().isEmpty()) return;
    running[port] = std::make_unique<RunUnderWay>([this, port, fields] {
        JobResult cut;
        cut.failure =
            Fail(FailureKind::Stopped, QStringLiteral("the program ended during the run"));
        report.appendRecord(
            Board_ReportLine(cut, port, command, QDateTime::currentDateTime(), fields));
    });
}

QByteArray BoardLifecycle::end(const QString &port, const JobResult &result,
                               const std::optional<QList<ReportField>> &boardFields) {
    const RecordOwed owed; // a program ending at once writes this record first
    running.erase(port);
    const QList<ReportField> fields = boardFields.value_or(begun[port]);
    begun.erase(port);
    const QByteArray text = record(port, result, recordFields + fields);
    line.boardEnded(port, result, text);
    return text;
}

QByteArray BoardLifecycle::absent(const QString &name, const JobResult &result,
                                  const QList<ReportField> &boardFields) {
    const QByteArray text = record(name, result, recordFields + boardFields);
    line.boardAbsent(name, result, text);
    return text;
}

QByteArray BoardLifecycle::record(const QString &port, const JobResult &result,
                                  const QList<ReportField> &fields) {
    const QByteArray text =
        Board_ReportLine(result, port, command, QDateTime::currentDateTime(), fields);
    if (!report.path().isEmpty() && !report.appendRecord(text) && complain)
        complain(QStringLiteral("cannot write the report \"%1\": %2")
                     .arg(report.path(), report.errorString()));
    return text;
}
