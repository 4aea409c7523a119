#include "app/config_text.h"

#include <QTextStream>

namespace {

constexpr int ConfigLines = 6;
constexpr int WaitIndexCount = 8; // the wait-time box lists 0ms .. 7ms

bool contains(const QString &line, char c) {
    return line.contains(QLatin1Char(c));
}

int blSetOf(const QString &line) {
    if (contains(line, '1')) return 1;
    if (contains(line, '2')) return 2;
    return 0;
}

// The last digit 0..8 of the line wins; 8 is accepted here although the box has no such item.
int waitIndexOf(const QString &line) {
    int index = 0;
    for (const char c : line.toLatin1())
        if (c >= '0' && c <= '8') index = c - '0';
    return index;
}

// The file is read by line number: a path that would break its line would shift every setting
// after it. Such a path is not kept; the file dialog starts from the current directory instead.
QString pathLine(const QString &path) {
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')))
        return QStringLiteral("./");
    return path;
}

} // namespace

ConfigRead Parse_Config(const QString &text) {
    ConfigRead read;
    QString source = text;
    QTextStream in(&source, QIODevice::ReadOnly);
    ConfigValues &v = read.values;
    while (!in.atEnd() && read.linesRead < ConfigLines) {
        const QString line = in.readLine();
        switch (++read.linesRead) {
        case 1:
            v.eraseWhole = contains(line, '1');
            break;
        case 2:
            v.nandFlash = contains(line, '1');
            break;
        case 3:
            read.mcuPathLine = line;
            v.mcuFilePath = line.trimmed();
            break;
        case 4:
            read.flashPathLine = line;
            v.flashCodePath = line.trimmed();
            break;
        case 5:
            v.blSet = blSetOf(line);
            break;
        case 6:
            v.waitIndex = waitIndexOf(line);
            break;
        }
    }
    return read;
}

QString Format_Config(const ConfigValues &v) {
    const int waitIndex = v.waitIndex >= 0 && v.waitIndex < WaitIndexCount ? v.waitIndex : 0;
    // Plain concatenation: a path may itself contain "%1".
    return QStringLiteral("EWHOLE:") + QLatin1Char(v.eraseWhole ? '1' : '0') +
           QStringLiteral("\nNFLASH:") + QLatin1Char(v.nandFlash ? '1' : '0') + QLatin1Char('\n') +
           pathLine(v.mcuFilePath) + QLatin1Char('\n') + pathLine(v.flashCodePath) +
           QLatin1Char('\n') + QStringLiteral("BLSET:") + QString::number(v.blSet) +
           QLatin1Char('\n') + QStringLiteral("WAITT:") + QString::number(waitIndex) +
           QLatin1Char('\n');
}
