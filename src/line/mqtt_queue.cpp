#include "line/mqtt_queue.h"

#include <algorithm>

int Event_Worth(LineEvent::Kind kind) {
    switch (kind) {
    case LineEvent::Progress:
        return 0;
    case LineEvent::Log:
    case LineEvent::Message:
        return 1;
    case LineEvent::Arrival:
    case LineEvent::Start:
    case LineEvent::Identified:
    case LineEvent::Phase:
        return 2;
    case LineEvent::Summary:
        return 3;
    case LineEvent::End:
        break;
    }
    return 4;
}

std::optional<LineEvent::Kind> MqttQueue::push(MqttMessage message) {
    if (limit <= 0 && message.kind != LineEvent::End) return message.kind;
    if (int(messages.size()) < limit) {
        messages.push_back(std::move(message));
        return std::nullopt;
    }
    const auto least = std::min_element(messages.begin(), messages.end(),
                                        [](const MqttMessage &a, const MqttMessage &b) {
                                            return Event_Worth(a.kind) < Event_Worth(b.kind);
                                        });
    if (message.kind == LineEvent::End && least->kind == LineEvent::End) {
        messages.push_back(std::move(message));
        return std::nullopt;
    }
    if (Event_Worth(message.kind) < Event_Worth(least->kind)) return message.kind;
    const LineEvent::Kind dropped = least->kind;
    messages.erase(least);
    messages.push_back(std::move(message));
    return dropped;
}

std::optional<MqttMessage> MqttQueue::pop() {
    if (messages.empty()) return std::nullopt;
    MqttMessage message = std::move(messages.front());
    messages.pop_front();
    return message;
}

int MqttQueue::count(LineEvent::Kind kind) const {
    return int(std::count_if(messages.begin(), messages.end(),
                             [kind](const MqttMessage &m) { return m.kind == kind; }));
}
