#include "line/command_words.h"

QStringList Split_CommandWords(const QString &line, QString &error) {
    QStringList words;
    QString word;
    bool inWord = false; // "" is a word of its own
    enum { Plain, Single, Double } quote = Plain;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quote == Single) {
            if (c == QLatin1Char('\''))
                quote = Plain;
            else
                word += c;
            continue;
        }
        if (c == QLatin1Char('\\')) {
            const bool escapes =
                quote == Plain || (i + 1 < line.size() && (line.at(i + 1) == QLatin1Char('"') ||
                                                           line.at(i + 1) == QLatin1Char('\\')));
            if (escapes) {
                if (++i == line.size()) {
                    error = QStringLiteral("a backslash ends the line");
                    return {};
                }
                word += line.at(i);
                inWord = true;
                continue;
            }
        }
        if (quote == Double) {
            if (c == QLatin1Char('"'))
                quote = Plain;
            else
                word += c;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c == QLatin1Char('\'') ? Single : Double;
            inWord = true;
        } else if (c == QLatin1Char('#') && !inWord) {
            break; // a comment, to the end of the line
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inWord) words.append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quote != Plain) {
        error = quote == Single ? QStringLiteral("a ' quote is not closed")
                                : QStringLiteral("a \" quote is not closed");
        return {};
    }
    if (inWord) words.append(word);
    return words;
}
