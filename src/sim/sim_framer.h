#pragma once

#include <QByteArray>
#include <functional>
#include <vector>

// Cuts the incoming byte stream into frames. The size of each frame follows from its first byte
// (64, or 512 for the large programming packets), as the boot loader's receiver decides it.
class SimFramer {
  public:
    using SizeOf = std::function<int(uint8_t letter)>;

    explicit SimFramer(SizeOf frameSize) : sizeOf(std::move(frameSize)) {}

    // Appends `length` bytes and moves every frame they complete to `frames`.
    void feed(const char *data, int length, std::vector<QByteArray> &frames);
    // Bytes of a frame not yet complete.
    int pendingBytes() const { return partial.size(); }
    // Drops the incomplete frame and returns it.
    QByteArray discard();

  private:
    SizeOf sizeOf;
    QByteArray partial;
    int expected = 0;
};
