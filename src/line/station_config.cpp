#include "line/station_config.h"

#include "line/command_words.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {

// A configuration is a page of options, not a data file.
constexpr qint64 MaxConfigBytes = 64 * 1024;

// "--config", or "-config" as the parser reads long options with one dash too.
bool isConfigOption(const QString &word) {
    return word == QLatin1String("--config") || word == QLatin1String("-config");
}

// FILE of "--config=FILE".
std::optional<QString> inlineConfigPath(const QString &word) {
    const int equals = word.indexOf(QLatin1Char('='));
    if (equals < 0 || !isConfigOption(word.left(equals))) return std::nullopt;
    return word.mid(equals + 1);
}

QStringList configWords(const QString &path, QString &error, QStringList &origins) {
    QFile file(path);
    const QString cannot = QStringLiteral("cannot read the configuration file \"%1\": ").arg(path);
    if (path.isEmpty()) {
        error = QStringLiteral("--config needs a file name");
        return {};
    }
    if (!QFileInfo::exists(path)) {
        error = cannot + QStringLiteral("no such file");
        return {};
    }
    if (!QFileInfo(path).isFile()) {
        error = cannot + QStringLiteral("not a file");
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = cannot + file.errorString();
        return {};
    }
    const QByteArray bytes = file.read(MaxConfigBytes + 1);
    if (bytes.size() > MaxConfigBytes) {
        error = cannot + QStringLiteral("larger than %1 KiB").arg(MaxConfigBytes / 1024);
        return {};
    }
    if (file.error() != QFileDevice::NoError) {
        error = cannot + file.errorString();
        return {};
    }
    QStringList words;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines.at(n);
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;
        QString why;
        const QStringList lineWords = Split_CommandWords(trimmed, why);
        if (!why.isEmpty()) {
            error = QStringLiteral("%1:%2: %3").arg(path).arg(n + 1).arg(why);
            return {};
        }
        for (const QString &word : lineWords) {
            if (isConfigOption(word) || inlineConfigPath(word)) {
                error = QStringLiteral("%1:%2: a configuration file cannot name another one")
                            .arg(path)
                            .arg(n + 1);
                return {};
            }
        }
        words += lineWords;
        for (int i = 0; i < lineWords.size(); ++i)
            origins.append(QStringLiteral("%1:%2").arg(path).arg(n + 1));
    }
    return words;
}

} // namespace

QStringList Expand_StationConfig(const QStringList &arguments, QString &error,
                                 QStringList *origins) {
    QStringList expanded = arguments.mid(0, 1); // the program's name
    QStringList from;                           // beside each word of `expanded`
    const auto fromCommandLine = [&] {
        while (from.size() < expanded.size())
            from.append(QString());
    };
    fromCommandLine();
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) { // the rest are no options
            expanded += arguments.mid(i);
            fromCommandLine();
            break;
        }
        QString path;
        if (const std::optional<QString> inline_ = inlineConfigPath(argument)) {
            path = *inline_;
        } else if (isConfigOption(argument)) {
            if (i + 1 == arguments.size()) {
                error = QStringLiteral("--config needs a file name");
                return {};
            }
            path = arguments.at(++i);
        } else {
            expanded.append(argument);
            fromCommandLine();
            continue;
        }
        const QStringList words = configWords(path, error, from);
        if (!error.isEmpty()) return {};
        expanded += words;
    }
    if (origins) *origins = from;
    return expanded;
}
