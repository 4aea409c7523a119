// The jobs layer on simulated boards: the gate comes after the chip (and, where it asks, the
// flash part) is known and before anything is erased or written; a run of several boards writes
// every board from the one snapshot of its images; the result says how far a board got.
#include "jobs/board_run.h"
#include "jobs/board_thread.h"
#include "protocol/bytes.h"
#include "sim/sim_device.h"
#include "support/recording_observer.h"
#include "support/scoped_current_dir.h"

#include <QCryptographicHash>
#include <QtTest>

namespace {

const QByteArray flashIni =
    "[FLASH]\n0xEF4018,4096,4096,W25Q128JV,\n0xC84018,4096,4096,GD25Q128,\n";

QByteArray pattern(int length, int seed) {
    QByteArray b(length, '\0');
    for (int i = 0; i < length; ++i)
        b[i] = char((i * 11 + seed + i / 257) & 0xFF);
    return b;
}

QByteArray mcuImage() {
    QByteArray image = pattern(5000, 3);
    Put_Le32(reinterpret_cast<uint8_t *>(image.data()) + 4, 0x0800A000);
    return image;
}

QStringList names(const SimDevice &sim) {
    QStringList list;
    for (const SimFrame &f : sim.received())
        list << f.name.left(1);
    return list;
}

// What each memory writing command a chip received: none before the gate answers.
bool anythingWritten(const QStringList &frames) {
    for (const char *letter : {"L", "J", "H", "h", "j", "k", "l"})
        if (frames.contains(QLatin1String(letter))) return true;
    return false;
}

struct Board {
    Board() : sim(config()) {
        if (!sim.start()) qFatal("simulator: %s", qPrintable(sim.errorString()));
        dir.write(QStringLiteral("Flash.ini"), flashIni);
        mcuPath = dir.write(QStringLiteral("app.bin"), mcuImage());
        flashPath = dir.write(QStringLiteral("flash.bin"), pattern(40000, 9));
    }
    static SimConfig config() {
        SimConfig c;
        c.flashEraseMs = 0;
        return c;
    }
    JobResult run(JobRequest request) {
        Read_JobImages(request, mcuPath, flashPath);
        return Run_OnBoard(sim.portPath(), request, ui);
    }

    ScopedCurrentDir dir;
    SimDevice sim;
    RecordingObserver ui;
    QString mcuPath, flashPath;
};

} // namespace

class JobsTest : public QObject {
    Q_OBJECT

  private slots:
    // The gate sees the chip (and the flash part where the job reads it first) with nothing
    // erased or written yet; its refusal is the job's failure, and nothing is.
    void gateComesBeforeAnythingIsWritten_data() {
        QTest::addColumn<int>("job");
        QTest::addColumn<bool>("seesPart");
        QTest::newRow("update-mcu") << int(Job::UpdateMcu) << false;
        QTest::newRow("update-flash") << int(Job::UpdateFlash) << true;
        QTest::newRow("update-all") << int(Job::UpdateAll) << false;
        QTest::newRow("update-all, the part first") << int(Job::UpdateAll) << true;
    }
    void gateComesBeforeAnythingIsWritten() {
        QFETCH(int, job);
        QFETCH(bool, seesPart);
        for (const bool refuse : {true, false}) {
            Board board;
            GateFacts seen;
            QStringList framesAtGate;
            int asked = 0;
            JobRequest request;
            request.job = Job(job);
            request.eraseWhole = true;
            request.gateSeesFlashPart = seesPart;
            request.gates.push_back([&](const GateFacts &facts) -> Result<> {
                ++asked;
                seen = facts;
                framesAtGate = names(board.sim);
                if (refuse) return Fail(FailureKind::Refused, QStringLiteral("not on this line"));
                return Done{};
            });
            // The gates are asked in order: one after a refusal is not asked.
            int askedAfter = 0;
            request.gates.push_back([&](const GateFacts &) -> Result<> {
                ++askedAfter;
                return Done{};
            });
            const JobResult result = board.run(request);
            QCOMPARE(asked, 1);
            QCOMPARE(askedAfter, refuse ? 0 : 1);
            QCOMPARE(seen.port, board.sim.portPath());
            QCOMPARE(seen.chip.name(), QStringLiteral("KQ31B"));
            QCOMPARE(seen.chip.bootVersion, 0x1Au);
            QCOMPARE(seen.flashPart.has_value(), seesPart);
            if (seesPart) QCOMPARE(seen.flashPart->name, QStringLiteral("W25Q128JV"));
            QVERIFY2(!anythingWritten(framesAtGate), qPrintable(framesAtGate.join(' ')));
            if (refuse) {
                QCOMPARE(result.failure->kind, FailureKind::Refused);
                QCOMPARE(result.reason(), QStringLiteral("not on this line"));
                QVERIFY2(!anythingWritten(names(board.sim)),
                         qPrintable(names(board.sim).join(' ')));
            } else {
                QVERIFY2(result.ok(), qPrintable(result.reason()));
            }
        }
    }

    // An erased flash has nothing to keep: a flash update asked for both is refused, whatever
    // the front end, before anything is sent beyond the probe.
    void onlyChangedWithEraseWholeRefused_data() {
        QTest::addColumn<int>("job");
        QTest::newRow("update-flash") << int(Job::UpdateFlash);
        QTest::newRow("update-all") << int(Job::UpdateAll);
    }
    void onlyChangedWithEraseWholeRefused() {
        QFETCH(int, job);
        Board board;
        JobRequest request;
        request.job = Job(job);
        request.eraseWhole = request.onlyChanged = true;
        const JobResult result = board.run(request);
        QCOMPARE(result.failure->kind, FailureKind::InputUnusable);
        QCOMPARE(result.reason(), FlashChoices_Refusal(true, true));
        QVERIFY(!result.reason().isEmpty());
        QCOMPARE(result.mcu, StepState::NotStarted);
        QCOMPARE(result.flash, StepState::NotStarted);
        QCOMPARE(board.ui.messages, QStringList{result.reason()});
        const QStringList sent = names(board.sim);
        QVERIFY2(!sent.isEmpty() && sent.count(QStringLiteral("K")) == sent.size(),
                 qPrintable(sent.join(' ')));
    }

    // What is written is what was let through: a part that changed between the gate and the
    // flash update is refused, and the flash is not touched.
    void flashPartSeenByTheGateMustStay() {
        Board board;
        JobRequest request;
        request.job = Job::UpdateAll;
        request.gateSeesFlashPart = true;
        request.gates.push_back([&](const GateFacts &) -> Result<> {
            SimConfig other = board.sim.config();
            other.flashIdAnswers[0].id = other.flashIdAnswers[1].id = 0xC84018;
            board.sim.setConfig(other);
            return Done{};
        });
        const JobResult result = board.run(request);
        QCOMPARE(result.mcu, StepState::Ok);
        QCOMPARE(result.flash, StepState::Failed);
        QCOMPARE(result.reason(),
                 QStringLiteral("the flash part changed: 0xef4018 was let through, 0xc84018 is "
                                "there"));
        QVERIFY(!names(board.sim).contains(QStringLiteral("l")));
    }

    // How far a board got: the MCU done, the flash stopped at its first block.
    void resultSaysHowFarTheBoardGot() {
        Board board;
        board.ui.stopWhen = [&] { return names(board.sim).contains(QStringLiteral("l")); };
        JobRequest request;
        request.job = Job::UpdateAll;
        // Written past the first block only when the stop is not seen.
        board.flashPath = board.dir.write(QStringLiteral("flash.bin"), pattern(4 * 32768, 5));
        const JobResult result = board.run(request);
        QVERIFY(result.interrupted());
        QCOMPARE(result.mcu, StepState::Ok);
        QCOMPARE(result.flash, StepState::Interrupted);
        QCOMPARE(result.flashBlocks, 4);
        QCOMPARE(result.flashBlocksWritten, 1);
        QCOMPARE(result.flashPart->id, 0xEF4018u);
        QCOMPARE(result.mcuImage->length, 5000);
        QCOMPARE(result.flashImage->sha256,
                 QCryptographicHash::hash(pattern(4 * 32768, 5), QCryptographicHash::Sha256));
    }

    // The images are read once, when the run starts: a file that changes meanwhile changes no
    // board, and every board is written from the same bytes.
    void boardsShareOneSnapshot() {
        ScopedCurrentDir dir;
        dir.write(QStringLiteral("Flash.ini"), flashIni);
        SimDevice a(Board::config()), b(Board::config());
        QVERIFY(a.start() && b.start());
        const QByteArray image = pattern(70000, 4);
        const QString path = dir.write(QStringLiteral("flash.bin"), image);
        JobRequest request;
        request.job = Job::UpdateFlash;
        Read_JobImages(request, QString(), path);
        dir.write(QStringLiteral("flash.bin"), pattern(70000, 8)); // changed under the run
        int ended = 0;
        const BoardThreads boards =
            Run_Boards({a.portPath(), b.portPath()}, request, {}, [&](BoardThread &) { ++ended; });
        QCOMPARE(ended, 2);
        for (const auto &board : boards) {
            QVERIFY2(board->result().ok(), qPrintable(board->result().reason()));
            QCOMPARE(board->result().flashImage->sha256,
                     QCryptographicHash::hash(image, QCryptographicHash::Sha256));
        }
        QCOMPARE(a.externalFlash(0, image.size()), image);
        QCOMPARE(b.externalFlash(0, image.size()), image);
    }
};

QTEST_GUILESS_MAIN(JobsTest)
#include "test_jobs.moc"
