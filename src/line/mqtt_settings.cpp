#include "line/mqtt_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

// The URL as it may be shown (a log line, the journal): a password written into it is not.
QString shown(const QString &url) {
    QString text = url;
    const int start = text.indexOf(QLatin1String("://"));
    const int at = text.indexOf(QLatin1Char('@'), start < 0 ? 0 : start);
    const int path = text.indexOf(QLatin1Char('/'), start < 0 ? 0 : start + 3);
    if (start >= 0 && at > start && (path < 0 || at < path))
        text.replace(start + 3, at - start - 3, QStringLiteral("..."));
    return text;
}

} // namespace

MqttSettings Parse_MqttUrl(const QString &url, QString &error) {
    const QString text = shown(url);
    MqttSettings settings;
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    if (!parsed.isValid() ||
        (scheme != QLatin1String("mqtt") && scheme != QLatin1String("mqtts")) ||
        parsed.host().isEmpty()) {
        error =
            QStringLiteral("--mqtt takes mqtt://HOST[:PORT][/PREFIX] or mqtts://..., not \"%1\"")
                .arg(text);
        return settings;
    }
    if (!parsed.userInfo().isEmpty() || parsed.hasQuery() || parsed.hasFragment()) {
        error = QStringLiteral("--mqtt \"%1\": a user name or password goes in the --mqtt-auth "
                               "file; a query or fragment means nothing here")
                    .arg(text);
        return settings;
    }
    settings.tls = scheme == QLatin1String("mqtts");
    settings.host = parsed.host();
    settings.port = parsed.port(settings.tls ? 8883 : 1883);
    QString prefix = parsed.path();
    while (prefix.startsWith(QLatin1Char('/')))
        prefix.remove(0, 1);
    while (prefix.endsWith(QLatin1Char('/')))
        prefix.chop(1);
    if (prefix.contains(QLatin1Char('+')) || prefix.contains(QLatin1Char('#'))) {
        error = QStringLiteral("--mqtt \"%1\": the topic prefix cannot hold + or #").arg(text);
        return settings;
    }
    // Topics that start with $ are the broker's own ($SYS): what is published there is dropped.
    if (prefix.startsWith(QLatin1Char('$'))) {
        error = QStringLiteral("--mqtt \"%1\": the topic prefix cannot start with $ (the "
                               "broker's own topics)")
                    .arg(text);
        return settings;
    }
    settings.prefix = prefix.isEmpty() ? QStringLiteral("tessara") : prefix;
    return settings;
}

bool Read_MqttAuth(const QString &path, MqttSettings &settings, QString &error) {
    constexpr qint64 MaxBytes = 4096;
    QFile file(path);
    const QString cannot = QStringLiteral("cannot read the MQTT password file \"%1\": ").arg(path);
    if (!QFileInfo(path).isFile()) {
        error = cannot + (QFileInfo::exists(path) ? QStringLiteral("not a file")
                                                  : QStringLiteral("no such file"));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = cannot + file.errorString();
        return false;
    }
    QByteArray first = file.read(MaxBytes);
    first = first.left(first.indexOf('\n') < 0 ? first.size() : first.indexOf('\n'));
    if (first.endsWith('\r')) first.chop(1);
    const int colon = first.indexOf(':');
    if (colon <= 0) {
        error = cannot + QStringLiteral("its first line is not USER:PASSWORD");
        return false;
    }
    settings.username = QString::fromUtf8(first.left(colon));
    settings.password = QString::fromUtf8(first.mid(colon + 1));
    return true;
}

QString Topic_Level(const QString &name) {
    QString level = name;
    if (level.startsWith(QLatin1String("/dev/"))) level.remove(0, 5);
    while (level.startsWith(QLatin1Char('/')))
        level.remove(0, 1);
    for (QChar &c : level)
        if (c == QLatin1Char('/') || c == QLatin1Char('+') || c == QLatin1Char('#') ||
            c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    return level.isEmpty() ? QStringLiteral("_") : level;
}
