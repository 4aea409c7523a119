#include "sim/sim_framer.h"

void SimFramer::feed(const char *data, int length, std::vector<QByteArray> &frames) {
    int at = 0;
    while (at < length) {
        if (partial.isEmpty()) expected = sizeOf(uint8_t(data[at]));
        const int take = std::min(expected - partial.size(), length - at);
        partial.append(data + at, take);
        at += take;
        if (partial.size() == expected) {
            frames.push_back(partial);
            partial.clear();
        }
    }
}

QByteArray SimFramer::discard() {
    QByteArray dropped = partial;
    partial.clear();
    return dropped;
}
