#pragma once

#include <QString>

// Where and how the station publishes its events: --mqtt URL, --station NAME, --mqtt-auth FILE.
struct MqttSettings {
    QString host;
    int port = 1883;
    bool tls = false; // mqtts://: TLS, the broker's certificate checked against the system's CAs
    QString prefix;   // the topics' first levels; "tessara" when the URL names none
    QString station;  // the station's level in the topics: --station, else the host name
    QString username; // empty: none
    QString password;
};

// mqtt://HOST[:PORT][/PREFIX] or mqtts://... (port 1883, or 8883 with TLS). Sets `error` when the
// URL is not of that form or PREFIX holds a wildcard (+ #).
MqttSettings Parse_MqttUrl(const QString &url, QString &error);

// The user name and password from FILE: its first line, "USER:PASSWORD" (split at the first
// colon; the password may hold more). Read here so that it never shows on a command line.
bool Read_MqttAuth(const QString &path, MqttSettings &settings, QString &error);

// A name as one level of a topic: "/dev/ttyACM0" -> "ttyACM0", "/tmp/rig/gk0" -> "tmp_rig_gk0".
// "/dev/" goes, every '/', '+', '#' and control character becomes '_'; empty becomes "_".
QString Topic_Level(const QString &name);
