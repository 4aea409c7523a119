#include "protocol/reply_assembly.h"

#include <algorithm>
#include <cstring>

namespace {

// The later-reply rule of the flash CRC check, for an arrival that starts a reply and holds two:
// the first one is 63 bytes long when its byte 62 repeats its byte 0, else 64.
int firstReplyLength(const uint8_t *bytes, int size) {
    const bool two = size > ReplySize && size <= 2 * ReplySize;
    return two && bytes[ReplySize - 2] == bytes[0] ? ReplySize - 1 : ReplySize;
}

} // namespace

void ReplyAssembly::add(const uint8_t *bytes, int size) {
    if (!bytes || size <= 0 || complete) return;
    int length = mode == Stream && have == 0 ? firstReplyLength(bytes, size) : ReplySize;
    for (int at = 0; at < size;) {
        const int n = std::min(length - have, size - at);
        std::memcpy(building.data() + have, bytes + at, size_t(n));
        have += n;
        at += n;
        if (have < length) break;
        if (mode == OneReply && late && late(building[0])) {
            ++setAsideReplies;
            have = 0;
            continue;
        }
        latest = building;
        std::fill(latest.begin() + length, latest.end(), uint8_t(0));
        waiting = true;
        have = 0;
        length = ReplySize;
        if (mode == OneReply) {
            complete = true;
            return;
        }
    }
}

bool ReplyAssembly::take(ReplyFrame &reply) {
    if (!waiting) return false;
    reply = latest;
    waiting = false;
    return true;
}
