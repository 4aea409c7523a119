#pragma once

#include "line/line_event.h"

#include <QByteArray>
#include <deque>
#include <optional>

class AckedEnds;

// A message waiting for the broker.
struct MqttMessage {
    QByteArray topic;
    QByteArray payload;
    int qos = 0;
    bool retain = false;
    LineEvent::Kind kind = LineEvent::Log; // what it tells, for which goes first when full
    QByteArray record;                     // an end's report record: acknowledged by the broker
    AckedEnds *keptIn = nullptr;           // where that acknowledgement is kept, if anywhere
};

// The events that wait while the broker cannot be reached: at most `limit`. When full, the least
// valued give way, the oldest of them first: progress, then log lines and messages, then the
// other board events, then the run's summary. A board's end never gives way: the queue grows
// beyond its limit for ends alone.
class MqttQueue {
  public:
    explicit MqttQueue(int capacityMessages) : limit(capacityMessages) {}

    // Adds `message`; returns what had to give way for it (the message itself, when it is worth
    // the least), if anything.
    std::optional<LineEvent::Kind> push(MqttMessage message);
    // The oldest message; none when empty.
    std::optional<MqttMessage> pop();
    int size() const { return int(messages.size()); }
    // How many of one kind wait.
    int count(LineEvent::Kind kind) const;
    bool isEmpty() const { return messages.empty(); }
    int capacity() const { return limit; }

  private:
    const int limit;
    std::deque<MqttMessage> messages;
};

// How much an event is worth keeping: higher keeps longer.
int Event_Worth(LineEvent::Kind kind);
