#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

// The cheapest possible device: reads everything from its pseudo-terminal and, when a block's
// bytes are all in, acknowledges it at once with a 64-byte reply. It checks nothing.
class FloorDevice {
  public:
    // `blockBytes`: bytes on the wire per block, in order; `ackLetter` 0 for no acknowledgment.
    FloorDevice(std::vector<int64_t> blockBytes, uint8_t ackLetter);
    ~FloorDevice();

    bool start();
    QString portPath() const { return slavePath; }
    int64_t bytesReceived() const { return received; }

  private:
    void serve();

    std::vector<int64_t> blocks;
    uint8_t ack;
    int master = -1;
    int wake[2] = {-1, -1};
    QString slavePath;
    std::atomic<int64_t> received{0};
    std::thread thread;
};
