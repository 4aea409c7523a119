// A trace of a flash block shows the bytes of the board's own values (its key, its serial) as
// xx, in small and large packets alike, wherever in the block's train they fall.
#include "flash/flash_block.h"
#include "protocol/frame_trace.h"

#include <QtTest>

Q_DECLARE_METATYPE(FlashLayout)

class TraceMaskingTest : public QObject {
    Q_OBJECT

  private slots:
    void flashBlock_data() {
        QTest::addColumn<FlashLayout>("layout");
        QTest::addColumn<uint32_t>("from");
        QTest::addColumn<uint32_t>("to");
        QTest::addColumn<int>("shownHidden"); // hidden bytes in the packets the trace shows
        // The block at 0x7000 of 4096 bytes: its first packet and its last are shown (the last
        // of a small train carries its final 9 bytes).
        QTest::newRow("small, start of the block")
            << FlashLayout::SmallAcknowledged << 0x7000u << 0x7004u << 4;
        QTest::newRow("small, end of the block")
            << FlashLayout::SmallAcknowledged << 0x7FF0u << 0x8000u << 9;
        QTest::newRow("small, middle of the block")
            << FlashLayout::SmallAcknowledged << 0x7400u << 0x7410u << 0;
        QTest::newRow("large, across the first packet's end")
            << FlashLayout::Large << 0x7000u + 500 << 0x7000u + 510 << 4;
        QTest::newRow("range outside the block") << FlashLayout::Large << 0x9000u << 0x9010u << 0;
    }
    void flashBlock() {
        QFETCH(FlashLayout, layout);
        QFETCH(uint32_t, from);
        QFETCH(uint32_t, to);
        QFETCH(int, shownHidden);
        const QByteArray data(4096, '\x5a');
        QList<QByteArray> lines;
        {
            FrameTrace trace([&lines](const QByteArray &line) { lines.append(line); });
            trace.hideFlashRanges({{from, to}});
            for (int round = 0; round < 2; ++round) // the address carries over no block
                for (const FlashPacket &p :
                     Flash_PacketTrain(layout, reinterpret_cast<const uint8_t *>(data.constData()),
                                       0x7000, 4096, uint8_t(round)))
                    trace.sent(p.bytes.data(), int(p.bytes.size()));
        }
        const QByteArray text = lines.join('\n');
        QCOMPARE(text.count(" xx"), 2 * shownHidden);
        // The address is never hidden: 00 70 00 00 after the letter.
        QVERIFY(text.contains("6a 00 70 00 00"));
    }
};

QTEST_GUILESS_MAIN(TraceMaskingTest)
#include "test_trace_masking.moc"
