// What a handshake knows of a chip left busy: the mark a stopped run leaves (read back only when
// whole), which replies are late ones, and how long the longest command may keep a chip busy.
#include "protocol/busy_chip.h"
#include "protocol/busy_mark.h"

#include <QtTest>

class BusyChipTest : public QObject {
    Q_OBJECT

  private slots:
    void markTexts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("isMark");
        QTest::newRow("whole") << QByteArray("104 427885339 1765400000000\n") << true;
        QTest::newRow("no line end") << QByteArray("104 427885339 1765400000000") << false;
        QTest::newRow("a field missing") << QByteArray("104 1765400000000\n") << false;
        QTest::newRow("a field more") << QByteArray("104 1 2 3\n") << false;
        QTest::newRow("letter zero") << QByteArray("0 427885339 1765400000000\n") << false;
        QTest::newRow("letter past a byte") << QByteArray("300 427885339 1765400000000\n") << false;
        QTest::newRow("time not a number") << QByteArray("104 427885339 soon\n") << false;
        QTest::newRow("time before the epoch") << QByteArray("104 427885339 -5\n") << false;
        QTest::newRow("overlong") << QByteArray("104 427885339 1765400000000" +
                                                QByteArray(200, ' ') + "\n")
                                  << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void markTexts() {
        QFETCH(QByteArray, text);
        QFETCH(bool, isMark);
        const std::optional<BusyMark> mark = Parse_BusyMark(text);
        QCOMPARE(bool(mark), isMark);
        if (mark) QCOMPARE(BusyMark_Text(*mark), text);
    }

    // A mark is kept per port and goes once cleared.
    void marksPerPort() {
        QTemporaryDir dir;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
        Save_BusyMark("/dev/ttyACM0", {0x68, 0x1971031B, 1765400000000});
        QVERIFY(!Read_BusyMark("/dev/ttyACM1"));
        const std::optional<BusyMark> mark = Read_BusyMark("/dev/ttyACM0");
        QVERIFY(mark);
        QCOMPARE(mark->letter, uint8_t(0x68));
        QCOMPARE(mark->modelCode, 0x1971031Bu);
        QCOMPARE(mark->untilMs, 1765400000000);
        Clear_BusyMark("/dev/ttyACM0");
        QVERIFY(!Read_BusyMark("/dev/ttyACM0"));
    }

    void lateReplies_data() {
        QTest::addColumn<int>("letter");
        QTest::addColumn<bool>("late");
        QTest::newRow("the erase's") << 0x78 << true;
        QTest::newRow("the flash CRC's") << 0x7E << true;
        QTest::newRow("a block's") << 0x7C << true;
        QTest::newRow("the MCU CRC's") << int('N') << true;
        QTest::newRow("the handshake's own") << int('K') << false;
        QTest::newRow("no command's") << int('?') << false;
    }
    void lateReplies() {
        QFETCH(int, letter);
        QFETCH(bool, late);
        QCOMPARE(Is_OtherCommandsReply(uint8_t(letter), Command::Connect), late);
    }

    // The whole erase (150 s of waiting) for a chip with a 16 MiB part; the CRC over 128 MiB
    // (675 s) for one that addresses such parts.
    void longestCommand() {
        QCOMPARE(Longest_CommandMs(*Find_ChipModelByName("KQ31A")), 150100);
        QCOMPARE(Longest_CommandMs(*Find_ChipModelByName("KQ31B")), 675050);
    }
};

QTEST_GUILESS_MAIN(BusyChipTest)
#include "test_busy_chip.moc"
