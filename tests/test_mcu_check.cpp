// "Check Mcu CRC", "Update All" and the hidden second-boot-info button, against the simulated
// boot loader over a real pseudo-terminal.
#include "flash/flash_image.h"
#include "jobs/job.h"
#include "jobs/update_all.h"
#include "mcu/boot_records.h"
#include "mcu/mcu_image.h"
#include "mcu/mcu_update.h"
#include "protocol/chip_table.h"
#include "support/mcu_rig.h"
#include "support/model_codes.h"

#include <QtTest>

Q_DECLARE_METATYPE(SimFault)

namespace {

// The CRC queries the chip received.
QVector<SimFrame> crcQueries(const SimSession &chip) {
    QVector<SimFrame> queries;
    for (const SimFrame &f : chip.sim.received())
        if (f.name == "N") queries << f;
    return queries;
}

// A job on the rig's chip, with the MCU image it names and `flash` as the flash image.
JobResult runJob(McuRig &rig, Job job, const QString &flash = QString()) {
    JobRequest request;
    request.job = job;
    request.bootSetting = rig.blSet;
    Read_JobImages(request, rig.path, flash);
    JobResult result;
    Run_Job(rig.chip.session, request, result);
    return result;
}

} // namespace

class McuCheck : public QObject {
    Q_OBJECT

  private slots:
    void checkAfterAnUpdateAsksForItsRange() {
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        const QByteArray image = mcuImage(7000, 0x800A010);
        rig.useImage(image);
        QVERIFY(rig.update().ok());
        rig.chip.sim.clearReceived();

        QVERIFY(Check_Mcu(rig.chip.session, rig.facts).ok());
        QCOMPARE(rig.chip.ui.log.last(), QString("Check MCU CRC is OK..."));
        const QVector<SimFrame> queries = crcQueries(rig.chip);
        QCOMPARE(queries.size(), 1);
        QCOMPARE(queries[0].field("start"), 0x2000u);
        QCOMPARE(queries[0].field("length"), 7000u);
        QCOMPARE(queries[0].field("crc"), imageCrc(image));
        QVERIFY(rig.chip.ui.messages.isEmpty());
    }

    // The CRC of zero bytes is 0 whatever the flash holds: no image, no question and no pass.
    void checkWithoutAnImageIsRefused() {
        McuRig rig("KQ47");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        rig.chip.ui.log << "kept";
        QCOMPARE(Check_Mcu(rig.chip.session, McuImageFacts()).kind(), FailureKind::InputUnusable);
        QCOMPARE(rig.chip.ui.messages, QStringList{"Please input mcu code file"});
        QCOMPARE(rig.chip.ui.log, QStringList{"kept"});
        QCOMPARE(rig.chip.sim.receivedCount(), 0);
    }

    // The device's CRC is printed unsigned, even with its top bit set.
    void mismatchPrintsTheDeviceCrc() {
        McuRig rig("KQ47");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        const QByteArray flash = rig.chip.sim.mcuFlash();
        int length = 1;
        while (imageCrc(flash.left(length)) < 0x80000000u)
            ++length;
        const uint32_t deviceCrc = imageCrc(flash.left(length));
        const Result<> r = Check_Mcu(rig.chip.session, {length, deviceCrc ^ 1, 0});
        QCOMPARE(r.kind(), FailureKind::WrongReply);
        QCOMPARE(r.reason(), QString("the MCU flash does not hold the image"));
        QCOMPARE(rig.chip.ui.log.mid(rig.chip.ui.log.size() - 2),
                 (QStringList{"Error CRC, return CRC = 0x" + QString::number(deviceCrc, 16),
                              "Check MCU CRC is NG..."}));
        QCOMPARE(rig.chip.ui.log.value(rig.chip.ui.log.size() - 2).size(), 26 + 8);
    }

    void refusals_data() {
        QTest::addColumn<SimFault>("fault");
        QTest::addColumn<bool>("closePort");
        QTest::addColumn<int>("mcuLen");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("lastLine");
        using F = SimFault;
        const QString noConnect = "Fail to Connect a KQ31 device";
        const F none = F::on('?', 0, F::Silence);
        QTest::newRow("port closed")
            << none << true << 0 << QStringList{"Please open the port!"} << QString();
        QTest::newRow("handshake wrong letter")
            << F::on('K', 1, F::WrongLetter) << false << 100 << QStringList{noConnect}
            << "Connect device,and return error command";
        QTest::newRow("second handshake silent")
            << F::on('K', 2, F::Silence) << false << 100 << QStringList{"Time over!", noConnect}
            << QString("Version");
        QTest::newRow("length over the flash")
            << none << false << 520193 << QStringList{"Over Mcu flash size:520192"}
            << QString("Version");
    }
    // Refused before the query: nothing asked, the reason shown, the buttons back.
    void refusals() {
        QFETCH(SimFault, fault);
        QFETCH(bool, closePort);
        QFETCH(int, mcuLen);
        QFETCH(QStringList, messages);
        QFETCH(QString, lastLine);
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        rig.chip.sim.addFault(fault);
        if (closePort) rig.chip.link.Close();
        QVERIFY(!Check_Mcu(rig.chip.session, {mcuLen, 0, 0}).ok());
        QCOMPARE(rig.chip.ui.messages, messages);
        QCOMPARE(comparableLog(rig.chip.ui.log).value(rig.chip.ui.log.size() - 1), lastLine);
        QVERIFY(crcQueries(rig.chip).isEmpty());
    }

    void failedQueriesSayNg_data() {
        QTest::addColumn<SimFault>("fault");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("lastLines");
        QTest::newRow("refused") << SimFault::on('N', 1, SimFault::WrongLetter) << QStringList{}
                                 << QStringList{"Erease mcu flash,and return error command",
                                                "Check MCU CRC is NG..."};
        QTest::newRow("silent") << SimFault::on('N', 1, SimFault::Silence)
                                << QStringList{"Time over!"}
                                << QStringList{"Version", "Check MCU CRC is NG..."};
    }
    void failedQueriesSayNg() {
        QFETCH(SimFault, fault);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, lastLines);
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        rig.chip.sim.addFault(fault);
        QVERIFY(!Check_Mcu(rig.chip.session, {100, 0, 0}).ok());
        QCOMPARE(rig.chip.ui.messages, messages);
        const QStringList log = comparableLog(rig.chip.ui.log);
        QCOMPARE(log.mid(log.size() - lastLines.size()), lastLines);
    }

    // Only a failed exchange stops the check; a proof naming another model does not.
    void otherModelsProofDoesNotStopTheCheck() {
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        rig.chip.sim.addFault(SimFault::on('K', 1, SimFault::BadCrc));
        const McuImageFacts firstByte{1, imageCrc(rig.chip.sim.mcuFlash().left(1)), 0};
        QVERIFY(Check_Mcu(rig.chip.session, firstByte).ok());
        QVERIFY(rig.chip.ui.messages.isEmpty());
        QCOMPARE(crcQueries(rig.chip).size(), 1);
        QCOMPARE(rig.chip.ui.log.last(), QString("Check MCU CRC is OK..."));
    }

    // The Input button takes no run address for a KQ581; the update does.
    void kq581OffsetComesFromTheUpdate() {
        McuRig rig("KQ581");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        const QByteArray image = mcuImage(5000, 0x800C000);
        rig.useImage(image);
        const std::optional<McuImageFacts> input =
            Input_McuImage(rig.path, rig.chip.session.chip().code, rig.chip.ui);
        QVERIFY(input);
        QCOMPARE(input->enterAddr, 0u);
        (void)Check_Mcu(rig.chip.session, *input);
        QVERIFY(rig.update().ok());
        QVERIFY(Check_Mcu(rig.chip.session, rig.facts).ok());
        const QVector<SimFrame> queries = crcQueries(rig.chip);
        QCOMPARE(queries.size(), 3); // the update asks once itself
        QCOMPARE(queries[0].field("start"), 0u);
        QCOMPARE(queries[2].field("start"), 0x4000u);
        QCOMPARE(rig.chip.ui.log.last(), QString("Check MCU CRC is OK..."));
    }

    // tessara-cli's check-mcu compares the chip with exactly what its update-mcu programs: the
    // unpacked image, placed by its run address wherever the update places it so (KQ581 too).
    void checkJobAgreesWithTheUpdateJob_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("packaged");
        for (const char *model :
             {"KQ31A", "KQ31B", "KQ3200", "KQ31C", "KQ31D", "KQ580", "KQ581", "KQ47"})
            for (const bool packaged : {false, true})
                QTest::addRow("%s, %s", model, packaged ? "packaged" : "plain")
                    << model << packaged;
    }
    void checkJobAgreesWithTheUpdateJob() {
        QFETCH(QString, model);
        QFETCH(bool, packaged);
        McuRig rig(model);
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        // Large enough for a packaged file to be stored out of order; in the page 0x800A000.
        const auto use = [&](quint32 seed) {
            const QByteArray image = mcuImage(30000, 0x800A010, seed);
            rig.useImage(packaged ? packagedImage(image, imageCrc(image)) : image,
                         packaged ? "fw.pkg" : "fw.bin");
            return image;
        };
        const QByteArray image = use(1);
        const JobResult updated = runJob(rig, Job::UpdateMcu);
        QVERIFY2(updated.ok(), qPrintable(updated.reason()));
        QCOMPARE(updated.mcu, StepState::Ok);
        const uint32_t code = rig.chip.session.chip().code;
        const int start = Chip_Model(code).runAddress != RunAddressRule::None ? 0x2000 : 0;
        QCOMPARE(rig.chip.sim.mcuFlash().mid(start, image.size()), image);

        rig.chip.sim.clearReceived();
        const JobResult checked = runJob(rig, Job::CheckMcu);
        QVERIFY2(checked.ok(), qPrintable(checked.reason() + rig.chip.ui.log.join('|')));
        QCOMPARE(crcQueries(rig.chip).size(), 1);
        QCOMPARE(crcQueries(rig.chip)[0].field("start"), uint(start));
        QCOMPARE(crcQueries(rig.chip)[0].field("length"), uint(image.size()));

        use(2);
        const JobResult other = runJob(rig, Job::CheckMcu);
        QCOMPARE(other.mcu, StepState::Failed);
        QCOMPARE(other.reason(), QString("the MCU flash does not hold the image"));
        QCOMPARE(rig.chip.ui.log.last(), QString("Check MCU CRC is NG..."));
    }

    void updateAllGoesOnToTheFlash() {
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        rig.dir.write("Flash.ini", "[FLASH]\n0xEF4018,4096,4096,W25Q128JV,\n");
        const QByteArray mcu = mcuImage(3000, 0x8008000);
        const QByteArray flash = mcuImage(5000, 0, 9);
        rig.useImage(mcu);
        const JobResult result = runJob(rig, Job::UpdateAll, rig.dir.write("flash.img", flash));
        QVERIFY2(result.ok(), qPrintable(result.reason()));
        QCOMPARE(result.mcu, StepState::Ok);
        QCOMPARE(result.flash, StepState::Ok);
        QCOMPARE(result.flashBlocks, 1);
        QCOMPARE(result.flashBlocksWritten, 1);
        QCOMPARE(rig.chip.sim.mcuFlash().left(mcu.size()), mcu);
        QCOMPARE(rig.chip.sim.externalFlash(0, flash.size()), flash);
        const QStringList log = rig.chip.ui.log;
        // The flash update's lines follow the MCU update's in one log.
        const int mcuOk = log.indexOf("Update MCU is OK!!!!!!");
        QVERIFY(mcuOk > 0);
        QCOMPARE(log.value(mcuOk + 1), QString());
        QCOMPARE(log.last(), QString("Update flash is OK!!!!!!"));
        QCOMPARE(rig.chip.ui.clears, 1);
        QVERIFY(rig.chip.ui.messages.isEmpty());
    }

    // Exit is not obeyed by the MCU update, which runs to its end; the flash update then does
    // not begin.
    void updateAllStopsBeforeTheFlashOnExit() {
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        rig.dir.write("Flash.ini", "[FLASH]\n0xEF4018,4096,4096,W25Q128JV,\n");
        const QByteArray mcu = mcuImage(3000, 0x8008000);
        rig.useImage(mcu);
        rig.chip.ui.exitFlag = true;

        const JobResult result =
            runJob(rig, Job::UpdateAll, rig.dir.write("flash.img", mcuImage(5000, 0, 9)));
        QVERIFY(result.interrupted());
        QCOMPARE(result.reason(), QString("interrupted"));
        QCOMPARE(result.mcu, StepState::Ok);
        QCOMPARE(result.flash, StepState::NotStarted);
        QCOMPARE(rig.chip.sim.mcuFlash().left(mcu.size()), mcu);
        QCOMPARE(rig.chip.ui.log.last(), QString("Update MCU is OK!!!!!!"));
        for (const SimFrame &f : rig.chip.sim.received())
            QVERIFY2(QString("mohjkln").indexOf(f.name) < 0, qPrintable(f.name));
    }

    void updateAllStopsWhenTheMcuFails_data() {
        QTest::addColumn<QString>("mcuFile");
        QTest::addColumn<bool>("closePort");
        QTest::addColumn<uint>("model");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("log");
        const uint kq31b = 0x1971031B;
        QTest::newRow("port closed")
            << "fw.bin" << true << kq31b << QStringList{"Please open the port!"}
            << QStringList{"", "Update MCU is fail....."};
        QTest::newRow("no model identified")
            << "fw.bin" << false << 0u << QStringList{"Over Mcu flash size:0"} << QStringList{};
        QTest::newRow("no file named")
            << "" << false << kq31b << QStringList{"Please input mcu code file"} << QStringList{};
    }
    void updateAllStopsWhenTheMcuFails() {
        QFETCH(QString, mcuFile);
        QFETCH(bool, closePort);
        QFETCH(uint, model);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, log);
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        rig.chip.session.identity.model = Find_ChipModel(model);
        if (!mcuFile.isEmpty()) rig.useImage(mcuImage(3000, 0x8008000), mcuFile);
        if (closePort) rig.chip.link.Close();
        const JobResult result =
            runJob(rig, Job::UpdateAll, rig.dir.write("flash.img", mcuImage(100)));
        QVERIFY(!result.ok());
        QCOMPARE(result.mcu, StepState::Failed);
        QCOMPARE(result.flash, StepState::NotStarted);
        QCOMPARE(rig.chip.ui.messages, messages);
        QCOMPARE(rig.chip.ui.log, log);
        QCOMPARE(rig.chip.sim.receivedCount(), 0);
    }

    void hiddenButtonReportsTheRecord_data() {
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<QString>("line");
        QTest::newRow("accepted") << false << "Save second boot info OK";
        QTest::newRow("status not 0") << true << "Save second boot info NG";
    }
    void hiddenButtonReportsTheRecord() {
        QFETCH(bool, refuse);
        QFETCH(QString, line);
        McuRig rig("KQ31B");
        QVERIFY2(rig.chip.ok(), qPrintable(rig.chip.error()));
        if (refuse) rig.chip.sim.addFault(SimFault::on('H', 1, SimFault::BadStatus));
        Report_SecondBootInfo(rig.chip.session, {1234, 0xCAFEF00D, 0x8009001});
        QCOMPARE(rig.chip.ui.log, QStringList{line});
        const SimBootRecords records = rig.chip.sim.bootRecords();
        QVERIFY(records.haveSecondBootInfo);
        QCOMPARE(records.runAddress, 0x8009001u);
        QCOMPARE(records.imageLength, 1234u);
        QCOMPARE(records.imageCrc, 0xCAFEF00Du);
    }
};

QTEST_GUILESS_MAIN(McuCheck)
#include "test_mcu_check.moc"
