// The flash CRC check's pure parts: the request, the budget, the progress value and the move of
// a later reply to the front.
#include "flash/flash_crc.h"

#include <QtTest>
#include <cstring>

class FlashCrc : public QObject {
    Q_OBJECT

  private slots:
    void request_data() {
        QTest::addColumn<uint>("start");
        QTest::addColumn<QByteArray>("head");
        QTest::newRow("whole image") << 0u << QByteArray("6e 00 00 00 00 04 03 02 01 dd cc bb aa");
        QTest::newRow("a range") << 0x00ABCDEFu
                                 << QByteArray("6e ef cd ab 00 04 03 02 01 dd cc bb aa");
    }
    void request() {
        QFETCH(uint, start);
        QFETCH(QByteArray, head);
        const auto f = FlashCrc_Frame(start, 0x01020304, 0xAABBCCDD);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(f.data()), 13).toHex(' '), head);
        for (size_t i = 13; i < f.size(); ++i)
            QCOMPARE(f[i], uint8_t(0));
    }

    void budget_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("budget");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("negative") << -5 << 0;
        QTest::newRow("one byte") << 1 << 100;
        QTest::newRow("one million") << 1000000 << 100;
        QTest::newRow("one million and one") << 1000001 << 200;
        QTest::newRow("16 MiB") << 16 * 1024 * 1024 << 1700;
        QTest::newRow("largest") << 0x7FFFFFFF << 214800;
    }
    void budget() {
        QFETCH(int, length);
        QFETCH(int, budget);
        QCOMPARE(Flash_CrcBudget(length), budget);
    }

    void progress_data() {
        QTest::addColumn<uint>("done");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("percent");
        QTest::newRow("start") << 0u << 1000 << 0;
        QTest::newRow("third, truncated") << 1u << 3 << 33;
        QTest::newRow("just short of all") << 999999u << 1000000 << 99;
        QTest::newRow("all") << 1000u << 1000 << 100;
        QTest::newRow("more than the image") << 5000u << 1000 << 100;
        QTest::newRow("largest count") << 0xFFFFFFFFu << 1000 << 100;
        QTest::newRow("empty image") << 10u << 0 << 100;
    }
    void progress() {
        QFETCH(uint, done);
        QFETCH(int, length);
        QFETCH(int, percent);
        QCOMPARE(Flash_CrcProgress(done, length), percent);
    }

    void laterReplyMoves_data() {
        QTest::addColumn<int>("rxLen");
        QTest::addColumn<int>("secondAt");
        QTest::addColumn<bool>("moved");
        QTest::newRow("one reply") << 64 << 64 << false;
        QTest::newRow("two replies") << 128 << 64 << true;
        QTest::newRow("after a 63-byte reply") << 127 << 63 << true;
        QTest::newRow("three replies") << 192 << 128 << true;
        QTest::newRow("three and a piece") << 200 << 128 << true;
    }
    void laterReplyMoves() {
        QFETCH(int, rxLen);
        QFETCH(int, secondAt);
        QFETCH(bool, moved);
        uint8_t buf[512] = {};
        const uint8_t progress[6] = {0x7E, 0x30, 0x10, 0x00, 0x00, 0x00};
        const uint8_t final[6] = {0x7E, 0x31, 0x44, 0x33, 0x22, 0x11};
        std::memcpy(buf, progress, 6);
        std::memcpy(buf + secondAt, final, 6);
        if (secondAt == 63)
            buf[62] = 0x7E; // the byte that tells the short first reply
        else
            buf[62] = 0x55;
        Take_LaterReply(buf, rxLen);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buf), 6),
                 QByteArray(reinterpret_cast<const char *>(moved ? final : progress), 6));
    }
};

QTEST_APPLESS_MAIN(FlashCrc)
#include "test_flash_crc.moc"
