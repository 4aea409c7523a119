#include "sim/sim_faults.h"

#include "sim/sim_bytes.h"

#include <algorithm>

namespace {

int orDefault(int value, int fallback) {
    return value >= 0 ? value : fallback;
}

SimReply *finalReply(SimResponse &r) {
    for (auto it = r.replies.rbegin(); it != r.replies.rend(); ++it)
        if (it->final) return &*it;
    return nullptr;
}

QByteArray garbage(int length) {
    QByteArray g(length, '\0');
    for (int i = 0; i < length; ++i)
        g[i] = char(i % 2 ? 0x5A : 0xA5);
    return g;
}

// Where the CRC (or the handshake proof) sits in the reply to each letter; -1: none.
int crcOffset(uint8_t letter) {
    switch (letter) {
    case 'G':
        return 20;
    case 'N':
        return 1;
    case 'n':
        return 2;
    case 'K':
        return 1;
    default:
        return -1;
    }
}

// The flash CRC's last progress report moved into one write with the final reply (a report
// is made up when the check was too short to send one).
void mergeProgressWithFinal(const SimFrame &frame, SimResponse &r) {
    if (!finalReply(r)) return;
    QByteArray progress;
    const auto report = std::find_if(r.replies.rbegin(), r.replies.rend(),
                                     [](const SimReply &x) { return !x.final; });
    if (report != r.replies.rend()) {
        progress = report->bytes;
        r.replies.erase(std::next(report).base());
    } else {
        progress = QByteArray(64, '\0');
        progress[0] = char(0x7E);
        progress[1] = '0';
        sim::put32(progress, 2, frame.field(QStringLiteral("length")) / 2);
    }
    finalReply(r)->bytes.prepend(progress);
}

// Cuts every reply (each progress report too) after `at` bytes and sends the rest `ms` later.
// A piece already cut off is not cut again, so a second Split cuts the rests: three pieces.
void split(SimResponse &r, int at, int ms) {
    std::vector<SimReply> pieces;
    for (SimReply &reply : r.replies) {
        if (reply.cutOff || reply.bytes.size() < 2) {
            pieces.push_back(reply);
            continue;
        }
        const int cut = qBound(1, at, reply.bytes.size() - 1);
        SimReply head{reply.bytes.left(cut), reply.atUs, false, true};
        SimReply rest{reply.bytes.mid(cut), reply.atUs + 1000 * qint64(ms), reply.final, false};
        pieces.push_back(head);
        pieces.push_back(rest);
    }
    r.replies = pieces;
}

} // namespace

const SimPowerCut *SimFaults::powerCutAt(const QByteArray &bytes) const {
    if (bytes.isEmpty()) return nullptr;
    const uint8_t letter = uint8_t(bytes[0]);
    // The packets of an MCU block before its last are not counted, as apply() does not count them.
    if (letter == 'J' && bytes.size() > 1 && (bytes[1] == '0' || bytes[1] == '1')) return nullptr;
    const auto counted = seen.find(letter);
    const int occurrence = (counted == seen.end() ? 0 : counted->second) + 1;
    for (const SimPowerCut &cut : powerCuts)
        if (uint8_t(cut.letter) == letter && cut.occurrence == occurrence) return &cut;
    return nullptr;
}

void SimFaults::apply(const SimFrame &frame, SimResponse &response) {
    if (frame.name == QLatin1String("J0") || frame.name == QLatin1String("J1")) return;
    const int occurrence = ++seen[frame.letter];
    for (const SimFault &fault : faults)
        if (uint8_t(fault.letter) == frame.letter &&
            (fault.occurrence == 0 || fault.occurrence == occurrence))
            applyOne(fault, frame, response);
}

void SimFaults::applyOne(const SimFault &fault, const SimFrame &frame, SimResponse &r) {
    SimReply *last = finalReply(r);
    switch (fault.kind) {
    case SimFault::Silence:
        r.replies.clear();
        break;
    case SimFault::WrongLetter:
        for (SimReply &reply : r.replies)
            reply.bytes[0] = char(orDefault(fault.bytes, '?'));
        break;
    case SimFault::Split:
        split(r, orDefault(fault.bytes, 40), orDefault(fault.ms, 20));
        break;
    case SimFault::TwoReplies:
        if (frame.letter == 'n')
            mergeProgressWithFinal(frame, r);
        else if (last)
            last->bytes += last->bytes;
        break;
    case SimFault::Burst:
        if (last) last->bytes += garbage(qMax(0, orDefault(fault.bytes, 600) - last->bytes.size()));
        break;
    case SimFault::Garbage:
        if (last) {
            const QByteArray junk = garbage(orDefault(fault.bytes, 16));
            if (fault.ms > 0)
                r.replies.push_back({junk, last->atUs + 1000 * fault.ms, false});
            else
                last->bytes += junk;
        }
        break;
    case SimFault::BadCrc:
        if (last && crcOffset(frame.letter) >= 0) {
            const int at = crcOffset(frame.letter);
            sim::put32(last->bytes, at, ~sim::le32(last->bytes, at));
        }
        break;
    case SimFault::BadStatus:
        if (last && frame.letter == 'H') last->bytes[1] = char(orDefault(fault.bytes, 1));
        break;
    case SimFault::Delay:
        for (SimReply &reply : r.replies)
            reply.atUs += 1000 * orDefault(fault.ms, 500);
        break;
    case SimFault::EchoCrc:
        if (last && frame.letter == 'n')
            sim::put32(last->bytes, 2, frame.field(QStringLiteral("crc")));
        break;
    case SimFault::Vanish:
        r.replies.clear();
        r.vanish = true;
        r.returnAfterMs = fault.ms;
        break;
    }
}
