#pragma once

#include <cstdint>

// Sees the traffic of a link as it passes: every frame written and every arrival read, before
// anything is made of it. The link holds no observer unless one is asked for (a trace).
class LinkObserver {
  public:
    virtual ~LinkObserver() = default;
    virtual void sent(const uint8_t *bytes, int length) = 0;
    virtual void received(const uint8_t *bytes, int length) = 0;
};
