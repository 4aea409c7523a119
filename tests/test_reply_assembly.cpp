// Reply assembly in memory: the pieces of replies as a serial driver may hand them over, and
// what is taken after each arrival.
#include "protocol/reply_assembly.h"

#include <QtTest>

namespace {

// A 64-byte reply: its letter, byte 1 and a 32-bit value at bytes 2..5; zero elsewhere.
QByteArray reply(uint8_t letter, char mark, uint32_t value) {
    QByteArray r(ReplySize, '\0');
    r[0] = char(letter);
    r[1] = mark;
    for (int i = 0; i < 4; ++i)
        r[2 + i] = char(value >> (8 * i));
    return r;
}

const QByteArray K = reply('K', 0x11, 0x2B);
const QByteArray progress = reply(0x7E, '0', 0x100000);
const QByteArray final = reply(0x7E, '1', 0xCAFEF00D);
const QByteArray none;

QByteArray taken(ReplyAssembly &a) {
    ReplyFrame r;
    return a.take(r) ? QByteArray(reinterpret_cast<const char *>(r.data()), ReplySize) : none;
}

// The flash CRC check's odd case: a first reply whose byte 62 repeats its byte 0.
QByteArray marked(QByteArray r) {
    r[ReplySize - 2] = r[0];
    return r;
}

} // namespace

class ReplyAssemblyTest : public QObject {
    Q_OBJECT

  private slots:
    // Per row: the arrivals, and what take() gives after each (empty: nothing whole).
    void piecesAndReplies_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<QByteArray>>("arrivals");
        QTest::addColumn<QList<QByteArray>>("replies");
        const int one = ReplyAssembly::OneReply, stream = ReplyAssembly::Stream;

        QTest::newRow("whole") << one << QList<QByteArray>{K} << QList<QByteArray>{K};
        QTest::newRow("cut after its letter")
            << one << QList<QByteArray>{K.left(1), K.mid(1)} << QList<QByteArray>{none, K};
        QTest::newRow("three pieces")
            << one << QList<QByteArray>{K.left(5), K.mid(5, 12), K.mid(17)}
            << QList<QByteArray>{none, none, K};
        QTest::newRow("one byte short")
            << one << QList<QByteArray>{K.left(33), K.mid(33, 30)} << QList<QByteArray>{none, none};
        QTest::newRow("empty arrivals add nothing")
            << one << QList<QByteArray>{QByteArray(), K.left(63), QByteArray(), K.mid(63)}
            << QList<QByteArray>{none, none, none, K};
        QTest::newRow("handed out once; what follows is not its reply")
            << one << QList<QByteArray>{K + final.left(10), final.mid(10)}
            << QList<QByteArray>{K, none};
        QTest::newRow("two in one read: the first")
            << one << QList<QByteArray>{K + final} << QList<QByteArray>{K};

        QTest::newRow("stream: progress, then the result in pieces")
            << stream
            << QList<QByteArray>{progress.left(9), progress.mid(9), final.left(2), final.mid(2)}
            << QList<QByteArray>{none, progress, none, final};
        QTest::newRow("stream: two in one read, the later counts")
            << stream << QList<QByteArray>{progress + final} << QList<QByteArray>{final};
        QTest::newRow("stream: a whole reply and the start of the next")
            << stream << QList<QByteArray>{progress + final.left(20), final.mid(20)}
            << QList<QByteArray>{progress, final};
        QTest::newRow("stream: bytes after the result are no reply")
            << stream << QList<QByteArray>{final + QByteArray(16, '\xA5')}
            << QList<QByteArray>{final};
        QTest::newRow("stream: of more than two, the last whole one")
            << stream << QList<QByteArray>{progress + progress + final + final.left(8)}
            << QList<QByteArray>{final};
        QTest::newRow("stream: after a 63-byte first reply")
            << stream << QList<QByteArray>{marked(progress).left(63) + final}
            << QList<QByteArray>{final};
        // The rule is for a read that starts a reply; inside a reply it does not apply.
        QTest::newRow("stream: the 63-byte rule only where a reply starts")
            << stream << QList<QByteArray>{progress.left(1), marked(progress).mid(1) + final}
            << QList<QByteArray>{none, final};
    }
    void piecesAndReplies() {
        QFETCH(int, mode);
        QFETCH(QList<QByteArray>, arrivals);
        QFETCH(QList<QByteArray>, replies);
        ReplyAssembly a{ReplyAssembly::Mode(mode)};
        for (int i = 0; i < arrivals.size(); ++i) {
            const QByteArray &piece = arrivals[i];
            a.add(reinterpret_cast<const uint8_t *>(piece.constData()), piece.size());
            QCOMPARE(taken(a).toHex(' '), replies[i].toHex(' '));
        }
    }

    // Late replies of other commands (a busy chip's) are set aside wherever they fall in the
    // arrivals; the reply is the first other whole one, a wrong letter included.
    void lateRepliesSetAside_data() {
        QTest::addColumn<QList<QByteArray>>("arrivals");
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<int>("setAside");
        const QByteArray erased = reply(0x78, 0, 0), wrong = reply('?', 0, 0);
        QTest::newRow("late, then the answer")
            << QList<QByteArray>{erased, K} << QList<QByteArray>{none, K} << 1;
        QTest::newRow("late and the answer in one read")
            << QList<QByteArray>{progress + progress + K} << QList<QByteArray>{K} << 2;
        QTest::newRow("pieces across both")
            << QList<QByteArray>{progress.left(30), progress.mid(30) + K.left(3), K.mid(3)}
            << QList<QByteArray>{none, none, K} << 1;
        QTest::newRow("a wrong letter is no late reply")
            << QList<QByteArray>{final + wrong, K} << QList<QByteArray>{wrong, none} << 1;
    }
    void lateRepliesSetAside() {
        QFETCH(QList<QByteArray>, arrivals);
        QFETCH(QList<QByteArray>, replies);
        QFETCH(int, setAside);
        ReplyAssembly a;
        a.setAside([](uint8_t letter) { return letter == 0x7E || letter == 0x78; });
        for (int i = 0; i < arrivals.size(); ++i) {
            const QByteArray &piece = arrivals[i];
            a.add(reinterpret_cast<const uint8_t *>(piece.constData()), piece.size());
            QCOMPARE(taken(a).toHex(' '), replies[i].toHex(' '));
        }
        QCOMPARE(a.setAsideCount(), setAside);
    }

    // Bytes lost between two arrivals: they are never joined into one reply; the arrival after
    // the gap starts a new one.
    void aGapDropsTheReplyBeingJoined() {
        for (const auto mode : {ReplyAssembly::OneReply, ReplyAssembly::Stream}) {
            ReplyAssembly a(mode);
            const auto add = [&a](const QByteArray &b) {
                a.add(reinterpret_cast<const uint8_t *>(b.constData()), b.size());
            };
            add(K.left(20));
            a.lose();
            add(final.left(50));
            QCOMPARE(taken(a), none);
            add(final.mid(50));
            QCOMPARE(taken(a), final);
        }
    }
};

QTEST_APPLESS_MAIN(ReplyAssemblyTest)
#include "test_reply_assembly.moc"
