// The MCU update against the simulated boot loader over a real pseudo-terminal: what lands in
// the chip's MCU flash and records, the address plan, the size limits, packaged images, and
// every failure ending in "Update MCU is fail....." with its kind and reason.
#include "mcu/mcu_image.h"
#include "mcu/mcu_update.h"
#include "protocol/bytes.h"
#include "support/mcu_rig.h"

#include <QtTest>

Q_DECLARE_METATYPE(SimFault)

namespace {

QStringList frameNames(const QVector<SimFrame> &frames, bool withTrains = false) {
    QStringList names;
    for (const SimFrame &f : frames)
        if (withTrains || !f.name.startsWith('J')) names << f.name;
    return names;
}

int count(const QVector<SimFrame> &frames, const QString &name) {
    return int(std::count_if(frames.begin(), frames.end(),
                             [&](const SimFrame &f) { return f.name == name; }));
}

QString rejected(const QVector<SimFrame> &frames) {
    for (const SimFrame &f : frames)
        if (!f.accepted) return f.text();
    return {};
}

} // namespace

class McuUpdate : public QObject {
    Q_OBJECT

  private slots:
    void updatesLandAtTheirStart_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("length");
        QTest::addColumn<uint>("runAddress");
        QTest::addColumn<uint>("start");
        QTest::addColumn<bool>("secondBootInfo");
        QTest::newRow("KQ31A small packets, tail") << "KQ31A" << 10000 << 0u << 0u << false;
        QTest::newRow("KQ31A at its limit") << "KQ31A" << 59392 << 0u << 0u << false;
        QTest::newRow("KQ47 whole blocks") << "KQ47" << 3 * 2048 << 0u << 0u << false;
        QTest::newRow("KQ47 eight bytes") << "KQ47" << 8 << 0u << 0u << false;
        QTest::newRow("KQ580 patched first") << "KQ580" << 5000 << 0u << 0u << false;
        QTest::newRow("KQ31B page 0x800A000") << "KQ31B" << 100001 << 0x800A123u << 0x2000u << true;
        QTest::newRow("KQ31B at the base") << "KQ31B" << 4096 << 0x8008000u << 0u << false;
        QTest::newRow("KQ31B exactly 0x8009000")
            << "KQ31B" << 4096 << 0x8009000u << 0x1000u << false;
        QTest::newRow("KQ31B just above 0x8009000")
            << "KQ31B" << 4100 << 0x8009001u << 0x1000u << true;
        QTest::newRow("KQ31B takes 481,281 bytes")
            << "KQ31B" << 481281 << 0x8008400u << 0u << false;
        QTest::newRow("KQ581 at its limit") << "KQ581" << 481280 << 0x8008000u << 0u << false;
        QTest::newRow("KQ3200 large packets") << "KQ3200" << 3000 << 0x800B000u << 0x3000u << true;
    }
    void updatesLandAtTheirStart() {
        QFETCH(QString, model);
        QFETCH(int, length);
        QFETCH(uint, runAddress);
        QFETCH(uint, start);
        QFETCH(bool, secondBootInfo);
        McuRig rig(model);
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        rig.blSet = 2;
        const QByteArray image = mcuImage(length, runAddress);
        rig.useImage(image);

        QVERIFY(rig.update().ok());
        rig.verifyEnding(true);
        QVERIFY(rig.chip.ui.messages.isEmpty());

        const QByteArray flash = rig.chip.sim.mcuFlash();
        QCOMPARE(flash.mid(int(start), length), image);
        QCOMPARE(flash.left(int(start)), QByteArray(int(start), char(0xFF)));

        const QVector<SimFrame> frames = rig.chip.sim.received();
        QCOMPARE(rejected(frames), QString());
        QStringList expectedFrames{"K", "K"};
        if (model == "KQ580")
            expectedFrames << "I"
                           << "I";
        expectedFrames << "L";
        if (secondBootInfo) expectedFrames << "H7C00";
        expectedFrames << "H7E00"
                       << "N";
        QCOMPARE(frameNames(frames), expectedFrames);
        const SimFrame &erase = frames[expectedFrames.indexOf("L")];
        QCOMPARE(erase.field("start"), start);
        QCOMPARE(erase.field("end"), start + uint(length));
        const int blocks = (length + 2047) / 2048;
        QCOMPARE(count(frames, "J0"), blocks);
        QCOMPARE(count(frames, "J2"), blocks);

        const SimBootRecords records = rig.chip.sim.bootRecords();
        QVERIFY(records.haveBootSetting);
        QCOMPARE(records.bootSetting, 0xFFFFFFF2u);
        QCOMPARE(records.haveSecondBootInfo, secondBootInfo);
        if (secondBootInfo) {
            QCOMPARE(records.runAddress, runAddress);
            QCOMPARE(records.imageLength, uint(length));
            QCOMPARE(records.imageCrc, imageCrc(image));
        }
        if (model == "KQ580") {
            const QByteArray words = rig.chip.sim.wordMemory();
            QCOMPARE(Get_Le32(reinterpret_cast<const uint8_t *>(words.constData()) + 0x1F00),
                     0xF7FF7F01u);
            QCOMPARE(Get_Le32(reinterpret_cast<const uint8_t *>(words.constData()) + 0x1F3C + 24),
                     0xBEBEBEBEu);
        }

        QStringList expectedLog;
        if (runAddress)
            expectedLog << "enter_Addr:" + To_Hex8(runAddress)
                        << "sAddr:" + To_Hex8(start) + " eAddr:" + To_Hex8(start + uint(length));
        expectedLog << "Version"
                    << "Timer"
                    << "Erase flash OK..."
                    << "Timer"
                    << "Program flash.."
                    << "Timer"
                    << "Check CRC is OK..."
                    << "Timer"
                    << ""
                    << "Update MCU is OK!!!!!!";
        QCOMPARE(comparableLog(rig.chip.ui.log), expectedLog);
        QCOMPARE(rig.chip.ui.percents.first(), 0);
        QCOMPARE(rig.chip.ui.percents.last(), 100);
        QVERIFY(std::is_sorted(rig.chip.ui.percents.begin(), rig.chip.ui.percents.end()));
        QCOMPARE(rig.chip.ui.percents.size(), 2 + length / 2048);
        QCOMPARE(rig.facts.enterAddr, runAddress);
        QCOMPARE(rig.facts.mcuLen, length);
        QCOMPARE(rig.facts.mcuCrc, imageCrc(image));
    }

    void packagedImageIsUnpackedBeforeProgramming() {
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        const QByteArray image = mcuImage(30000, 0x8008000);
        QByteArray ordered = image + QByteArray(4, '\0');
        Put_Le32(reinterpret_cast<uint8_t *>(ordered.data()) + image.size(), imageCrc(image));
        // Stored with image bytes 800..1311 moved behind the rest.
        rig.useImage(ordered.left(800) + ordered.mid(1312) + ordered.mid(800, 512), "fw.pkg");
        QVERIFY(rig.update().ok());
        QCOMPARE(rig.chip.sim.mcuFlash().left(image.size()), image);
        QCOMPARE(rig.facts.mcuLen, 30000);
        rig.verifyEnding(true);
    }

    // Refusals while loading leave the log and device alone, and forget the image.
    void loadingRefusalsSendNothing_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<FailureKind>("kind");
        QTest::addColumn<QString>("message");
        const QByteArray image = mcuImage(2000);
        QByteArray wrongTrailer = image + QByteArray(4, '\0');
        Put_Le32(reinterpret_cast<uint8_t *>(wrongTrailer.data()) + 2000, imageCrc(image) ^ 0x100);
        const auto unusable = FailureKind::ImageUnusable;
        QTest::newRow("KQ31A one byte over")
            << "KQ31A" << mcuImage(59393) << "fw.bin" << unusable << "Over Mcu flash size:59392";
        QTest::newRow("wrong trailer")
            << "KQ31B" << wrongTrailer << "fw.BIN" << unusable << "This isn't a KQ31A/B's file";
        QTest::newRow("no file named")
            << "KQ31B" << QByteArray() << "" << FailureKind::InputUnusable
            << "Please input mcu code file";
    }
    void loadingRefusalsSendNothing() {
        QFETCH(QString, model);
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(FailureKind, kind);
        QFETCH(QString, message);
        McuRig rig(model);
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        rig.chip.ui.log << "earlier line";
        if (!name.isEmpty()) rig.useImage(file, name);
        const Result<> r = rig.update();
        QVERIFY(!r.ok());
        QCOMPARE(r.kind(), kind);
        QCOMPARE(rig.chip.ui.messages, QStringList{message});
        QCOMPARE(rig.chip.ui.log, QStringList{"earlier line"});
        QCOMPARE(rig.chip.ui.mcuLabel, QStringLiteral("Mcu code,CRC = 0x0  Len: 0"));
        QCOMPARE(rig.facts.mcuLen, 0);
        QCOMPARE(rig.chip.sim.receivedCount(), 0);
    }

    void noModelStopsAtTheFlashSize() {
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        rig.chip.session.identity.model = nullptr;
        rig.useImage(mcuImage(100));
        QCOMPARE(rig.update().kind(), FailureKind::ImageUnusable);
        QCOMPARE(rig.chip.ui.messages, QStringList{"Over Mcu flash size:0"});
        QCOMPARE(rig.chip.sim.receivedCount(), 0);
    }

    // Refused by the update before anything is erased; the log tells why.
    void refusalsBeforeErasing_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<bool>("closePort");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<FailureKind>("kind");
        const QString over = "This file is over than mcu to update!";
        const auto unusable = FailureKind::ImageUnusable;
        QTest::newRow("port closed")
            << "KQ31B" << mcuImage(100, 0x8008000) << true << QStringList{"Please open the port!"}
            << QStringList{} << FailureKind::InputUnusable;
        QTest::newRow("seven bytes")
            << "KQ47" << mcuImage(7) << false << QStringList{"There aren't any datas to update!"}
            << QStringList{} << unusable;
        QTest::newRow("run address below the base")
            << "KQ31B" << mcuImage(100, 0x8007FFF) << false << QStringList{}
            << QStringList{"enter_Addr:0x08007FFF",
                           "The run address is less than 0x8008000:0x08007FFF"}
            << unusable;
        QTest::newRow("KQ581 one byte over its limit")
            << "KQ581" << mcuImage(481281, 0x8008000) << false << QStringList{over}
            << QStringList{"enter_Addr:0x08008000", "sAddr:0x00000000 eAddr:0x00075801"}
            << unusable;
        QTest::newRow("placed past the end of the flash")
            << "KQ31B" << mcuImage(100000, 0x8080000) << false << QStringList{over}
            << QStringList{"enter_Addr:0x08080000", "sAddr:0x00078000 eAddr:0x000906A0"}
            << unusable;
        QTest::newRow("run address at the top of the address space")
            << "KQ31B" << mcuImage(100000, 0xFFFFFFFF) << false << QStringList{over}
            << QStringList{"enter_Addr:0xFFFFFFFF", "sAddr:0xF7FF7000 eAddr:0xF800F6A0"}
            << unusable;
    }
    void refusalsBeforeErasing() {
        QFETCH(QString, model);
        QFETCH(QByteArray, image);
        QFETCH(bool, closePort);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, log);
        QFETCH(FailureKind, kind);
        McuRig rig(model);
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        rig.useImage(image);
        if (closePort) rig.chip.link.Close();
        QCOMPARE(rig.update().kind(), kind);
        QCOMPARE(rig.chip.ui.messages, messages);
        QCOMPARE(rig.chip.ui.log, (log + QStringList{"", "Update MCU is fail....."}));
        rig.verifyEnding(false);
        QCOMPARE(rig.chip.sim.receivedCount(), 0);
    }

    // Device faults at each step of the sequence; the lines before the verdict say which step,
    // the failure's kind what went wrong.
    void deviceFailures_data() {
        QTest::addColumn<SimFault>("fault");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("lastLines");
        QTest::addColumn<FailureKind>("kind");
        using F = SimFault;
        const QString noConnect = "Fail to Connect a mcu device";
        const QString errorReply = "Erease mcu flash,and return error command";
        using K = FailureKind;
        QTest::newRow("handshake wrong letter")
            << F::on('K', 1, F::WrongLetter) << QStringList{noConnect}
            << QStringList{"Connect device,and return error command"} << K::Refused;
        QTest::newRow("second handshake names another model")
            << F::on('K', 2, F::BadCrc) << QStringList{noConnect} << QStringList{"Version"}
            << K::WrongReply;
        QTest::newRow("second handshake silent")
            << F::on('K', 2, F::Silence) << QStringList{"Time over!", noConnect}
            << QStringList{"Version"} << K::NoReply;
        QTest::newRow("erase refused")
            << F::on('L', 1, F::WrongLetter) << QStringList{}
            << QStringList{errorReply, "Erase flash NG!!!"} << K::Refused;
        QTest::newRow("second full block refused")
            << F::on('J', 2, F::WrongLetter) << QStringList{}
            << QStringList{errorReply, "UPDATE_FLASH NG, Addr : 0x2800"} << K::Refused;
        QTest::newRow("tail block refused")
            << F::on('J', 3, F::WrongLetter) << QStringList{}
            << QStringList{errorReply, "UPDATE_FLASH NG, Addr : 0x3000"} << K::Refused;
        QTest::newRow("CRC query refused")
            << F::on('N', 1, F::WrongLetter) << QStringList{}
            << QStringList{errorReply, "Check CRC is NG..."} << K::Refused;
        QTest::newRow("CRC query silent")
            << F::on('N', 1, F::Silence) << QStringList{"Time over!"}
            << QStringList{"Timer", "Check CRC is NG..."} << K::NoReply;
    }
    void deviceFailures() {
        QFETCH(SimFault, fault);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, lastLines);
        QFETCH(FailureKind, kind);
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        // Two full blocks and a tail, from offset 0x2000.
        rig.useImage(mcuImage(2 * 2048 + 100, 0x800A000));
        rig.chip.sim.addFault(fault);
        QCOMPARE(rig.update().kind(), kind);
        QCOMPARE(rig.chip.ui.messages, messages);
        const QStringList log = comparableLog(rig.chip.ui.log);
        QCOMPARE(log.mid(log.size() - 2 - lastLines.size(), lastLines.size()), lastLines);
        rig.verifyEnding(false);
    }

    void crcMismatchNamesTheDeviceCrc() {
        McuRig rig("KQ47");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        const QByteArray image = mcuImage(3000);
        rig.useImage(image);
        rig.chip.sim.addFault(SimFault::on('N', 1, SimFault::BadCrc));
        const Result<> r = rig.update();
        QCOMPARE(r.kind(), FailureKind::WrongReply);
        QCOMPARE(r.reason(), QStringLiteral("the MCU flash does not hold the image after writing"));
        const QStringList log = rig.chip.ui.log;
        const QString crcLine = log.value(log.size() - 4);
        QVERIFY2(crcLine.startsWith("Error CRC, return CRC = 0x"), qPrintable(crcLine));
        const uint reported = crcLine.mid(26).toUInt(nullptr, 16);
        QVERIFY(reported != imageCrc(image));
        QCOMPARE(log.value(log.size() - 3), QString("Check CRC is NG..."));
        rig.verifyEnding(false);
    }

    // A refused boot record fails the update; a reply in pieces does not.
    void toleratedReplies_data() {
        QTest::addColumn<SimFault>("fault");
        QTest::addColumn<int>("waitTime");
        QTest::addColumn<bool>("ok");
        QTest::newRow("record refused by status")
            << SimFault::on('H', 0, SimFault::BadStatus) << 0 << false;
        QTest::newRow("CRC reply split after its letter")
            << SimFault::on('N', 1, SimFault::Split, 20, 1) << 0 << true;
        // The operator's wait time joins the pieces of a block's answer into one reply.
        QTest::newRow("block reply split, joined by the wait time")
            << SimFault::on('J', 0, SimFault::Split, 2, 1) << 7 << true;
    }
    void toleratedReplies() {
        QFETCH(SimFault, fault);
        QFETCH(int, waitTime);
        QFETCH(bool, ok);
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        const QByteArray image = mcuImage(5000, 0x800A000);
        rig.useImage(image);
        rig.chip.sim.addFault(fault);
        rig.chip.link.waitTime = waitTime;
        QCOMPARE(rig.update().ok(), ok);
        QCOMPARE(rig.chip.sim.mcuFlash().mid(0x2000, image.size()), image);
        rig.verifyEnding(ok);
    }
};

QTEST_GUILESS_MAIN(McuUpdate)
#include "test_mcu_update.moc"
