// Worked byte examples of the boot protocol's pure codecs: CRC-32, BootFrame, run command and
// the handshake frame and proof.
#include "protocol/bytes.h"
#include "protocol/chip_table.h"
#include "protocol/crc32.h"
#include "protocol/handshake.h"
#include "protocol/transaction.h"
#include "support/model_codes.h"

#include <QtTest>

namespace {
QByteArray hex(const uint8_t *p, int n) {
    return QByteArray(reinterpret_cast<const char *>(p), n).toHex(' ');
}
} // namespace

class ProtocolCodecs : public QObject {
    Q_OBJECT

  private slots:
    void crcCheckValues_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<uint>("crc");
        QTest::newRow("123456789") << QByteArray("123456789") << 0x2DFD2D88u;
        QTest::newRow("abc") << QByteArray("abc") << 0xCA6598D0u;
        QTest::newRow("empty") << QByteArray() << 0u;
        QTest::newRow("zeros") << QByteArray(100, '\0') << 0u;
        QTest::newRow("leading zeros") << (QByteArray(7, '\0') + "abc") << 0xCA6598D0u;
    }
    void crcCheckValues() {
        QFETCH(QByteArray, input);
        QFETCH(uint, crc);
        QCOMPARE(
            crc32_calc(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size())),
            crc);
    }

    void crcUpdateContinues() {
        const QByteArray a("12345"), b("6789");
        const uint32_t first = crc32_calc(reinterpret_cast<const uint8_t *>(a.constData()), 5);
        QCOMPARE(crc32_update(first, reinterpret_cast<const uint8_t *>(b.constData()), 4),
                 0x2DFD2D88u);
    }

    void bootFrameLayout() {
        const uint8_t zeros[24] = {};
        const Frame f = BootFrame(24, 0x7C00, zeros);
        QCOMPARE(hex(f.data(), 8), QByteArray("48 30 00 7c 00 00 18 00"));
        QCOMPARE(hex(&f[32], 4), QByteArray("af 60 d3 5f"));
        for (int i = 36; i < 64; ++i)
            QCOMPARE(f[i], uint8_t(0));
    }

    void runFrames() {
        const Frame other = Run_Frame(Model::KQ31B, 0x8008000);
        QCOMPARE(hex(other.data(), 8), QByteArray("4f 00 80 00 08 00 00 00"));
        const Frame kq580 = Run_Frame(Model::KQ580, 0x400);
        QCOMPARE(hex(kq580.data(), 8), QByteArray("4f 00 00 00 00 04 00 00"));
        for (int i = 8; i < 64; ++i)
            QVERIFY(other[i] == 0 && kq580[i] == 0);
    }

    void handshakeFramesAndProofs_data() {
        QTest::addColumn<uint>("code");
        QTest::addColumn<QByteArray>("crcBytes");
        QTest::addColumn<QByteArray>("proofBytes");
        QTest::newRow("KQ31B") << uint(Model::KQ31B) << QByteArray("ae 7f 53 71")
                               << QByteArray("34 3f e8 b6");
        QTest::newRow("KQ580") << uint(Model::KQ580) << QByteArray("4a a4 4b 40")
                               << QByteArray("16 cc 7e 8e");
    }
    void handshakeFramesAndProofs() {
        QFETCH(uint, code);
        QFETCH(QByteArray, crcBytes);
        QFETCH(QByteArray, proofBytes);
        const Frame f = Connect_Frame('0', 1, code);
        QCOMPARE(hex(f.data(), 8), QByteArray("4b 30 4b 51 01 00 00 00"));
        QCOMPARE(hex(&f[8], 4), crcBytes);
        QCOMPARE(f[16], uint8_t(0x7F));
        // The proposed code itself is never sent.
        uint8_t codeBytes[4];
        Put_Le32(codeBytes, code);
        QVERIFY(!QByteArray(reinterpret_cast<const char *>(f.data()), 64)
                     .contains(QByteArray(reinterpret_cast<const char *>(codeBytes), 4)));
        uint8_t proof[4];
        Put_Le32(proof, Expected_Proof(f.data(), code));
        QCOMPARE(hex(proof, 4), proofBytes);
    }
};

QTEST_APPLESS_MAIN(ProtocolCodecs)
#include "test_protocol_codecs.moc"
