// Writing only what changed, against the simulated chip: the device's range CRCs decide which
// blocks are sent, the block bits count the blocks sent, a device that misjudges ranges still
// ends with the image and a true verdict, and the check names the ranges that differ.
#include "flash/flash_ranges.h"
#include "flash/flash_update.h"
#include "support/flash_rig.h"

#include <QtTest>

namespace {

const QString OkLine = QStringLiteral("Update flash is OK!!!!!!");
const QString FailLine = QStringLiteral("Update flash is fail.....");
constexpr int Everything = -1; // in a list of changed addresses: the device holds nothing yet

// What the device holds: the image with a bit flipped at each address of `changes`, or erased.
QByteArray deviceCopy(const QByteArray &image, const QList<int> &changes) {
    if (changes == QList<int>{Everything}) return QByteArray(image.size(), char(0xFF));
    QByteArray copy = image;
    for (const int at : changes)
        copy[at] = char(copy[at] ^ 0x01);
    return copy;
}

QList<int> addresses(const QVector<SimFrame> &blocks) {
    QList<int> list;
    for (const SimFrame &f : blocks)
        list << int(f.field("address"));
    return list;
}

// Every block accepted, with the block bit alternating from 0 over the blocks sent.
void verifyBlockBits(const QVector<SimFrame> &blocks) {
    for (int i = 0; i < blocks.size(); ++i) {
        QVERIFY2(blocks[i].accepted, qPrintable(blocks[i].reason));
        QCOMPARE(blocks[i].field("parity"), quint32(i % 2));
    }
}

} // namespace

class FlashChanged : public QObject {
    Q_OBJECT

  private slots:
    void onlyChangedBlocksSent_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("changes");
        QTest::addColumn<QList<int>>("written"); // block addresses, in order
        QTest::addColumn<int>("queries");        // range CRC requests, the final check included

        const int kq31b = 4 * 32768 + 197;
        QTest::newRow("KQ31B, one block")
            << "KQ31B" << kq31b << QList<int>{32768 + 5} << QList<int>{32768} << 6;
        QTest::newRow("KQ31B, the remainder block")
            << "KQ31B" << kq31b << QList<int>{kq31b - 1} << QList<int>{4 * 32768} << 6;
        QTest::newRow("KQ31B, nothing") << "KQ31B" << kq31b << QList<int>{} << QList<int>{} << 6;
        QTest::newRow("KQ31B, first-time flash") << "KQ31B" << kq31b << QList<int>{Everything}
                                                 << QList<int>{0, 32768, 65536, 98304, 131072} << 6;
        QTest::newRow("KQ47, first and last blocks")
            << "KQ47" << 3 * 16384 + 1000 << QList<int>{0, 3 * 16384 + 999} << QList<int>{0, 49152}
            << 5;
        // 512-byte blocks: 16 KiB queries, a differing one asked again per 4 KiB sector, and a
        // sector that differs written whole, since erasing it wipes the blocks beside.
        QList<int> sector1, tail;
        for (int i = 0; i < 8; ++i) {
            sector1 << 0x1000 + 512 * i;
            tail << 0x4000 + 512 * i;
        }
        QTest::newRow("KQ31A, one byte")
            << "KQ31A" << 20000 << QList<int>{0x1234} << sector1 << 2 + 4 + 1;
        QTest::newRow("KQ31A, the short last sector")
            << "KQ31A" << 20000 << QList<int>{19999} << tail << 2 + 1;
    }
    void onlyChangedBlocksSent() {
        QFETCH(QString, model);
        QFETCH(int, length);
        QFETCH(QList<int>, changes);
        QFETCH(QList<int>, written);
        QFETCH(int, queries);
        FlashRig rig(model);
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        const QByteArray image = rig.useImage(length);
        rig.s.sim.writeExternalFlash(0, deviceCopy(image, changes));
        rig.request.write = FlashWrite::OnlyChanged;

        (void)rig.update();

        RecordingObserver &ui = rig.ui();
        EXPECT_OUTCOME(ui, OkLine);
        QCOMPARE(rig.s.sim.externalFlash(0, length), image);
        const QVector<SimFrame> blocks = rig.frames("l");
        QCOMPARE(addresses(blocks), written);
        QCOMPARE(rig.record.blocksWritten, written.size());
        verifyBlockBits(blocks);
        const int blockSize = model == "KQ31A" ? 512 : model == "KQ47" ? 16384 : 32768;
        const int total = (length + blockSize - 1) / blockSize;
        QVERIFY2(ui.log.contains(QStringLiteral("Only changed blocks: %1 written, %2 unchanged "
                                                "and skipped")
                                     .arg(written.size())
                                     .arg(total - written.size())),
                 qPrintable(ui.log.join('|')));
        const QVector<SimFrame> crcs = rig.frames("n");
        QCOMPARE(crcs.size(), queries);
        QCOMPARE(rig.names().last(), QStringLiteral("n"));
        QCOMPARE(crcs.last().field("start"), 0u);
        QCOMPARE(int(crcs.last().field("length")), length);
        QVERIFY(ui.messages.isEmpty());
    }

    // The whole-image check alone decides: a device whose range CRCs claim a match it does not
    // hold gets the whole image in a new update; one that claims differences costs writes.
    void misjudgedRanges_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("claims every range matches") << int(SimFault::EchoCrc) << true;
        QTest::newRow("claims every range differs") << int(SimFault::BadCrc) << false;
    }
    void misjudgedRanges() {
        QFETCH(int, kind);
        QFETCH(bool, rewritten);
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        const QByteArray image = rig.useImage(4 * 32768 + 197);
        rig.s.sim.writeExternalFlash(0, deviceCopy(image, {70000, 100000}));
        for (int query = 1; query <= 5; ++query) // the range requests, not the final check
            rig.s.sim.addFault(SimFault::on('n', query, SimFault::Kind(kind)));
        rig.request.write = FlashWrite::OnlyChanged;

        (void)rig.update();

        EXPECT_OUTCOME(rig.ui(), OkLine);
        QCOMPARE(rig.s.sim.externalFlash(0, image.size()), image);
        const QList<int> all{0, 32768, 65536, 98304, 131072};
        const QVector<SimFrame> blocks = rig.frames("l");
        QCOMPARE(addresses(blocks), all);
        verifyBlockBits(blocks);
        const QStringList names = rig.names();
        int firstCheck = -1; // the sixth CRC request: the whole-image check
        for (int n = 0; n < 6; ++n)
            firstCheck = names.indexOf("n", firstCheck + 1);
        QCOMPARE(rig.ui().log.contains("The flash still differs from the image: writing the "
                                       "whole image"),
                 rewritten);
        if (rewritten) { // a new update: handshake, blocks from parity 0, the check again
            QCOMPARE(names.mid(firstCheck + 1, 2), QStringList({"K", "K"}));
            QCOMPARE(names.indexOf("j"), firstCheck + 3);
            QCOMPARE(rig.frames("n").size(), 5 + 2);
        } else {
            QCOMPARE(names.count("K"), 2);
            QCOMPARE(rig.frames("n").size(), 5 + 1);
        }
    }

    // A device that cannot answer a range request gets every block from there on.
    void rangeRequestRefused() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        const QByteArray image = rig.useImage(4 * 32768);
        rig.s.sim.writeExternalFlash(0, image);
        rig.s.sim.addFault(SimFault::on('n', 2, SimFault::WrongLetter));
        rig.request.write = FlashWrite::OnlyChanged;

        (void)rig.update();

        EXPECT_OUTCOME(rig.ui(), OkLine);
        const QStringList log = rig.ui().log;
        QVERIFY(log.contains("Get flash crc,and return error command"));
        QVERIFY(log.contains("No flash CRC of the range at 0x8000: every block from there on is "
                             "written"));
        QVERIFY(log.contains("Only changed blocks: 3 written, 1 unchanged and skipped"));
        QCOMPARE(addresses(rig.frames("l")), QList<int>({32768, 65536, 98304}));
        verifyBlockBits(rig.frames("l"));
    }

    // Exit while the device compares: nothing is written and nothing is tried again.
    void exitWhileComparing() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.useImage(4 * 32768);
        rig.s.sim.addFault(SimFault::on('n', 1, SimFault::Silence));
        rig.request.write = FlashWrite::OnlyChanged;
        rig.ui().stopWhen = [&rig] { return rig.names().contains("n"); };

        QCOMPARE(rig.update().kind(), FailureKind::Stopped);

        EXPECT_OUTCOME(rig.ui(), FailLine);
        QCOMPARE(rig.names(), QStringList({"K", "K", "m", "n"}));
        QVERIFY(rig.ui().messages.isEmpty());
    }

    // After the whole-image check, the block ranges that differ, adjacent ones joined.
    void differingRangesNamed_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QList<int>>("changes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("KQ31A, joined and apart")
            << "KQ31A" << QList<int>{0x1234, 0x1400, 69999}
            << QStringList{"Differs from the image: 0x00001200-0x000015FF (1024 bytes)",
                           "Differs from the image: 0x00011000-0x0001116F (368 bytes)"};
        QTest::newRow("KQ31B, one block")
            << "KQ31B" << QList<int>{40000}
            << QStringList{"Differs from the image: 0x00008000-0x0000FFFF (32768 bytes)"};
        QTest::newRow("all match") << "KQ31B" << QList<int>{} << QStringList{"all blocks match"};
    }
    void differingRangesNamed() {
        QFETCH(QString, model);
        QFETCH(QList<int>, changes);
        QFETCH(QStringList, lines);
        FlashRig rig(model);
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        const QByteArray image = rig.useImage(70000);
        rig.s.sim.writeExternalFlash(0, deviceCopy(image, changes));

        const Result<> r = Check_FlashBlocks(rig.session(), *Read_FlashImageFile(rig.path, {}));

        const QStringList log = rig.ui().log;
        QCOMPARE(r.ok(), changes.isEmpty());
        QVERIFY(log.join('|').contains(changes.isEmpty()
                                           ? "Check flash CRC pass."
                                           : "Check flash CRC fail,return CRC Value: 0x"));
        QCOMPARE(log.mid(log.size() - lines.size()), lines);
        QVERIFY(rig.names().indexOf("j") < 0); // nothing written
    }
};

QTEST_GUILESS_MAIN(FlashChanged)
#include "test_flash_changed.moc"
