// The flash CRC check's pure parts: the request, the budget and the progress value.
#include "flash/flash_crc.h"

#include <QtTest>

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
};

QTEST_APPLESS_MAIN(FlashCrc)
#include "test_flash_crc.moc"
