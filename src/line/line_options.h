#pragma once

#include "line/line_hook.h"
#include "line/line_station.h"
#include "line/mqtt_publisher.h"

#include <QString>
#include <QStringList>

// The production line's options, the same in tessara-cli and the station's window (both read
// station.conf): the hooks and their time limit, the broker, the station's name in its topics.
struct LineOptions {
    QString beforeBoard; // --before-board CMD; empty: none
    QString afterBoard;  // --after-board CMD
    int hookTimeoutMs = LineHook::DefaultTimeoutMs;
    QString mqtt;     // --mqtt URL; empty: no broker
    QString station;  // --station NAME; empty: the host's name
    QString mqttAuth; // --mqtt-auth FILE
    int mqttDrainMs = MqttPublisher::DefaultDrainMs;
    QStringList given; // the options given, as named ("--mqtt")
};

// Whether `name` ("--mqtt") is one of the line's options; each takes a value.
bool Is_LineOption(const QString &name);
// Takes `value` for the line's option `name`: false with `error` (naming the option) when it
// cannot be used: a command that cannot be split or run, a number out of its range, a URL that
// is not mqtt:// or mqtts://.
bool Take_LineOption(const QString &name, const QString &value, LineOptions &options,
                     QString &error);
// What only the options together say: --mqtt-auth and --mqtt-drain need --mqtt, and with --mqtt
// the station's name must be one level of a topic.
bool Check_LineOptions(const LineOptions &options, QString &error);
// `settings` with the hooks and the broker of `options` (the password file read, the station's
// name defaulting to the host's): false with `error` when one cannot be used.
bool Line_Settings(const LineOptions &options, LineStation::Settings &settings, QString &error);
