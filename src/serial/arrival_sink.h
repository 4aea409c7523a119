#pragma once

#include <cstdint>

// Whoever joins the bytes that arrive on a link into replies: the reply assembly of the command
// being awaited. It gets every arrival whole and in order, however many come between two looks.
class ArrivalSink {
  public:
    virtual ~ArrivalSink() = default;
    virtual void arrived(const uint8_t *bytes, int length) = 0;
    // An arrival too long for the link's reply buffer was dropped unread.
    virtual void lost() = 0;
};
