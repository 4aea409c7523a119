#pragma once

#include "serial/link_observer.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <functional>
#include <vector>

// The traffic of one link as text, for a field report: a line per frame sent and per arrival
// received, with the microseconds since the trace began, the direction (TX, RX), the command or
// reply letter, the length and the bytes in hex:
//
//       1503 us TX K     64 4b 30 4b 51 01 00 00 00 xx xx xx xx 00 ...
//       1894 us RX K     64 4b xx xx xx xx xx xx xx xx 1a 00 00 00 80 00 ba ee xx ...
//
// A train of packets (one MCU or flash block, the word writes of a loader download) shows its
// first packet, a line that counts the packets in between, and its last packet. An arrival is
// shown as it came, in pieces or two replies at once, its hex cut after MaxHexBytes.
//
// Traces come back from the field, so they hold nothing from which the handshake's proof tag
// could be worked out: in a 'K' frame the CRC (bytes 8-11) is shown as xx, and in what arrives
// after it only each reply's letter and, in a 'K' reply, the boot version and kind code (bytes
// 9-16) are shown; the proof (bytes 1-4) and every byte the host does not read are xx.
class FrameTrace : public LinkObserver {
  public:
    using Sink = std::function<void(const QByteArray &line)>;
    static constexpr int MaxHexBytes = 1024;

    explicit FrameTrace(Sink sink);
    // Shows the last packet of a train still held back.
    ~FrameTrace() override;

    // Shows the data bytes that flash programming packets carry for the flash addresses
    // [first, second) as xx, and the CRCs of flash CRC checks over them: each board's own
    // values (keys) never reach a trace.
    void hideFlashRanges(std::vector<std::pair<uint32_t, uint32_t>> ranges);

    void sent(const uint8_t *bytes, int length) override;
    void received(const uint8_t *bytes, int length) override;

  private:
    // `hidden`, when not empty, marks the bytes shown as xx.
    void show(qint64 us, const char *direction, const QByteArray &bytes,
              const std::vector<bool> &hidden = {});
    void endTrain();
    // The bytes of a flash programming packet that hideFlashRanges hides; empty: none.
    std::vector<bool> hiddenFlashData(const uint8_t *bytes, int length);
    // A flash CRC check frame whose range holds bytes that hideFlashRanges hides.
    bool crcOfHiddenRange(const uint8_t *bytes, int length) const;

    Sink sink;
    QElapsedTimer clock;

    // The train being sent: its kind, the packets not shown yet and the last one, held back
    // until the train ends.
    int trainKind = -1; // none
    int hiddenPackets = 0;
    qint64 hiddenBytes = 0;
    qint64 hiddenUs = 0;
    QByteArray lastPacket;
    std::vector<bool> lastHidden;
    qint64 lastPacketUs = 0;

    std::vector<std::pair<uint32_t, uint32_t>> flashHidden;
    uint32_t flashAddress = 0; // of the next data byte of the flash block being sent

    // What of the replies to the last frame sent is hidden, the bytes received since it was
    // sent, and whether the reply they are in is a handshake reply.
    enum class ReplyMask { None, Handshake, Crc } replyMask = ReplyMask::None;
    qint64 replyBytes = 0;
    bool inHandshakeReply = false;
};
