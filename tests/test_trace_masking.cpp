// A trace of a flash block shows the bytes of the board's own values (its key, its serial) as
// xx, in small and large packets alike, wherever in the block's train they fall; a flash CRC
// check over them shows neither CRC.
#include "flash/flash_block.h"
#include "flash/flash_crc.h"
#include "protocol/commands.h"
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

    void flashCrc_data() {
        QTest::addColumn<uint32_t>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("the whole image") << 0u << 0x80000 << true;
        QTest::newRow("the key's range alone") << 0x7D000u << 16 << true;
        QTest::newRow("ends where the key starts") << 0x7C000u << 0x1000 << false;
        QTest::newRow("starts where the key ends") << 0x7D010u << 16 << false;
    }
    void flashCrc() {
        QFETCH(uint32_t, start);
        QFETCH(int, length);
        QFETCH(bool, hidden);
        QList<QByteArray> lines;
        {
            FrameTrace trace([&lines](const QByteArray &line) { lines.append(line); });
            trace.hideFlashRanges({{0x7D000u, 0x7D010u}});
            const auto frame = FlashCrc_Frame(start, length, 0xA1B2C3D4u);
            trace.sent(frame.data(), int(frame.size()));
            // A progress reply and the final one, the final one split in the middle of its CRC.
            QByteArray replies(2 * 64, '\0');
            replies[0] = replies[64] = char(Command::CheckFlashCrc.replyLetter);
            replies[1] = '0';
            replies.replace(66, 4, QByteArray::fromHex("d4c3b2a1"));
            trace.received(reinterpret_cast<const uint8_t *>(replies.constData()), 68);
            trace.received(reinterpret_cast<const uint8_t *>(replies.constData()) + 68, 60);
        }
        const QByteArray text = lines.join('\n');
        QCOMPARE(text.contains("d4 c3 b2 a1"), !hidden);
        QCOMPARE(text.contains("7e 00 d4 c3"), !hidden); // the final reply's, cut after 2 bytes
        // Four bytes each of the frame and the two replies, and the second piece's letter column
        // (it starts inside the CRC).
        QCOMPARE(text.count(" xx"), hidden ? 3 * 4 + 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TraceMaskingTest)
#include "test_trace_masking.moc"
