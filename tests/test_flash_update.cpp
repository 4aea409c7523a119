// The flash update against the simulated chip over a real pseudo-terminal: whole updates in the
// three block layouts, address modes, the size check, the whole-flash erase, failures and Exit.
#include "flash/flash_block.h"
#include "flash/flash_update.h"
#include "protocol/chip_table.h"
#include "support/flash_rig.h"
#include "support/model_codes.h"
#include "support/sim_sync.h"

#include <QtTest>

namespace {

constexpr qint64 MiB = 1024 * 1024;
const QString OkLine = QStringLiteral("Update flash is OK!!!!!!");
const QString FailLine = QStringLiteral("Update flash is fail.....");

} // namespace

class FlashUpdate : public QObject {
    Q_OBJECT

  private slots:
    // Every block at its address with alternating parity, the remainder block last, then the
    // CRC check; the simulator's flash ends equal to the image.
    void wholeUpdate_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("blockSize");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("rest");
        QTest::newRow("KQ31A, 512-byte blocks unacknowledged") << "KQ31A" << 512 << 9 << 100;
        QTest::newRow("KQ47, 16 KiB blocks") << "KQ47" << 16384 << 3 << 1000;
        QTest::newRow("KQ31B, 32 KiB blocks") << "KQ31B" << 32768 << 3 << 197;
        QTest::newRow("KQ31B, whole blocks only") << "KQ31B" << 32768 << 2 << 0;
        QTest::newRow("KQ31C, shorter than a block") << "KQ31C" << 32768 << 0 << 5000;
    }
    void wholeUpdate() {
        QFETCH(QString, model);
        QFETCH(int, blockSize);
        QFETCH(int, blocks);
        QFETCH(int, rest);
        FlashRig rig(model);
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.writeExternalFlash(0, QByteArray(256 * 1024, '\x11')); // stale contents
        const QByteArray image = rig.useImage(blocks * blockSize + rest);

        (void)rig.update();

        RecordingObserver &ui = rig.ui();
        EXPECT_OUTCOME(ui, OkLine);
        QVERIFY(ui.messages.isEmpty());
        QCOMPARE(rig.s.sim.externalFlash(0, image.size()), image);

        const QVector<SimFrame> ends = rig.frames("l");
        const int sent = blocks + (rest > 0 ? 1 : 0);
        QCOMPARE(ends.size(), sent);
        for (int i = 0; i < sent; ++i) {
            QVERIFY2(ends[i].accepted, qPrintable(ends[i].reason));
            QCOMPARE(ends[i].field("address"), quint32(i * blockSize));
            QCOMPARE(ends[i].field("parity"), quint32(i % 2));
            QCOMPARE(int(ends[i].field("length")), i < blocks ? blockSize : rest);
        }
        const int packetSize = Flash_PacketSize(Flash_Layout(rig.session().chip().code));
        for (const SimFrame &f : rig.s.sim.received())
            if (f.name == "j" || f.name == "k" || f.name == "l")
                QCOMPARE(f.bytes.size(), packetSize);

        const QStringList names = rig.names();
        QCOMPARE(names.mid(0, 3), QStringList({"K", "K", "m"}));
        QCOMPARE(rig.frames("K")[1].field("selector"), quint32('2'));
        QCOMPARE(names.last(), QStringLiteral("n"));
        QCOMPARE(rig.frames("n")[0].field("length"), quint32(image.size()));

        // One progress value per whole block, then 100 before the CRC check starts again at 0.
        QList<int> expected;
        for (int i = 0; i < blocks; ++i)
            expected << i * 100 / blocks;
        expected << 100 << 0 << 100;
        QCOMPARE(ui.percents, expected);
        QVERIFY(ui.log.contains("FlashID:0xef4018"));
        QVERIFY(ui.log.contains("Check flash CRC pass."));
        QCOMPARE(rig.record.blocks, sent);
        QCOMPARE(rig.record.blocksWritten, sent);
        QCOMPARE(rig.record.part->name, QStringLiteral("SimPart"));
        QVERIFY(rig.s.link.isOpen());
    }

    void kq580RestartsAndClosesThePort() {
        FlashRig rig("KQ580");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        const QByteArray image = rig.useImage(1500);
        (void)rig.update();
        EXPECT_OUTCOME(rig.ui(), OkLine);
        QCOMPARE(rig.s.sim.externalFlash(0, image.size()), image);
        QTRY_VERIFY(rig.names().contains("O"));
        const SimFrame run = rig.s.sim.received().last();
        QCOMPARE(run.name, QStringLiteral("O"));
        QCOMPARE(run.field("address"), quint32(0x18000));
        QVERIFY(!rig.s.link.isOpen());
    }

    void kq580FailureKeepsThePortOpen() {
        FlashRig rig("KQ580");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.addFault(SimFault::on('n', 1, SimFault::BadCrc));
        rig.useImage(1500);
        (void)rig.update();
        EXPECT_OUTCOME(rig.ui(), FailLine);
        QVERIFY(!rig.names().contains("O"));
        QVERIFY(rig.s.link.isOpen());
    }

    void addressModes_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<qint64>("flashSize");
        QTest::addColumn<int>("modeSent"); // 0: no 'o' command
        QTest::addColumn<int>("addrMode");
        QTest::addColumn<bool>("erased");
        QTest::newRow("KQ31B 16 MiB") << "KQ31B" << 16 * MiB << 0 << 0 << true;
        QTest::newRow("KQ31B 32 MiB") << "KQ31B" << 32 * MiB << 1 << 1 << true;
        QTest::newRow("KQ47 32 MiB") << "KQ47" << 32 * MiB << 1 << 1 << true;
        QTest::newRow("KQ31B 64 MiB") << "KQ31B" << 64 * MiB << 0 << 0 << true;
        QTest::newRow("KQ31B 128 MiB") << "KQ31B" << 128 * MiB << 2 << 2 << false;
        QTest::newRow("KQ3200 128 MiB") << "KQ3200" << 128 * MiB << 2 << 2 << false;
        QTest::newRow("KQ47 128 MiB") << "KQ47" << 128 * MiB << 0 << 2 << false;
        QTest::newRow("KQ581 128 MiB") << "KQ581" << 128 * MiB << 0 << 2 << false;
    }
    // With "Erase whole flash" checked throughout: 128 MiB parts are never erased whole.
    void addressModes() {
        QFETCH(QString, model);
        QFETCH(qint64, flashSize);
        QFETCH(int, modeSent);
        QFETCH(int, addrMode);
        QFETCH(bool, erased);
        FlashRig rig(model, flashSize);
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.request.write = FlashWrite::EraseFirst;
        const QByteArray image = rig.useImage(40000);

        (void)rig.update();

        EXPECT_OUTCOME(rig.ui(), OkLine);
        QCOMPARE(rig.record.flashAddrMode, addrMode);
        const QVector<SimFrame> modes = rig.frames("o");
        QCOMPARE(modes.size(), modeSent ? 1 : 0);
        if (modeSent) {
            QCOMPARE(modes[0].field("mode"), quint32(modeSent));
            QCOMPARE(rig.s.sim.flashAddrMode(), modeSent);
            QVERIFY(rig.ui().log.contains("Set 32bits Addr ok"));
        }
        QCOMPARE(rig.ui().log.contains("Set 32 bits Address!"), addrMode == 1);
        QCOMPARE(rig.names().contains("h"), erased);
        QCOMPARE(rig.ui().log.contains("Start to erase flash ..."), erased);
        QCOMPARE(rig.s.sim.externalFlash(0, image.size()), image);
    }

    void wholeErase() {
        FlashRig rig("KQ31B", MiB);
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.writeExternalFlash(500000, QByteArray(1000, '\x11'));
        rig.request.write = FlashWrite::EraseFirst;
        const QByteArray image = rig.useImage(70000);
        (void)rig.update();
        EXPECT_OUTCOME(rig.ui(), OkLine);
        const QStringList names = rig.names();
        QCOMPARE(names.indexOf("h") + 1, names.indexOf("j"));
        QVERIFY(rig.ui().log.contains("Erase_whole_Flash ok"));
        QCOMPARE(rig.s.sim.externalFlash(500000, 1000), QByteArray(1000, '\xFF'));
    }

    // A whole erase the chip refused ends the update before anything is written: the flash
    // beside the image would not be what the operator asked for, and a later CRC failure would
    // blame the image.
    void eraseRefusedEndsTheUpdate() {
        FlashRig rig("KQ31B", MiB);
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.addFault(SimFault::on('h', 1, SimFault::WrongLetter));
        rig.request.write = FlashWrite::EraseFirst;
        rig.useImage(70000);
        const Result<> r = rig.update();
        QCOMPARE(r.kind(), FailureKind::Refused);
        QCOMPARE(r.reason(), QStringLiteral("the whole-flash erase was refused"));
        QVERIFY(rig.ui().log.contains("Erase whole flash,and return error command"));
        QCOMPARE(rig.frames("l").size(), 0);
        EXPECT_OUTCOME(rig.ui(), FailLine);
    }

    void imageAgainstPartSize_data() {
        QTest::addColumn<int>("extra");
        QTest::newRow("exactly the part") << 0;
        QTest::newRow("one byte more") << 1;
    }
    void imageAgainstPartSize() {
        QFETCH(int, extra);
        FlashRig rig("KQ47", MiB);
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.listPart(0xC84018, 16 * MiB, "Larger"); // the image fits a part, not this one
        rig.request.write = FlashWrite::EraseFirst;
        const QByteArray image = rig.useImage(int(MiB) + extra);
        const Result<> r = rig.update();
        if (extra == 0) {
            EXPECT_OUTCOME(rig.ui(), OkLine);
            QCOMPARE(rig.s.sim.externalFlash(), image);
            return;
        }
        QCOMPARE(rig.ui().messages, QStringList{"The file is over than the flash ic's size"});
        EXPECT_OUTCOME(rig.ui(), FailLine);
        QCOMPARE(rig.names(), QStringList({"K", "K", "m"}));
        QCOMPARE(r.kind(), FailureKind::ImageUnusable);
        QCOMPARE(r.reason(),
                 QString("image of 1048577 bytes exceeds the flash part SimPart of 1048576 bytes"));
    }

    // Failures before any block: what the operator sees and what reached the device.
    void refusals_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<int>("occurrence"); // 0: every one
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("flashSize");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("handshake proves another model")
            << 'K' << 1 << int(SimFault::BadCrc) << 16 * MiB << "Fail to Connect a 31B device"
            << QStringList{"K"};
        QTest::newRow("second handshake refused")
            << 'K' << 2 << int(SimFault::WrongLetter) << 16 * MiB << "Fail to Connect a 31B device"
            << QStringList{"K", "K"};
        QTest::newRow("flash ID refused twice")
            << 'm' << 0 << int(SimFault::WrongLetter) << 16 * MiB
            << "Get flash id,and return error command" << QStringList{"K", "K", "m", "m"};
        QTest::newRow("address mode refused")
            << 'o' << 0 << int(SimFault::WrongLetter) << 32 * MiB
            << "Set 32bits Addr,and return error command" << QStringList{"K", "K", "m", "o"};
    }
    void refusals() {
        QFETCH(char, letter);
        QFETCH(int, occurrence);
        QFETCH(int, kind);
        QFETCH(qint64, flashSize);
        QFETCH(QString, shown);
        QFETCH(QStringList, sent);
        FlashRig rig("KQ31B", flashSize);
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.addFault(SimFault::on(letter, occurrence, SimFault::Kind(kind)));
        rig.useImage(1000);
        (void)rig.update();
        QVERIFY2(rig.ui().messages.contains(shown) || rig.ui().log.contains(shown),
                 qPrintable(rig.ui().log.join('|')));
        EXPECT_OUTCOME(rig.ui(), FailLine);
        QCOMPARE(rig.names(), sent);
    }

    void partOnlyFoundOnRetry() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        SimConfig config = rig.s.sim.config();
        config.flashIdAnswers[0].id = 0x00BAD0;
        rig.s.sim.setConfig(config);
        rig.useImage(1000);
        (void)rig.update();
        EXPECT_OUTCOME(rig.ui(), OkLine);
        QCOMPARE(rig.frames("m").size(), 2);
        QCOMPARE(rig.frames("m")[1].field("variant"), quint32(1));
    }

    void crcOutcomes_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ok");
        QTest::newRow("device CRC differs")
            << int(SimFault::BadCrc) << "Check flash CRC fail,return CRC Value: 0x" << false;
        QTest::newRow("error reply")
            << int(SimFault::WrongLetter) << "Get flash crc,and return error command" << false;
        QTest::newRow("progress and result in one read")
            << int(SimFault::TwoReplies) << "Check flash CRC pass." << true;
    }
    void crcOutcomes() {
        QFETCH(int, kind);
        QFETCH(QString, line);
        QFETCH(bool, ok);
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.addFault(SimFault::on('n', 1, SimFault::Kind(kind)));
        const QByteArray image = rig.useImage(70000);
        (void)rig.update();
        if (kind == SimFault::BadCrc) // the device's value, not the expected one
            line += QString::number(~rig.facts.flashCodeCrc, 16);
        QVERIFY2(rig.ui().log.contains(line), qPrintable(rig.ui().log.join('|')));
        EXPECT_OUTCOME(rig.ui(), ok ? OkLine : FailLine);
        QCOMPARE(rig.s.sim.externalFlash(0, image.size()), image);
    }

    // A refused block does not stop the update; the final CRC check has the last word.
    void refusedBlockGoesOn() {
        FlashRig rig("KQ47");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.addFault(SimFault::on('l', 2, SimFault::WrongLetter));
        rig.useImage(4 * 16384);
        (void)rig.update();
        QCOMPARE(rig.frames("l").size(), 4);
        QVERIFY(rig.ui().messages.isEmpty());
        EXPECT_OUTCOME(rig.ui(), OkLine);
    }

    // A silent device ends the update at the first unacknowledged block.
    void silentBlockEndsTheUpdate() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.addFault(SimFault::on('l', 2, SimFault::Silence));
        rig.useImage(4 * 32768);
        (void)rig.update();
        QCOMPARE(rig.ui().messages, QStringList{"Time over!"});
        QCOMPARE(rig.frames("l").size(), 2);
        QVERIFY(!rig.names().contains("n"));
        EXPECT_OUTCOME(rig.ui(), FailLine);
    }

    // Exit pressed while the handshake waits: the first block is the last one sent.
    void exitDuringProgramming() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.useImage(4 * 32768);
        rig.ui().stopWhen = [&rig] { return rig.names().contains("K"); };
        const Result<> r = rig.update();
        QCOMPARE(r.kind(), FailureKind::Stopped);
        QCOMPARE(r.reason(), QStringLiteral("interrupted"));
        // What the device has read by now, however far behind the host it is.
        QVector<SimFrame> got;
        QVERIFY(receivedSoFar(rig.s, got));
        QCOMPARE(frameNames(got).count("l"), 1);
        QCOMPARE(rig.record.blocksWritten, 1);
        QCOMPARE(rig.record.blocks, 4);
        QVERIFY(!frameNames(got).contains("n"));
        QVERIFY(rig.ui().messages.isEmpty());
        EXPECT_OUTCOME(rig.ui(), FailLine);
    }

    void exitDuringErase() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        SimConfig config = rig.s.sim.config();
        // An erase longer than the host's wait for it: only the stop can end that wait early
        // (its end would say "Time over!").
        config.flashEraseMs = 200000;
        rig.s.sim.setConfig(config);
        rig.request.write = FlashWrite::EraseFirst;
        rig.useImage(1000);
        // Exit once the erase is under way, however slow the host is to get there.
        rig.ui().stopWhen = [&rig] { return rig.names().contains("h"); };
        QCOMPARE(rig.update().kind(), FailureKind::Stopped);
        QVERIFY(rig.ui().messages.isEmpty());
        QVERIFY(rig.names().contains("h"));
        QVERIFY(!rig.names().contains("j"));
        EXPECT_OUTCOME(rig.ui(), FailLine);
    }

    void exitDuringCrcCheck() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.addFault(SimFault::on('n', 1, SimFault::Silence));
        rig.useImage(1000);
        // Exit once the CRC request is out: the stop ends the wait before it runs out (which
        // would say "Time over!").
        rig.ui().stopWhen = [&rig] { return rig.names().contains("n"); };
        QCOMPARE(rig.update().kind(), FailureKind::Stopped);
        QVERIFY(rig.names().contains("n"));
        QVERIFY(rig.ui().messages.isEmpty());
        EXPECT_OUTCOME(rig.ui(), FailLine);
    }

    void noImage() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        QCOMPARE(rig.update().kind(), FailureKind::InputUnusable);
        QCOMPARE(rig.ui().messages, QStringList{"Please input flash code file"});
        QVERIFY(rig.ui().log.isEmpty());
        QVERIFY(rig.names().isEmpty());
    }

    void closedPort() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.useImage(1000);
        rig.s.link.Close();
        (void)rig.update();
        QCOMPARE(rig.ui().messages, QStringList{"Please open the port!"});
        EXPECT_OUTCOME(rig.ui(), FailLine);
    }
};

QTEST_GUILESS_MAIN(FlashUpdate)
#include "test_flash_update.moc"
