// "Flash Info" and "Check Flash CRC" against the simulated chip over a real pseudo-terminal.
#include "flash/flash_crc.h"
#include "flash/flash_id.h"
#include "flash/flash_update.h"
#include "protocol/crc32.h"
#include "support/flash_rig.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QtTest>

namespace {

constexpr int MiB = 1024 * 1024;

// Puts `image` into the simulated flash and makes it the loaded image.
void loadIntoFlash(FlashRig &rig, const QByteArray &image) {
    rig.s.sim.writeExternalFlash(0, image);
    rig.facts = {image.size(), crc32_calc(reinterpret_cast<const uint8_t *>(image.constData()),
                                          size_t(image.size()))};
}

} // namespace

class FlashCommands : public QObject {
    Q_OBJECT

  private slots:
    void flashInfo_data() {
        QTest::addColumn<uint>("firstId");
        QTest::addColumn<uint>("retryId");
        QTest::addColumn<bool>("firstRefused");
        QTest::addColumn<int>("requests");
        QTest::addColumn<QString>("shownId");
        QTest::addColumn<QString>("shownSize");
        QTest::addColumn<QString>("shownName");
        QTest::newRow("listed part") << 0xEF4018u << 0u << false << 1 << "0xef4018"
                                     << "16777216"
                                     << "SimPart";
        QTest::newRow("unlisted part, retried")
            << 0xC2201Au << 0xC2201Au << false << 2 << "0xc2201a"
            << "0"
            << "";
        QTest::newRow("found on the retry") << 0x1234u << 0xEF4018u << false << 2 << "0xef4018"
                                            << "16777216"
                                            << "SimPart";
        QTest::newRow("first read refused") << 0u << 0xEF4018u << true << 2 << "0xef4018"
                                            << "16777216"
                                            << "SimPart";
    }
    void flashInfo() {
        QFETCH(uint, firstId);
        QFETCH(uint, retryId);
        QFETCH(bool, firstRefused);
        QFETCH(int, requests);
        QFETCH(QString, shownId);
        QFETCH(QString, shownSize);
        QFETCH(QString, shownName);
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        SimConfig config = rig.s.sim.config();
        config.flashIdAnswers[0].id = firstId;
        config.flashIdAnswers[1].id = retryId;
        if (firstRefused) config.flashIdAnswers[0].mode = SimFlashIdAnswer::WrongLetter;
        rig.s.sim.setConfig(config);

        const Result<FlashPartFacts> part = Identify_FlashPart(rig.session(), QString());
        QCOMPARE(part.ok(), shownName == "SimPart");

        const QVector<SimFrame> sent = rig.frames("m");
        QCOMPARE(sent.size(), requests);
        for (int i = 0; i < requests; ++i) {
            QVERIFY(sent[i].accepted);
            QCOMPARE(sent[i].field("variant"), quint32(i));
        }
        RecordingObserver &ui = rig.ui();
        QCOMPARE(ui.flashId, shownId);
        QCOMPARE(ui.flashSize, shownSize);
        QCOMPARE(ui.flashName, shownName);
        QCOMPARE(ui.log.last(), "FlashID:" + shownId);
        QCOMPARE(ui.log.contains("Get flash id,and return error command"), firstRefused);
        QVERIFY(ui.messages.isEmpty());
    }

    // The reports come far enough apart that the host sees each on its own: of reports that
    // pile up while the host is busy only the latest is shown, which a loaded machine would make
    // a matter of chance.
    void crcCheckFollowsProgress() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        SimConfig config = rig.s.sim.config();
        config.crcProgressIntervalMs = 400;
        rig.s.sim.setConfig(config);
        loadIntoFlash(rig, rig.useImage(3 * MiB));

        QVERIFY(Check_FlashCRC(rig.session(), rig.facts).ok());

        RecordingObserver &ui = rig.ui();
        QCOMPARE(ui.percents, QList<int>({0, 33, 66, 100}));
        QVERIFY(ui.log.contains("Check flash CRC pass."));
        const SimFrame request = rig.frames("n").value(0);
        QCOMPARE(request.field("length"), quint32(3 * MiB));
        QCOMPARE(request.field("crc"), rig.facts.flashCodeCrc);
    }

    // Frequent progress reports do not use up the budget: it is time, not replies. 128 reports
    // within a budget of 101 slices, 30 ms apart: the last comes well within the budget's 5 s,
    // and no pile of them outgrows the reply buffer while the host is slow to read.
    void manyProgressReports() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        SimConfig config = rig.s.sim.config();
        config.crcProgressStep = 8192;
        config.crcProgressIntervalMs = 30;
        config.crcUsPerKiB = 0;
        rig.s.sim.setConfig(config);
        loadIntoFlash(rig, rig.useImage(MiB));
        const Result<> r = Check_FlashCRC(rig.session(), rig.facts);
        QVERIFY2(r.ok(),
                 qPrintable(rig.ui().log.join(" | ") + " | " + rig.ui().messages.join(" | ")));
        QCOMPARE(rig.ui().percents.last(), 100);
    }

    // The CRC of zero bytes is 0 whatever the flash holds: with no image (none read since
    // start-up, or an empty one) there is nothing to ask, and no pass.
    void emptyImageIsNoPass() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        QCOMPARE(Check_FlashCRC(rig.session(), FlashImageFacts()).kind(),
                 FailureKind::InputUnusable);
        QCOMPARE(rig.ui().messages, QStringList{"Please input flash code file"});
        QVERIFY(!rig.ui().log.contains("Check flash CRC pass."));
        QCOMPARE(rig.s.sim.receivedCount(), 0);
    }

    // The smallest budget: 100 slices for a started million bytes, and one more.
    void silentDevice() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.addFault(SimFault::on('n', 1, SimFault::Silence));
        constexpr int BudgetMs = 101 * 50;
        // A deadline far past the budget: the budget, not the deadline, ends the wait.
        rig.s.link.deadline = QDeadlineTimer(3 * BudgetMs);
        QElapsedTimer clock;
        clock.start();
        const Result<> r = Check_FlashCRC(rig.session(), {1, 0});
        QCOMPARE(r.kind(), FailureKind::NoReply);
        QCOMPARE(r.reason(), QStringLiteral("the flash CRC query was not answered in time"));
        QVERIFY(clock.elapsed() >= BudgetMs - 5);
        QCOMPARE(rig.ui().messages, QStringList{"Time over!"});
    }

    // Past the link's deadline nothing is awaited any more, whatever the check's own budget.
    void deadlineEndsTheWait() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.addFault(SimFault::on('n', 1, SimFault::Silence));
        loadIntoFlash(rig, rig.useImage(3 * MiB)); // a budget of 15 s
        rig.s.link.deadline = QDeadlineTimer(300);
        QElapsedTimer clock;
        clock.start();
        const Result<> r = Check_FlashCRC(rig.session(), rig.facts);
        QCOMPARE(r.kind(), FailureKind::NoReply);
        QCOMPARE(r.reason(), QStringLiteral("no answer in the time given"));
        QVERIFY2(clock.elapsed() >= 290, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(rig.ui().messages, QStringList{"Time over!"});
    }

    void deviceGoneDuringTheCheck() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.addFault(SimFault::on('n', 1, SimFault::Vanish));
        loadIntoFlash(rig, rig.useImage(3 * MiB)); // a budget of 15 s
        // The loss ends the wait, long before this deadline would.
        rig.s.link.deadline = QDeadlineTimer(10000);
        const Result<> r = Check_FlashCRC(rig.session(), rig.facts);
        // Gone, not slow: no "Time over!", and the reason says so.
        QCOMPARE(rig.ui().messages, QStringList{});
        QCOMPARE(r.kind(), FailureKind::DeviceGone);
        QCOMPARE(r.reason(), QStringLiteral("the device went away"));
    }

    void garbageAfterTheResult() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.sim.addFault(SimFault::on('n', 1, SimFault::Garbage, -1, 64));
        loadIntoFlash(rig, rig.useImage(1000));
        QCOMPARE(Check_FlashCRC(rig.session(), rig.facts).kind(), FailureKind::Refused);
        QVERIFY(rig.ui().log.contains("Get flash crc,and return error command"));
    }

    void closedPort() {
        FlashRig rig("KQ31B");
        QVERIFY2(rig.ok(), qPrintable(rig.error()));
        rig.s.link.Close();
        QCOMPARE(Check_FlashCRC(rig.session(), {1000, 0}).kind(), FailureKind::InputUnusable);
        QCOMPARE(rig.ui().messages, QStringList{"Please open the port!"});
        QVERIFY(rig.ui().percents.isEmpty());
    }
};

QTEST_GUILESS_MAIN(FlashCommands)
#include "test_flash_commands.moc"
