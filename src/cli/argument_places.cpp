#include "cli/argument_places.h"

#include <QRegularExpression>

namespace {

// The option a word gives ("prot" of "--prot", "-prot" and "--prot=x"); empty for a word that
// gives none.
QString optionOf(const QString &word) {
    if (!word.startsWith(QLatin1Char('-')) || word.size() < 2) return QString();
    const QString name = word.mid(word.startsWith(QLatin1String("--")) ? 2 : 1);
    return name.section(QLatin1Char('='), 0, 0);
}

// The value given with the option word at `i`: after '=', or the next word.
QString valueAt(const QStringList &words, int i) {
    const QString &word = words.at(i);
    const int equals = word.indexOf(QLatin1Char('='));
    if (equals >= 0) return word.mid(equals + 1);
    return i + 1 < words.size() ? words.at(i + 1) : QString();
}

// The words that give `option`, in order (none after "--", where options end).
QList<int> occurrences(const QStringList &words, const QString &option) {
    QList<int> found;
    for (int i = 1; i < words.size() && words.at(i) != QLatin1String("--"); ++i)
        if (optionOf(words.at(i)) == option) found.append(i);
    return found;
}

// Which occurrence of `option` the error is about: the one whose value it quotes, else the last
// (a later value replaces an earlier one).
int blamed(const QStringList &words, const QString &option, const QString &error) {
    const QList<int> found = occurrences(words, option);
    if (found.isEmpty()) return -1;
    for (int k = found.size() - 1; k >= 0; --k) {
        const QString value = valueAt(words, found.at(k));
        if (!value.isEmpty() && error.contains(QLatin1Char('"') + value + QLatin1Char('"')))
            return found.at(k);
    }
    return found.last();
}

} // namespace

QString Place_ArgumentError(const QString &error, const QStringList &words,
                            const QStringList &places, const QStringList &unknownOptions) {
    const auto placed = [&](int i, const QString &text) {
        if (i < 0 || i >= places.size() || places.at(i).isEmpty()) return error;
        return places.at(i) + QStringLiteral(": ") + text;
    };
    if (!unknownOptions.isEmpty()) {
        const QString name = unknownOptions.constFirst();
        const QList<int> found = occurrences(words, name);
        return placed(found.isEmpty() ? -1 : found.first(),
                      QStringLiteral("unknown option --%1").arg(name));
    }
    // The parser's own reasons quote the word ("Missing value after '--port'."); ours name the
    // option first ("--wait-time takes a whole number ...").
    static const QRegularExpression quoted(QStringLiteral("'(-[^']+)'"));
    static const QRegularExpression named(QStringLiteral("--([A-Za-z0-9][A-Za-z0-9-]*)"));
    const QRegularExpressionMatch q = quoted.match(error);
    const QString option = optionOf(q.hasMatch() ? q.captured(1) : QString());
    if (!option.isEmpty()) return placed(blamed(words, option, error), error);
    const QRegularExpressionMatch n = named.match(error);
    if (n.hasMatch()) return placed(blamed(words, n.captured(1), error), error);
    return error;
}
