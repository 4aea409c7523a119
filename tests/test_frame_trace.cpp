// What the trace makes of traffic that a small update does not show: a runaway arrival, reply
// letters that are no printable characters, trains of two packets and of word writes.
#include "protocol/frame_trace.h"

#include <QtTest>

class FrameTraceTest : public QObject {
    Q_OBJECT

  private slots:
    void linesAreBoundedAndLettersReadable();
    void trainsEndWhereTheirBlockEnds();

  private:
    // The lines of a trace, each without its time stamp.
    static QList<QByteArray> untimed(const QList<QByteArray> &lines) {
        QList<QByteArray> out;
        for (const QByteArray &line : lines)
            out.append(line.mid(line.indexOf(" us ") + 4));
        return out;
    }
};

void FrameTraceTest::linesAreBoundedAndLettersReadable() {
    QList<QByteArray> lines;
    {
        FrameTrace trace([&lines](const QByteArray &line) { lines.append(line); });
        const QByteArray burst(5000, char(0x5A));
        trace.received(reinterpret_cast<const uint8_t *>(burst.constData()), burst.size());
        const uint8_t addressModeReply[] = {0x7F, 0x00};
        trace.received(addressModeReply, 2);
        const uint8_t space[] = {' '};
        trace.sent(space, 1);
        trace.sent(nullptr, 0); // nothing to show
    }
    QCOMPARE(lines.size(), 3);
    const QByteArray hex = QByteArray(FrameTrace::MaxHexBytes, char(0x5A)).toHex(' ');
    QCOMPARE(untimed(lines)[0], "RX Z    5000 " + hex + " ...");
    QCOMPARE(untimed(lines)[1], QByteArray("RX 0x7f    2 7f 00"));
    QCOMPARE(untimed(lines)[2], QByteArray("TX 0x20    1 20"));
}

void FrameTraceTest::trainsEndWhereTheirBlockEnds() {
    QList<QByteArray> lines;
    {
        FrameTrace trace([&lines](const QByteArray &line) { lines.append(line); });
        const auto send = [&trace](const QByteArray &packet) {
            trace.sent(reinterpret_cast<const uint8_t *>(packet.constData()), packet.size());
        };
        send("J0");
        send("J2"); // a block of two packets: both shown, nothing counted
        send("I1");
        send("I2");
        send("I3");
        send("I4"); // word writes: a train until another command
        send("O");  // another command ends the train
    }
    const QList<QByteArray> expected{"TX J       2 4a 30", "TX J       2 4a 32",
                                     "TX I       2 49 31", "TX ... 2 packets not shown, 4 bytes",
                                     "TX I       2 49 34", "TX O       1 4f"};
    QCOMPARE(untimed(lines), expected);
}

QTEST_GUILESS_MAIN(FrameTraceTest)
#include "test_frame_trace.moc"
