#include "cli/journal_stream.h"

#include <QList>

bool Stream_IsJournal(FILE *stream) {
    const QByteArray journal = qgetenv("JOURNAL_STREAM");
    if (journal.isEmpty()) return false;
    const std::optional<QByteArray> identity = Stream_DeviceInode(stream);
    return identity && *identity == journal;
}

QByteArray Journal_Prefixed(const QByteArray &text, LinePriority priority) {
    const QByteArray prefix = '<' + QByteArray::number(int(priority)) + '>';
    QByteArray prefixed;
    for (const QByteArray &line : text.split('\n'))
        prefixed += (prefixed.isEmpty() ? QByteArray() : QByteArray("\n")) + prefix + line;
    return prefixed;
}
