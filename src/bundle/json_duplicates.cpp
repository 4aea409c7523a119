#include "bundle/json_duplicates.h"

#include <QSet>
#include <QVector>

namespace {

// An object or array being read: an object's keys so far, and where it lies.
struct Level {
    bool object = false;
    bool wantKey = false; // an object's next string is a key
    QString path;         // the keys down to it, joined by '.'
    QString lastKey;
    QSet<QString> keys;
};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The string whose opening quote is at `at`, decoded; `at` ends past its closing quote.
QString readString(const QByteArray &json, int &at) {
    QString text;
    int run = ++at; // the start of the bytes taken as they are
    while (at < json.size() && json[at] != '"') {
        if (json[at] != '\\') {
            ++at;
            continue;
        }
        text += QString::fromUtf8(json.constData() + run, at - run);
        const char e = at + 1 < json.size() ? json[at + 1] : '\0';
        at = qMin(at + 2, int(json.size())); // a text may end inside an escape
        switch (e) {
        case 'b':
            text += QChar(u'\b');
            break;
        case 'f':
            text += QChar(u'\f');
            break;
        case 'n':
            text += QChar(u'\n');
            break;
        case 'r':
            text += QChar(u'\r');
            break;
        case 't':
            text += QChar(u'\t');
            break;
        case 'u': {
            int unit = 0;
            for (int i = 0; i < 4 && at < json.size(); ++i, ++at)
                unit = unit * 16 + qMax(0, hexDigit(json[at]));
            text += QChar(char16_t(unit));
            break;
        }
        default:
            text += QLatin1Char(e); // '"', '\\', '/'
        }
        run = at;
    }
    text += QString::fromUtf8(json.constData() + run, qMin(at, json.size()) - run);
    ++at;
    return text;
}

} // namespace

QString Json_DuplicateKey(const QByteArray &json) {
    QVector<Level> levels;
    int at = 0;
    while (at < json.size()) {
        const char c = json[at];
        if (c == '"') {
            const QString text = readString(json, at);
            if (levels.isEmpty() || !levels.last().object || !levels.last().wantKey) continue;
            Level &level = levels.last();
            const QString path = level.path.isEmpty() ? text : level.path + QLatin1Char('.') + text;
            if (level.keys.contains(text)) return path;
            level.keys.insert(text);
            level.lastKey = path;
            level.wantKey = false;
            continue;
        }
        if (c == '{' || c == '[') {
            Level level;
            level.object = c == '{';
            level.wantKey = level.object;
            if (!levels.isEmpty())
                level.path = levels.last().object ? levels.last().lastKey : levels.last().path;
            levels.append(level);
        } else if ((c == '}' || c == ']') && !levels.isEmpty()) {
            levels.removeLast();
        } else if (c == ',' && !levels.isEmpty() && levels.last().object) {
            levels.last().wantKey = true;
        }
        ++at;
    }
    return QString();
}
