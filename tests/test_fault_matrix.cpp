// Every device operation against every simulator fault that applies to it. Each case runs in a
// child process of its own, so that a crash or a hang is counted rather than ending the run; the
// figure printed at the end counts cases, false successes, crashes and overruns of the budget.
#include "flash/flash_crc.h"
#include "flash/flash_id.h"
#include "flash/flash_image.h"
#include "flash/flash_mode.h"
#include "flash/flash_update.h"
#include "jobs/device_information.h"
#include "jobs/job.h"
#include "jobs/update_all.h"
#include "mcu/mcu_image.h"
#include "mcu/mcu_update.h"
#include "protocol/bytes.h"
#include "protocol/crc32.h"
#include "protocol/device_info.h"
#include "protocol/handshake.h"
#include "support/fixture_loaders.h"
#include "support/scoped_current_dir.h"
#include "support/sim_session.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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
    Part32MiB = 1,   // a 32 MiB flash part: the update sends the address mode
    EraseWhole = 2,  // "Erase whole flash" checked
    Retry = 4,       // after the failure, the stale reply arrives; the operation then succeeds
    CrcProgress = 8, // the flash CRC check reports progress before its result
};

struct Case {
    QString name;
    Op op;
    SimFault fault;
    Expect expect;
    const char *evidence; // a line, message or model name the operator must be shown
    int budgetMs;         // the reply time-outs the case may spend
    unsigned setup = Plain;
    const char *model = "KQ31B";
    // Replies cut into pieces: applied after `fault`, they must change nothing of how the case
    // ends, which is compared with the case named `sameAs`, run without them.
    QVector<SimFault> cuts = {};
    QString sameAs = {};
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

// Every command's reply cut into pieces 20 ms apart, at bytes inside and between its fields, and
// in three pieces. Each must end exactly as the whole reply does.
QVector<Case> cutReplies() {
    struct Command {
        const char *name;
        Op op;
        char letter;
        int occurrence;
        Expect expect;
        const char *evidence;
        unsigned setup = Plain;
        const char *model = "KQ31B";
        SimFault fault = f('Z', 0, K::Silence);
    };
    static const Command commands[] = {
        {"K", Op::Probe, 'K', 2, Expect::Success, "KQ31B Boot_Version:1a"},
        {"G", Op::Info, 'G', 1, Expect::Success, "FlashID:0xef4018"},
        {"L", Op::UpdateMcu, 'L', 1, Expect::Success, "Erase flash OK..."},
        {"J", Op::UpdateMcu, 'J', 2, Expect::Success, "Update MCU is OK!!!!!!"},
        {"H second boot info refused", Op::UpdateMcu, 'H', 1, Expect::Failure,
         "Save boot information NG!!!", Plain, "KQ31B", f('H', 1, K::BadStatus)},
        {"H boot setting", Op::UpdateMcu, 'H', 2, Expect::Success, "Update MCU is OK!!!!!!"},
        {"N", Op::CheckMcu, 'N', 1, Expect::Success, "Check MCU CRC is OK..."},
        {"m", Op::FlashInfo, 'm', 1, Expect::Success, "FlashID:0xef4018"},
        {"o", Op::UpdateFlash, 'o', 1, Expect::Success, "Set 32bits Addr ok", Part32MiB},
        {"h", Op::UpdateFlash, 'h', 1, Expect::Success, "Erase_whole_Flash ok", EraseWhole},
        {"l", Op::UpdateFlash, 'l', 1, Expect::Success, "Update flash is OK!!!!!!"},
        {"l KQ47", Op::UpdateFlash, 'l', 1, Expect::Success, "Update flash is OK!!!!!!", Plain,
         "KQ47"},
        // Every progress report and the result are cut.
        {"n", Op::CheckFlash, 'n', 1, Expect::Success, "Check flash CRC pass.", CrcProgress},
    };
    static const int cutAt[] = {1, 2, 5, 6, 9, 13, 17, 33, 63};
    QVector<Case> cases;
    for (const Command &c : commands) {
        const QString prefix = QStringLiteral("cut/") + QLatin1String(c.name);
        const QString whole = prefix + QStringLiteral("/whole");
        const auto cut = [&](const QString &how, const QVector<SimFault> &cuts) {
            cases.append({prefix + how, c.op, c.fault, c.expect, c.evidence, 0, c.setup, c.model,
                          cuts, whole});
        };
        cut(QStringLiteral("/whole"), {});
        for (const int at : cutAt)
            cut(QStringLiteral("/at %1").arg(at), {f(c.letter, c.occurrence, K::Split, 20, at)});
        cut(QStringLiteral("/three pieces"), {f(c.letter, c.occurrence, K::Split, 20, 3),
                                              f(c.letter, c.occurrence, K::Split, 20, 18)});
    }
    // A wrong reply is awaited whole: its tail is not taken for the reply to the retry, which the
    // chip is slower to send.
    Case wrongInPieces{"flash info/first wrong letter in pieces",
                       Op::FlashInfo,
                       f('m', 1, K::WrongLetter),
                       Expect::Success,
                       "",
                       0};
    wrongInPieces.cuts = {f('m', 1, K::Split, 20, 1), f('m', 2, K::Delay, 60)};
    wrongInPieces.sameAs = QStringLiteral("flash info/first wrong letter");
    cases.append(wrongInPieces);
    return cases;
}

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
        {"probe/stale", Op::Probe, f('K', 1, K::Delay, 7500), Expect::Failure, "Time over!", 1530,
         Retry},
        {"probe/vanish", Op::Probe, f('K', 1, K::Vanish), Expect::Failure, "Lost the device", 0},
        // The rest of the reply comes after the command's wait: a time-out.
        {"probe/reply left short", Op::Probe, f('K', 2, K::Split, 3000, 1), Expect::Failure,
         "Time over!", 1530},

        // Device information.
        {"info/silence", Op::Info, f('G', 1, K::Silence), Expect::Failure, "Time over!", 1530},
        {"info/wrong letter", Op::Info, f('G', 1, K::WrongLetter), Expect::Failure,
         "Connect device,and return error command", 0},
        {"info/split", Op::Info, f('G', 1, K::Split), Expect::Success, "", 0},
        {"info/split before crc", Op::Info, f('G', 1, K::Split, 20, 10), Expect::Success, "", 0},
        {"info/two replies", Op::Info, f('G', 1, K::TwoReplies), Expect::Success, "", 0},
        {"info/garbage", Op::Info, f('G', 1, K::Garbage), Expect::Success, "", 0},
        {"info/burst", Op::Info, f('G', 1, K::Burst), Expect::Failure, "Time over!", 1530},
        {"info/bad crc", Op::Info, f('G', 1, K::BadCrc), Expect::Failure,
         "Get infomation crc32 error", 0},
        {"info/stale", Op::Info, f('G', 1, K::Delay, 7500), Expect::Failure, "Time over!", 1530,
         Retry},
        {"info/vanish", Op::Info, f('G', 1, K::Vanish), Expect::Failure, "Lost the device", 0},

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
        {"check mcu/stale", Op::CheckMcu, f('N', 1, K::Delay, 9000), Expect::Failure, "Time over!",
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
        {"flash info/vanish", Op::FlashInfo, f('m', 1, K::Vanish), Expect::Failure,
         "Lost the device", 0},

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
        // A whole erase the chip refused ends the update before anything is written.
        {"update flash/erase wrong letter", Op::UpdateFlash, f('h', 1, K::WrongLetter),
         Expect::Failure, "Erase whole flash,and return error command", 0, EraseWhole},
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
        // Noise after the result is no reply of its own: the whole result stands.
        {"update flash/crc garbage", Op::UpdateFlash, f('n', 1, K::Garbage), Expect::Success, "",
         0},
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
    static const QVector<Case> all = cases + cutReplies();
    return all;
}

QByteArray pattern(int length, int seed) {
    QByteArray b(length, '\0');
    for (int i = 0; i < length; ++i)
        b[i] = char((i * 13 + seed + i / 251) & 0xFF);
    return b;
}

QByteArray mcuImage() {
    QByteArray image = pattern(McuImageSize, 5);
    Put_Le32(reinterpret_cast<uint8_t *>(image.data()) + 4, RunAddress);
    return image;
}

// What one case showed, passed from the child to the parent.
struct Report {
    int done = 0; // 1 once the child got to the end of the case
    int succeeded = 0;
    int resultAgrees = 1; // the result returned says what the operator was shown
    int evidenceShown = 0;
    int retrySucceeded = 0;
    qint64 elapsedMs = 0;
    char shown[1536] = {};
    char outcome[3072] = {};
};

bool anyLineHas(const QStringList &lines, const QString &text) {
    for (const QString &line : lines)
        if (line.contains(text)) return true;
    return false;
}

bool ranRunCommand(SimSession &s) {
    return QTest::qWaitFor(
        [&s] {
            for (const SimFrame &frame : s.sim.received())
                if (frame.name == QLatin1String("O")) return true;
            return false;
        },
        30000);
}

// What a case gives its operation: the images, as files and as the window's Input left them, and
// the choices.
struct CaseInput {
    QString mcuPath, flashPath;
    McuImageFacts mcuFacts;
    FlashImageFacts flashFacts;
    bool eraseWhole = false;
};

// All that a case leaves the operator and the chip with: the verdict, the log (its clock lines
// aside), the boxes, the chip and flash part as identified, the memories and the boot records.
QString outcomeOf(bool succeeded, SimSession &s) {
    static const QRegularExpression clockLine(QStringLiteral("^Timer:\\d+:\\d+:\\d+$"));
    QStringList log = s.ui.log;
    for (QString &line : log)
        line.replace(clockLine, QStringLiteral("Timer"));
    const DeviceSession &d = s.session;
    const auto crcOf = [](const QByteArray &b) {
        return crc32_calc(reinterpret_cast<const uint8_t *>(b.constData()), size_t(b.size()));
    };
    const SimBootRecords records = s.sim.bootRecords();
    return QStringList{
        succeeded ? QStringLiteral("succeeded") : QStringLiteral("failed"),
        QStringLiteral("log: ") + log.join(QLatin1String(" | ")),
        QStringLiteral("boxes: ") + s.ui.messages.join(QLatin1String(" | ")),
        QStringLiteral("chip: %1 %2 version %3 loader %4")
            .arg(s.ui.modelName)
            .arg(d.chip().code, 0, 16)
            .arg(d.identity.bootVersion, 0, 16)
            .arg(int(d.identity.bootLoader)),
        QStringLiteral("flash part: %1 %2 %3").arg(s.ui.flashId, s.ui.flashSize, s.ui.flashName),
        QStringLiteral("memories: mcu %1 flash %2")
            .arg(crcOf(s.sim.mcuFlash()), 0, 16)
            .arg(crcOf(s.sim.externalFlash(0, FlashImageSize)), 0, 16),
        QStringLiteral("records: %1 %2 %3 %4 / %5 %6")
            .arg(records.haveSecondBootInfo)
            .arg(records.runAddress, 0, 16)
            .arg(records.imageLength)
            .arg(records.imageCrc, 0, 16)
            .arg(records.haveBootSetting)
            .arg(records.bootSetting, 0, 16),
    }
        .join(QLatin1String(" / "));
}

// Runs the operation once; true when it reported success to the operator. Whatever it
// returned, a success it reports must also be the success it returns: the case fails otherwise.
bool runOperation(Op op, SimSession &s, const CaseInput &in, bool &resultAgrees) {
    RecordingObserver &ui = s.ui;
    DeviceSession &d = s.session;
    ui.log.clear();
    ui.messages.clear();
    bool shown = false;
    bool returned = false;
    const auto job = [&](Job which) {
        JobRequest request;
        request.job = which;
        request.eraseWhole = in.eraseWhole;
        Read_JobImages(request, in.mcuPath, in.flashPath);
        JobResult result;
        Run_Job(d, request, result);
        return result.ok();
    };
    switch (op) {
    case Op::Probe:
        returned = Probe_Model(d).ok();
        shown = ui.modelName == QLatin1String("KQ31B");
        break;
    case Op::Info:
        Report_Device_Info(d, QString());
        shown = returned = ui.log.contains(QStringLiteral("reVal = 0"));
        break;
    case Op::Run:
        returned = Run_Application(d).ok();
        shown = ui.messages.isEmpty() && ranRunCommand(s);
        break;
    case Op::UpdateMcu:
        returned = job(Job::UpdateMcu);
        shown = ui.log.contains(QStringLiteral("Update MCU is OK!!!!!!"));
        break;
    case Op::CheckMcu:
        returned = Check_Mcu(d, in.mcuFacts).ok();
        shown = ui.log.contains(QStringLiteral("Check MCU CRC is OK..."));
        break;
    case Op::FlashInfo:
        returned = Identify_FlashPart(d, QString()).ok();
        shown = ui.flashName == QLatin1String("W25Q128JV") ||
                ui.flashName == QLatin1String("W25Q256JV");
        break;
    case Op::UpdateFlash:
        returned = job(Job::UpdateFlash);
        shown = ui.log.contains(QStringLiteral("Update flash is OK!!!!!!"));
        break;
    case Op::CheckFlash:
        returned = Check_FlashCRC(d, in.flashFacts).ok();
        shown = ui.log.contains(QStringLiteral("Check flash CRC pass."));
        break;
    case Op::UpdateAll:
        returned = job(Job::UpdateAll);
        shown = ui.log.contains(QStringLiteral("Update MCU is OK!!!!!!")) &&
                ui.log.contains(QStringLiteral("Update flash is OK!!!!!!"));
        break;
    case Op::FlashMode:
        returned = Enter_FlashMode(d, false, fixtureLoaders()).ok();
        shown = ui.messages.isEmpty() && ranRunCommand(s);
        break;
    }
    resultAgrees = returned == shown;
    return shown || returned;
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
    if (c.setup & CrcProgress) config.crcProgressStep = 16 * 1024;
    // What the chip made of each frame, for the report of a case that went wrong; declared
    // before the chip, whose thread writes it until the chip is gone.
    std::mutex simLogMutex;
    QStringList simLog;
    SimSession s(config);
    if (!s.ok()) {
        qstrncpy(report.shown, qPrintable(s.error()), sizeof report.shown);
        return report;
    }
    CaseInput in;
    in.mcuPath = dir.write(QStringLiteral("app.bin"), mcu);
    in.flashPath = dir.write(QStringLiteral("flash.img"), flash);
    in.eraseWhole = c.setup & EraseWhole;
    if (c.op != Op::Probe) s.identify();
    if (c.op == Op::CheckMcu) {
        in.mcuFacts = Input_McuImage(in.mcuPath, s.session.chip().code, s.ui).value();
        s.sim.writeMcuFlash(McuStart, mcu);
    }
    if (c.op == Op::CheckFlash) {
        Input_FlashImage(in.flashPath, s.ui, in.flashFacts);
        s.sim.writeExternalFlash(0, flash);
    }
    s.sim.addFault(c.fault);
    for (const SimFault &cut : c.cuts)
        s.sim.addFault(cut);
    s.sim.setLogSink([&](const QString &line) {
        std::lock_guard<std::mutex> lock(simLogMutex);
        simLog << line;
    });

    QElapsedTimer clock;
    clock.start();
    bool agrees = true;
    report.succeeded = runOperation(c.op, s, in, agrees);
    report.resultAgrees = agrees;
    report.elapsedMs = clock.elapsed();
    qstrncpy(report.outcome, qPrintable(outcomeOf(report.succeeded, s)), sizeof report.outcome);
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
        bool retryAgrees = true;
        report.retrySucceeded = runOperation(c.op, s, in, retryAgrees);
        report.resultAgrees = report.resultAgrees && retryAgrees;
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

// One case in a child process of its own.
struct Child {
    int index; // in the list of cases run
    pid_t pid;
    int fd;         // the read end of the pipe that brings the report
    qint64 limitMs; // on the run's clock: a case that outlives its budget by far is a hang
};

Child startChild(const Case &c, int index, qint64 nowMs) {
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
    return {index, pid, fds[0], nowMs + c.budgetMs + Slack + 60000};
}

// The child's report once it has come (or the pipe closed), or after the limit.
Verdict finishChild(const Child &child, bool reported) {
    Verdict verdict;
    if (!reported) {
        ::kill(child.pid, SIGKILL);
        verdict.hung = true;
    } else if (!readAll(child.fd, &verdict.report, sizeof verdict.report)) {
        verdict.crashed = true;
    }
    ::close(child.fd);
    int status = 0;
    ::waitpid(child.pid, &status, 0);
    if (!verdict.hung && (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !verdict.report.done))
        verdict.crashed = true;
    return verdict;
}

// Runs the cases a few at a time, since most of them wait out a time-out, and returns their
// verdicts in order.
QVector<Verdict> runAll(const QVector<const Case *> &cases) {
    constexpr size_t AtOnce = 4;
    QVector<Verdict> verdicts(cases.size());
    std::vector<Child> running;
    QElapsedTimer clock;
    clock.start();
    for (int next = 0; next < cases.size() || !running.empty();) {
        while (next < cases.size() && running.size() < AtOnce) {
            running.push_back(startChild(*cases[next], next, clock.elapsed()));
            ++next;
        }
        std::vector<pollfd> fds;
        qint64 firstLimit = running.front().limitMs;
        for (const Child &child : running) {
            fds.push_back({child.fd, POLLIN, 0});
            firstLimit = qMin(firstLimit, child.limitMs);
        }
        ::poll(fds.data(), fds.size(), int(qMax<qint64>(0, firstLimit - clock.elapsed())));
        for (size_t i = running.size(); i-- > 0;) {
            const bool reported = fds[i].revents != 0;
            if (!reported && clock.elapsed() < running[i].limitMs) continue;
            verdicts[running[i].index] = finishChild(running[i], reported);
            running.erase(running.begin() + long(i));
        }
    }
    return verdicts;
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
        // TESSARA_MATRIX_ONLY=<text> runs only the cases whose name contains it (and those
        // they are compared with).
        const QString only = qEnvironmentVariable("TESSARA_MATRIX_ONLY");
        QSet<QString> compared;
        for (const Case &c : matrix())
            if (c.name.contains(only)) compared.insert(c.sameAs);
        QVector<const Case *> cases;
        for (const Case &c : matrix())
            if (c.name.contains(only) || compared.contains(c.name)) cases.append(&c);
        const QVector<Verdict> verdicts = runAll(cases);
        // How each case ended, by name, for the cases compared with another.
        QHash<QString, QByteArray> outcomes;
        for (int i = 0; i < cases.size(); ++i)
            outcomes[cases[i]->name] = verdicts[i].report.outcome;

        for (int i = 0; i < cases.size(); ++i) {
            const Case &c = *cases[i];
            ++run;
            const Verdict &v = verdicts[i];
            const Report &r = v.report;
            const QString &name = c.name;
            if (!c.sameAs.isEmpty() && outcomes[c.sameAs] != r.outcome) {
                ++wrongOutcomes;
                problems << name + QStringLiteral(": ends unlike %1: %2; whole: %3")
                                       .arg(c.sameAs, QString::fromUtf8(r.outcome),
                                            QString::fromUtf8(outcomes[c.sameAs]));
            }
            if (v.crashed || v.hung) {
                (v.crashed ? crashes : hangs) += 1;
                problems << name + (v.crashed ? QStringLiteral(": crashed")
                                              : QStringLiteral(": hung"));
                continue;
            }
            // How long a case took is a figure, not a verdict (the machine may be loaded): it
            // is shown; only a case that never ended fails.
            if (r.elapsedMs > c.budgetMs + Slack)
                qInfo().noquote() << name + QStringLiteral(": took %1 ms, budget %2 ms")
                                                .arg(r.elapsedMs)
                                                .arg(c.budgetMs);
            const bool wantSuccess = c.expect == Expect::Success;
            if (r.succeeded && !wantSuccess) ++falseSuccesses;
            if (!r.resultAgrees) {
                ++wrongOutcomes;
                problems << name + QStringLiteral(": the result returned is not what the operator "
                                                  "was shown; %1")
                                       .arg(QString::fromUtf8(r.shown));
            }
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
                                            "%4 crashes, %5 hangs, %6 other "
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
