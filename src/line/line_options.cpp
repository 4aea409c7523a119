#include "line/line_options.h"

#include "line/mqtt_settings.h"

#include <QSysInfo>

namespace {

// A whole number in [low, high] seconds, as milliseconds, or an error naming the option.
bool readSeconds(const QString &option, const QString &text, int low, int high, int &ms,
                 QString &error) {
    bool ok = false;
    const int seconds = text.toInt(&ok, 10);
    if (!ok || seconds < low || seconds > high) {
        error = QStringLiteral("%1 takes a whole number from %2 to %3, not \"%4\"")
                    .arg(option)
                    .arg(low)
                    .arg(high)
                    .arg(text);
        return false;
    }
    ms = seconds * 1000;
    return true;
}

bool readHook(const QString &option, const QString &command, int timeoutMs, QString &into,
              QString &error) {
    QString why;
    LineHook::FromCommandLine(command, timeoutMs, why);
    if (!why.isEmpty()) {
        error = QStringLiteral("%1 \"%2\": %3").arg(option, command, why);
        return false;
    }
    into = command;
    return true;
}

} // namespace

bool Is_LineOption(const QString &name) {
    static const QStringList names{"--before-board", "--after-board", "--hook-timeout", "--mqtt",
                                   "--station",      "--mqtt-auth",   "--mqtt-drain"};
    return names.contains(name);
}

bool Take_LineOption(const QString &name, const QString &value, LineOptions &o, QString &error) {
    bool ok = true;
    if (name == QLatin1String("--before-board")) {
        ok = readHook(name, value, o.hookTimeoutMs, o.beforeBoard, error);
    } else if (name == QLatin1String("--after-board")) {
        ok = readHook(name, value, o.hookTimeoutMs, o.afterBoard, error);
    } else if (name == QLatin1String("--hook-timeout")) {
        ok = readSeconds(name, value, 1, 3600, o.hookTimeoutMs, error);
    } else if (name == QLatin1String("--mqtt-drain")) {
        ok = readSeconds(name, value, 0, 600, o.mqttDrainMs, error);
    } else if (name == QLatin1String("--mqtt")) {
        Parse_MqttUrl(value, error); // its reasons name the option
        ok = error.isEmpty();
        o.mqtt = value;
    } else if (name == QLatin1String("--station")) {
        o.station = value;
    } else if (name == QLatin1String("--mqtt-auth")) {
        o.mqttAuth = value;
    } else {
        error = QStringLiteral("unknown option: %1").arg(name);
        return false;
    }
    if (ok && !o.given.contains(name)) o.given.append(name);
    return ok;
}

bool Check_LineOptions(const LineOptions &o, QString &error) {
    if (!o.given.contains(QStringLiteral("--mqtt"))) {
        for (const char *name : {"--mqtt-auth", "--mqtt-drain"})
            if (o.given.contains(QLatin1String(name))) {
                error = QStringLiteral("%1 applies to --mqtt").arg(QLatin1String(name));
                return false;
            }
        return true;
    }
    if (o.given.contains(QStringLiteral("--station")) && Topic_Level(o.station) != o.station) {
        error = QStringLiteral("--station \"%1\": a station's name cannot hold /, +, # or "
                               "control characters, nor be empty")
                    .arg(o.station);
        return false;
    }
    return true;
}

bool Line_Settings(const LineOptions &o, LineStation::Settings &settings, QString &error) {
    if (!o.beforeBoard.isEmpty())
        settings.beforeBoard = LineHook::FromCommandLine(o.beforeBoard, o.hookTimeoutMs, error);
    if (error.isEmpty() && !o.afterBoard.isEmpty())
        settings.afterBoard = LineHook::FromCommandLine(o.afterBoard, o.hookTimeoutMs, error);
    if (!error.isEmpty()) return false;
    if (o.mqtt.isEmpty()) return true;
    MqttSettings mqtt = Parse_MqttUrl(o.mqtt, error);
    if (!error.isEmpty()) {
        error = QStringLiteral("--mqtt: ") + error;
        return false;
    }
    mqtt.station = o.station.isEmpty() ? Topic_Level(QSysInfo::machineHostName()) : o.station;
    if (!o.mqttAuth.isEmpty() && !Read_MqttAuth(o.mqttAuth, mqtt, error)) {
        error = QStringLiteral("--mqtt-auth: ") + error;
        return false;
    }
    settings.mqtt = mqtt;
    settings.drainMs = o.mqttDrainMs;
    return true;
}
