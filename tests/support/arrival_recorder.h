#pragma once

#include "serial/serial_link.h"

#include <QByteArray>
#include <QList>

// Keeps every arrival a link hands out, as it came, for tests that talk to a device byte by byte.
// Attached to `link` for its lifetime.
class ArrivalRecorder : public ArrivalSink {
  public:
    explicit ArrivalRecorder(SerialLink &serialLink) : link(serialLink) {
        link.setArrivalSink(this);
    }
    ~ArrivalRecorder() override { link.setArrivalSink(nullptr); }
    ArrivalRecorder(const ArrivalRecorder &) = delete;
    ArrivalRecorder &operator=(const ArrivalRecorder &) = delete;

    void arrived(const uint8_t *bytes, int length) override {
        arrivals.append(QByteArray(reinterpret_cast<const char *>(bytes), length));
    }
    void lost() override { ++lostArrivals; }

    // Everything that arrived, joined.
    QByteArray bytes() const { return arrivals.join(); }

    QList<QByteArray> arrivals;
    int lostArrivals = 0;

  private:
    SerialLink &link;
};
