// Every device operation against every simulator fault that applies to it. Each case runs in a
// child process of its own, so that a crash or a hang is counted rather than ending the run; the
// figure printed at the end counts cases, false successes, crashes and overruns of the budget.
#include "flash/flash_crc.h"
#include "flash/flash_id.h"
#include "flash/flash_image.h"
#include "flash/flash_mode.h"
#include "flash/flash_update.h"
#include "mcu/mcu_image.h"
#include "jobs/update_all.h"
#include "mcu/mcu_update.h"
#include "protocol/bytes.h"
#include "jobs/device_information.h"
#include "protocol/device_info.h"
#include "protocol/handshake.h"
#include "support/scoped_current_dir.h"
#include "support/sim_session.h"

#include <QElapsedTimer>
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

FlashModeLoaders fixtureLoaders();

namespace {

enum class Op {
    Probe,
    Info,
    Run,
    UpdateMcu,
    CheckMcu,
    FlashInfo,
    UpdateFlash,
    CheckFlash,
    UpdateAll,
    FlashMode
};
enum class Expect { Success, Failure };

// Set-ups a case may need beyond the default chip.
enum Setup : unsigned {
    Plain = 0,
    Part32MiB = 1,  // a 32 MiB flash part: the update sends the address mode
    EraseWhole = 2, // "Erase whole flash" checked
    Retry = 4,      // after the failure, the stale reply arrives; the operation then succeeds
};

struct Case {
    const char *name;
    Op op;
    SimFault fault;
    Expect expect;
    const char *evidence; // a line, message or model name the operator must be shown
    int budgetMs;         // the reply time-outs the case may spend
    unsigned setup = Plain;
    const char *model = "KQ31B";
};

constexpr int McuImageSize = 5000; // two full 2,048-byte blocks and a tail
constexpr uint32_t RunAddress = 0x0800A100;
constexpr uint32_t McuStart = 0x2000; // the page of the run address, as an MCU flash offset
constexpr int FlashImageSize = 40000; // one 32 KiB block and a remainder
constexpr int Slack = 4000;           // the rest of an operation, under the sanitizers

SimFault f(char letter, int occurrence, SimFault::Kind kind, int ms = -1, int bytes = -1) {
    return SimFault::on(letter, occurrence, kind, ms, bytes);
}

using K = SimFault;
const QVector<Case> &matrix() {
    static const QVector<Case> cases = {
        // No fault at all: each operation succeeds, so the matrix can tell success from failure.
        {"probe/no fault", Op::Probe, f('Z', 0, K::Silence), Expect::Success, "", 0},
        {"info/no fault", Op::Info, f('Z', 0, K::Silence), Expect::Success, "", 0},
        {"run/no fault", Op::Run, f('Z', 0, K::Silence), Expect::Success, "", 0},
        {"update mcu/no fault", Op::UpdateMcu, f('Z', 0, K::Silence), Expect::Success, "", 0},
        {"check mcu/no fault", Op::CheckMcu, f('Z', 0, K::Silence), Expect::Success, "", 0},
        {"flash info/no fault", Op::FlashInfo, f('Z', 0, K::Silence), Expect::Success, "", 0},
        {"update flash/no fault", Op::UpdateFlash, f('Z', 0, K::Silence), Expect::Success, "", 0},
        {"check flash/no fault", Op::CheckFlash, f('Z', 0, K::Silence), Expect::Success, "", 0},
        {"update all/no fault", Op::UpdateAll, f('Z', 0, K::Silence), Expect::Success, "", 0},
        {"flash mode/no fault", Op::FlashMode, f('Z', 0, K::Silence), Expect::Success, "", 0, Plain,
         "KQ580"},

        // Probe: the first 'K' proposes the KQ31A, the second (the chip's model) matches.
        {"probe/silence", Op::Probe, f('K', 1, K::Silence), Expect::Failure, "Time over!", 1530},
        {"probe/wrong letter", Op::Probe, f('K', 2, K::WrongLetter), Expect::Failure,
         "Connect device,and return error command", 0},
        {"probe/split", Op::Probe, f('K', 2, K::Split), Expect::Success, "", 0},
        {"probe/two replies", Op::Probe, f('K', 2, K::TwoReplies), Expect::Success, "", 0},
        {"probe/garbage", Op::Probe, f('K', 2, K::Garbage), Expect::Success, "", 0},
        {"probe/burst", Op::Probe, f('K', 1, K::Burst), Expect::Failure, "Time over!", 1530},
        {"probe/bad proof", Op::Probe, f('K', 0, K::BadCrc), Expect::Failure, "unknown", 0},
        {"probe/stale", Op::Probe, f('K', 1, K::Delay, 2500), Expect::Failure, "Time over!", 1530,
         Retry},
        {"probe/vanish", Op::Probe, f('K', 1, K::Vanish), Expect::Failure, "Time over!", 0},

        // Device information.
        {"info/silence", Op::Info, f('G', 1, K::Silence), Expect::Failure, "Time over!", 1530},
        {"info/wrong letter", Op::Info, f('G', 1, K::WrongLetter), Expect::Failure,
         "Connect device,and return error command", 0},
        {"info/split", Op::Info, f('G', 1, K::Split), Expect::Success, "", 0},
        {"info/split before crc", Op::Info, f('G', 1, K::Split, 20, 10), Expect::Failure,
         "Get infomation crc32 error", 0},
        {"info/two replies", Op::Info, f('G', 1, K::TwoReplies), Expect::Success, "", 0},
        {"info/garbage", Op::Info, f('G', 1, K::Garbage), Expect::Success, "", 0},
        {"info/burst", Op::Info, f('G', 1, K::Burst), Expect::Failure, "Time over!", 1530},
        {"info/bad crc", Op::Info, f('G', 1, K::BadCrc), Expect::Failure,
         "Get infomation crc32 error", 0},
        {"info/stale", Op::Info, f('G', 1, K::Delay, 2500), Expect::Failure, "Time over!", 1530,
         Retry},
        {"info/vanish", Op::Info, f('G', 1, K::Vanish), Expect::Failure, "Time over!", 0},

        // Run Uart Application: one handshake with selector '1', then 'O' without a reply.
        {"run/silence", Op::Run, f('K', 1, K::Silence), Expect::Failure,
         "Connect to device is fail!", 1530},
        {"run/wrong letter", Op::Run, f('K', 1, K::WrongLetter), Expect::Failure,
         "Connect to device is fail!", 0},
        {"run/bad proof", Op::Run, f('K', 1, K::BadCrc), Expect::Failure,
         "Connect to device is fail!", 0},
        {"run/split", Op::Run, f('K', 1, K::Split), Expect::Success, "", 0},
        {"run/vanish", Op::Run, f('K', 1, K::Vanish), Expect::Failure, "Connect to device is fail!",
         0},

        // Update MCU: 'K' '0', 'K' '1', 'L', three 'J' blocks, two 'H' records, 'N'.
        {"update mcu/handshake silence", Op::UpdateMcu, f('K', 1, K::Silence), Expect::Failure,
         "Fail to Connect a mcu device", 1530},
        {"update mcu/handshake wrong letter", Op::UpdateMcu, f('K', 2, K::WrongLetter),
         Expect::Failure, "Fail to Connect a mcu device", 0},
        {"update mcu/handshake bad proof", Op::UpdateMcu, f('K', 2, K::BadCrc), Expect::Failure,
         "Fail to Connect a mcu device", 0},
        {"update mcu/erase wrong letter", Op::UpdateMcu, f('L', 1, K::WrongLetter), Expect::Failure,
         "Erase flash NG!!!", 0},
        {"update mcu/erase two replies", Op::UpdateMcu, f('L', 1, K::TwoReplies), Expect::Success,
         "", 0},
        {"update mcu/erase garbage", Op::UpdateMcu, f('L', 1, K::Garbage), Expect::Success, "", 0},
        {"update mcu/erase vanish", Op::UpdateMcu, f('L', 1, K::Vanish), Expect::Failure,
         "Erase flash NG!!!", 0},
        {"update mcu/block wrong letter", Op::UpdateMcu, f('J', 2, K::WrongLetter), Expect::Failure,
         "UPDATE_FLASH NG, Addr : 0x2800", 0},
        {"update mcu/tail wrong letter", Op::UpdateMcu, f('J', 3, K::WrongLetter), Expect::Failure,
         "UPDATE_FLASH NG, Addr : 0x3000", 0},
        {"update mcu/block two replies", Op::UpdateMcu, f('J', 2, K::TwoReplies), Expect::Success,
         "", 0},
        {"update mcu/block vanish", Op::UpdateMcu, f('J', 2, K::Vanish), Expect::Failure,
         "UPDATE_FLASH NG, Addr : 0x2800", 0},
        {"update mcu/record refused", Op::UpdateMcu, f('H', 2, K::BadStatus), Expect::Failure,
         "Save boot information NG!!!", 0},
        {"update mcu/record wrong letter", Op::UpdateMcu, f('H', 1, K::WrongLetter),
         Expect::Failure, "Save boot information NG!!!", 0},
        {"update mcu/crc silence", Op::UpdateMcu, f('N', 1, K::Silence), Expect::Failure,
         "Check CRC is NG...", 3020},
        {"update mcu/crc wrong letter", Op::UpdateMcu, f('N', 1, K::WrongLetter), Expect::Failure,
         "Check CRC is NG...", 0},
        {"update mcu/crc mismatch", Op::UpdateMcu, f('N', 1, K::BadCrc), Expect::Failure,
         "Error CRC, return CRC = 0x", 0},
        {"update mcu/crc split before value", Op::UpdateMcu, f('N', 1, K::Split, 20, 3),
         Expect::Success, "", 0},
        {"update mcu/crc split", Op::UpdateMcu, f('N', 1, K::Split), Expect::Success, "", 0},
        {"update mcu/crc two replies", Op::UpdateMcu, f('N', 1, K::TwoReplies), Expect::Success, "",
         0},
        {"update mcu/crc vanish", Op::UpdateMcu, f('N', 1, K::Vanish), Expect::Failure,
         "Check CRC is NG...", 0},

        // Check Mcu CRC: 'K' '0', 'K' '1', 'N'. Only a negative handshake result stops it.
        {"check mcu/handshake silence", Op::CheckMcu, f('K', 1, K::Silence), Expect::Failure,
         "Fail to Connect a KQ31 device", 1530},
        {"check mcu/handshake bad proof", Op::CheckMcu, f('K', 1, K::BadCrc), Expect::Success, "",
         0},
        {"check mcu/crc mismatch", Op::CheckMcu, f('N', 1, K::BadCrc), Expect::Failure,
         "Check MCU CRC is NG...", 0},
        {"check mcu/crc wrong letter", Op::CheckMcu, f('N', 1, K::WrongLetter), Expect::Failure,
         "Erease mcu flash,and return error command", 0},
        {"check mcu/two replies", Op::CheckMcu, f('N', 1, K::TwoReplies), Expect::Success, "", 0},
        {"check mcu/split", Op::CheckMcu, f('N', 1, K::Split), Expect::Success, "", 0},
        {"check mcu/stale", Op::CheckMcu, f('N', 1, K::Delay, 4500), Expect::Failure, "Time over!",
         3020, Retry},

        // Flash Info: variant 0, then variant 1 when the first read failed.
        {"flash info/first silent", Op::FlashInfo, f('m', 1, K::Silence), Expect::Success, "",
         4020},
        {"flash info/first wrong letter", Op::FlashInfo, f('m', 1, K::WrongLetter), Expect::Success,
         "", 0},
        {"flash info/wrong letter", Op::FlashInfo, f('m', 0, K::WrongLetter), Expect::Failure,
         "Get flash id,and return error command", 0},
        {"flash info/split", Op::FlashInfo, f('m', 0, K::Split), Expect::Success, "", 0},
        {"flash info/two replies", Op::FlashInfo, f('m', 0, K::TwoReplies), Expect::Success, "", 0},
        {"flash info/vanish", Op::FlashInfo, f('m', 1, K::Vanish), Expect::Failure, "Time over!",
         0},

        // Update Flash: 'K' '0', 'K' '2', 'm', ['o'], ['h'], two blocks ('l' acknowledged), 'n'.
        {"update flash/handshake wrong letter", Op::UpdateFlash, f('K', 2, K::WrongLetter),
         Expect::Failure, "Fail to Connect a 31B device", 0},
        {"update flash/flash id wrong letter", Op::UpdateFlash, f('m', 0, K::WrongLetter),
         Expect::Failure, "Get flash id,and return error command", 0},
        {"update flash/address mode wrong letter", Op::UpdateFlash, f('o', 1, K::WrongLetter),
         Expect::Failure, "Set 32bits Addr,and return error command", 0, Part32MiB},
        {"update flash/address mode silence", Op::UpdateFlash, f('o', 1, K::Silence),
         Expect::Failure, "Time over!", 3030, Part32MiB},
        {"update flash/address mode split", Op::UpdateFlash, f('o', 1, K::Split), Expect::Success,
         "", 0, Part32MiB},
        {"update flash/erase wrong letter", Op::UpdateFlash, f('h', 1, K::WrongLetter),
         Expect::Success, "", 0, EraseWhole},
        {"update flash/erase vanish", Op::UpdateFlash, f('h', 1, K::Vanish), Expect::Failure,
         "Update flash is fail.....", 0, EraseWhole},
        {"update flash/block refused", Op::UpdateFlash, f('l', 1, K::WrongLetter), Expect::Success,
         "", 0},
        {"update flash/block silence", Op::UpdateFlash, f('l', 1, K::Silence), Expect::Failure,
         "Time over!", 2001},
        {"update flash/block two replies", Op::UpdateFlash, f('l', 1, K::TwoReplies),
         Expect::Success, "", 0},
        // Junk that comes in while the loader settles before the CRC request is not its reply.
        {"update flash/late garbage", Op::UpdateFlash, f('l', 2, K::Garbage, 100), Expect::Success,
         "", 0},
        {"update flash/block vanish", Op::UpdateFlash, f('l', 2, K::Vanish), Expect::Failure,
         "Update flash is fail.....", 0},
        {"update flash/crc wrong letter", Op::UpdateFlash, f('n', 1, K::WrongLetter),
         Expect::Failure, "Get flash crc,and return error command", 0},
        {"update flash/crc mismatch", Op::UpdateFlash, f('n', 1, K::BadCrc), Expect::Failure,
         "Check flash CRC fail,return CRC Value: 0x", 0},
        {"update flash/crc two replies", Op::UpdateFlash, f('n', 1, K::TwoReplies), Expect::Success,
         "", 0},
        {"update flash/crc garbage", Op::UpdateFlash, f('n', 1, K::Garbage), Expect::Failure,
         "Get flash crc,and return error command", 0},
        {"update flash/crc vanish", Op::UpdateFlash, f('n', 1, K::Vanish), Expect::Failure,
         "Update flash is fail.....", 0},

        // Check Flash CRC.
        {"check flash/silence", Op::CheckFlash, f('n', 1, K::Silence), Expect::Failure,
         "Time over!", 5050},
        {"check flash/split", Op::CheckFlash, f('n', 1, K::Split), Expect::Success, "", 0},
        {"check flash/mismatch", Op::CheckFlash, f('n', 1, K::BadCrc), Expect::Failure,
         "Check flash CRC fail,return CRC Value: 0x", 0},
        {"check flash/two replies", Op::CheckFlash, f('n', 1, K::TwoReplies), Expect::Success, "",
         0},

        // Update All: the MCU update, then the flash update only when it succeeded.
        {"update all/mcu erase refused", Op::UpdateAll, f('L', 1, K::WrongLetter), Expect::Failure,
         "Update MCU is fail.....", 0},
        {"update all/mcu crc mismatch", Op::UpdateAll, f('N', 1, K::BadCrc), Expect::Failure,
         "Update MCU is fail.....", 0},
        {"update all/flash handshake", Op::UpdateAll, f('K', 3, K::WrongLetter), Expect::Failure,
         "Fail to Connect a 31B device", 0},
        {"update all/flash block silence", Op::UpdateAll, f('l', 1, K::Silence), Expect::Failure,
         "Update flash is fail.....", 2001},
        {"update all/flash crc mismatch", Op::UpdateAll, f('n', 1, K::BadCrc), Expect::Failure,
         "Update flash is fail.....", 0},

        // KQ580 enter flash mode: 'K' '0', 'K' '1', load packets and 'O', none acknowledged.
        {"flash mode/silence", Op::FlashMode, f('K', 1, K::Silence), Expect::Failure,
         "Fail to Connect a KQ580 device", 1530, Plain, "KQ580"},
        {"flash mode/wrong letter", Op::FlashMode, f('K', 2, K::WrongLetter), Expect::Failure,
         "Fail to Connect a KQ580 device", 0, Plain, "KQ580"},
        {"flash mode/bad proof", Op::FlashMode, f('K', 1, K::BadCrc), Expect::Success, "", 0, Plain,
         "KQ580"},
        {"flash mode/split", Op::FlashMode, f('K', 1, K::Split), Expect::Success, "", 0, Plain,
         "KQ580"},
        {"flash mode/vanish", Op::FlashMode, f('K', 2, K::Vanish), Expect::Failure,
         "Fail to Connect a KQ580 device", 0, Plain, "KQ580"},
    };
    return cases;
}

QByteArray pattern(int length, int seed) {
    QByteArray b(length, '\0');
    for (int i = 0; i < length; ++i)
        b[i] = char((i * 13 + seed + i / 251) & 0xFF);
    return b;
}

QByteArray mcuImage() {
    QByteArray image = pattern(McuImageSize, 5);
    putLe32(reinterpret_cast<uint8_t *>(image.data()) + 4, RunAddress);
    return image;
}

// What one case showed, passed from the child to the parent.
struct Report {
    int done = 0; // 1 once the child got to the end of the case
    int succeeded = 0;
    int evidenceShown = 0;
    int retrySucceeded = 0;
    qint64 elapsedMs = 0;
    char shown[1536] = {};
};

bool anyLineHas(const QStringList &lines, const QString &text) {
    for (const QString &line : lines)
        if (line.contains(text)) return true;
    return false;
}

bool ranRunCommand(SimSession &s) {
    for (int i = 0; i < 50; ++i) {
        for (const SimFrame &frame : s.sim.received())
            if (frame.name == QLatin1String("O")) return true;
        QTest::qWait(10);
    }
    return false;
}

// Runs the operation once; true when it reported success to the operator.
bool runOperation(Op op, SimSession &s) {
    RecordingFrontend &ui = s.ui;
    DeviceSession &d = s.session;
    ui.log.clear();
    ui.messages.clear();
    switch (op) {
    case Op::Probe:
        Probe_Model(d);
        return ui.modelName == QLatin1String("KQ31B");
    case Op::Info:
        Report_Device_Info(d);
        return ui.log.contains(QStringLiteral("reVal = 0"));
    case Op::Run:
        Run_Application(d);
        return ui.messages.isEmpty() && ranRunCommand(s);
    case Op::UpdateMcu:
        return Update_Mcu(d) == 1 && ui.log.contains(QStringLiteral("Update MCU is OK!!!!!!"));
    case Op::CheckMcu:
        Check_Mcu(d);
        return ui.log.contains(QStringLiteral("Check MCU CRC is OK..."));
    case Op::FlashInfo:
        Flash_Info(d);
        return ui.flashName == QLatin1String("W25Q128JV") ||
               ui.flashName == QLatin1String("W25Q256JV");
    case Op::UpdateFlash:
        UpdateFlash(d);
        return ui.log.contains(QStringLiteral("Update flash is OK!!!!!!"));
    case Op::CheckFlash:
        Check_Flash(d);
        return ui.log.contains(QStringLiteral("Check flash CRC pass."));
    case Op::UpdateAll:
        Update_All(d);
        return ui.log.contains(QStringLiteral("Update MCU is OK!!!!!!")) &&
               ui.log.contains(QStringLiteral("Update flash is OK!!!!!!"));
    case Op::FlashMode:
        Enter_FlashMode(d, fixtureLoaders());
        return ui.messages.isEmpty() && ranRunCommand(s);
    }
    return false;
}

// The child's side: one case against a fresh simulated chip.
Report runCase(const Case &c) {
    Report report;
    ScopedCurrentDir dir;
    dir.write(QStringLiteral("Flash.ini"),
              "[FLASH]\n0xEF4018,4096,4096,W25Q128JV,\n0xEF4019,4096,8192,W25Q256JV,\n");
    const QByteArray mcu = mcuImage();
    const QByteArray flash = pattern(FlashImageSize, 9);

    SimConfig config;
    SimConfig::forModel(QLatin1String(c.model), &config);
    if (c.setup & Part32MiB) {
        config.flashIdAnswers[0].id = config.flashIdAnswers[1].id = 0xEF4019;
        config.flashSize = 32 * 1024 * 1024;
    }
    // What the chip made of each frame, for the report of a case that went wrong; declared
    // before the chip, whose thread writes it until the chip is gone.
    std::mutex simLogMutex;
    QStringList simLog;
    SimSession s(config);
    if (!s.ok()) {
        qstrncpy(report.shown, qPrintable(s.error()), sizeof report.shown);
        return report;
    }
    s.ui.mcuPath = dir.write(QStringLiteral("app.bin"), mcu);
    s.ui.flashPath = dir.write(QStringLiteral("flash.img"), flash);
    s.ui.eraseWhole = c.setup & EraseWhole;
    if (c.op != Op::Probe) s.identify();
    if (c.op == Op::CheckMcu) {
        Input_McuImage(s.session, s.ui.mcuPath);
        s.sim.writeMcuFlash(McuStart, mcu);
    }
    if (c.op == Op::CheckFlash) {
        Input_FlashImage(s.session, s.ui.flashPath);
        s.sim.writeExternalFlash(0, flash);
    }
    s.sim.addFault(c.fault);
    s.sim.setLogSink([&](const QString &line) {
        std::lock_guard<std::mutex> lock(simLogMutex);
        simLog << line;
    });

    QElapsedTimer clock;
    clock.start();
    report.succeeded = runOperation(c.op, s);
    report.elapsedMs = clock.elapsed();
    const QString evidence = QLatin1String(c.evidence);
    report.evidenceShown = evidence.isEmpty() || anyLineHas(s.ui.log, evidence) ||
                           anyLineHas(s.ui.messages, evidence) || s.ui.modelName == evidence;
    QString shown = QStringLiteral("log: ") + s.ui.log.join(QLatin1String(" | ")) +
                    QStringLiteral(" / boxes: ") + s.ui.messages.join(QLatin1String(" | "));
    {
        std::lock_guard<std::mutex> lock(simLogMutex);
        shown += QStringLiteral(" / chip: ") +
                 simLog.mid(qMax(0, simLog.size() - 4)).join(QLatin1String(" | "));
    }

    if (c.setup & Retry) {
        // Let the late reply come in while the operator looks at the result, then try again.
        QTest::qWait(c.fault.ms - int(clock.elapsed() - report.elapsedMs) + 200);
        report.retrySucceeded = runOperation(c.op, s);
    }
    qstrncpy(report.shown, qPrintable(shown), sizeof report.shown);
    report.done = 1;
    return report;
}

// The parent's side: what became of one child.
struct Verdict {
    bool crashed = false;
    bool hung = false;
    Report report;
};

bool readAll(int fd, void *buffer, size_t size) {
    auto *at = static_cast<char *>(buffer);
    while (size > 0) {
        const ssize_t n = ::read(fd, at, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
        size -= size_t(n);
    }
    return true;
}

Verdict runInChild(const Case &c) {
    Verdict verdict;
    int fds[2];
    if (::pipe(fds) != 0) qFatal("pipe failed");
    const pid_t pid = ::fork();
    if (pid < 0) qFatal("fork failed");
    if (pid == 0) {
        ::close(fds[0]);
        const Report report = runCase(c);
        const ssize_t written = ::write(fds[1], &report, sizeof report);
        ::_exit(written == ssize_t(sizeof report) ? 0 : 3);
    }
    ::close(fds[1]);
    // A case that outlives its budget by far is a hang: stop it.
    const int limitMs = c.budgetMs + Slack + 20000;
    pollfd p{fds[0], POLLIN, 0};
    const int ready = ::poll(&p, 1, limitMs);
    if (ready <= 0) {
        ::kill(pid, SIGKILL);
        verdict.hung = true;
    } else if (!readAll(fds[0], &verdict.report, sizeof verdict.report)) {
        verdict.crashed = true;
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!verdict.hung && (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !verdict.report.done))
        verdict.crashed = true;
    return verdict;
}

} // namespace

class FaultMatrixTest : public QObject {
    Q_OBJECT

  private slots:
    void everyOperationAgainstEveryFault() {
        int run = 0, falseSuccesses = 0, crashes = 0, hangs = 0, wrongOutcomes = 0;
        QStringList problems;
        QElapsedTimer total;
        total.start();
        // TESSARA_MATRIX_ONLY=<text> runs only the cases whose name contains it.
        const QString only = qEnvironmentVariable("TESSARA_MATRIX_ONLY");
        for (const Case &c : matrix()) {
            if (!QLatin1String(c.name).contains(only)) continue;
            ++run;
            const Verdict v = runInChild(c);
            const Report &r = v.report;
            const QString name = QLatin1String(c.name);
            if (v.crashed || v.hung) {
                (v.crashed ? crashes : hangs) += 1;
                problems << name + (v.crashed ? QStringLiteral(": crashed")
                                              : QStringLiteral(": hung"));
                continue;
            }
            if (r.elapsedMs > c.budgetMs + Slack) {
                ++hangs;
                problems << name + QStringLiteral(": took %1 ms, budget %2 ms")
                                       .arg(r.elapsedMs)
                                       .arg(c.budgetMs);
            }
            const bool wantSuccess = c.expect == Expect::Success;
            if (r.succeeded && !wantSuccess) ++falseSuccesses;
            if (bool(r.succeeded) != wantSuccess || !r.evidenceShown ||
                ((c.setup & Retry) && !r.retrySucceeded)) {
                ++wrongOutcomes;
                problems << name + QStringLiteral(": %1, evidence %2%3; %4")
                                       .arg(r.succeeded ? "succeeded" : "failed")
                                       .arg(r.evidenceShown ? "shown" : "missing")
                                       .arg((c.setup & Retry)
                                                ? (r.retrySucceeded ? ", retry succeeded"
                                                                    : ", retry failed")
                                                : "")
                                       .arg(QString::fromUtf8(r.shown));
            }
        }
        for (const QString &p : problems)
            qWarning().noquote() << p;
        qInfo().noquote() << QStringLiteral("fault matrix: %1 cases in %2 s, %3 false successes, "
                                            "%4 crashes, %5 hangs or overruns, %6 other "
                                            "unexpected outcomes")
                                 .arg(run)
                                 .arg(total.elapsed() / 1000.0, 0, 'f', 1)
                                 .arg(falseSuccesses)
                                 .arg(crashes)
                                 .arg(hangs)
                                 .arg(wrongOutcomes);
        QCOMPARE(falseSuccesses, 0);
        QCOMPARE(crashes, 0);
        QCOMPARE(hangs, 0);
        QCOMPARE(wrongOutcomes, 0);
    }
};

QTEST_GUILESS_MAIN(FaultMatrixTest)
#include "test_fault_matrix.moc"
