#include "cli/terminal_lines.h"

#include "flash/flash_image.h"
#include "mcu/mcu_image.h"

void Print_Line(FILE *stream, const QString &text, LinePriority priority) {
    QByteArray bytes = text.toLocal8Bit();
    if (Stream_IsJournal(stream)) bytes = Journal_Prefixed(bytes, priority);
    bytes += '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString Escape_Controls(const QString &text) {
    QString shown;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

std::optional<QString> TerminalLines::logLine(const QString &text) {
    if (quietLog) return std::nullopt;
    if (once) {
        if (printed.contains(text)) return std::nullopt;
        printed.insert(text);
    }
    return text;
}

std::optional<QString> TerminalLines::chipIdentified(const QString &modelName) {
    return logLine(QStringLiteral("MCU type: ") + modelName);
}

std::optional<QString> TerminalLines::flashPartRead(const FlashPartFacts &part) {
    return logLine(QStringLiteral("Flash ID: 0x%1  Size: %2  Name: %3")
                       .arg(part.id, 0, 16)
                       .arg(part.listed ? part.capacity : 0)
                       .arg(part.name));
}

std::optional<QString> TerminalLines::imageRead(ImageRole role, uint32_t crc, int32_t length) {
    // A refused image clears the window's field ("Len: 0"); a log has no field to clear, and a
    // line would claim an image of no bytes.
    if (length <= 0) return std::nullopt;
    return logLine(role == ImageRole::Mcu ? Mcu_Label(crc, length) : Flash_Label(crc, length));
}
