#include "sim/sim_options.h"

#include "sim/sim_boot_loader.h"
#include "sim/sim_models.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const struct {
    const char *name;
    SimFault::Kind kind;
    const char *what; // with the meaning of MS and BYTES, and their defaults
} faultKinds[] = {
    {"silence", SimFault::Silence, "no reply at all"},
    {"wrong-letter", SimFault::WrongLetter, "the reply letter replaced by BYTES (63, '?')"},
    {"split", SimFault::Split, "the first BYTES (40) of the reply, the rest MS (20) later"},
    {"two-replies", SimFault::TwoReplies,
     "the reply twice in one write; for n a progress report and the result"},
    {"burst", SimFault::Burst, "the reply padded to BYTES (600) in one write"},
    {"garbage", SimFault::Garbage,
     "BYTES (16) of garbage after the reply; with MS > 0 in a write of their own, MS later"},
    {"bad-crc", SimFault::BadCrc, "the CRC of G, N or n (the result), or the proof of K, wrong"},
    {"bad-status", SimFault::BadStatus, "the status byte of the H reply set to BYTES (1)"},
    {"delay", SimFault::Delay, "every reply MS (500) later: it arrives stale"},
    {"vanish", SimFault::Vanish,
     "the device goes away without answering; back after MS (never when not given)"},
    {"echo-crc", SimFault::EchoCrc,
     "the flash CRC answered with the CRC the host expects, whatever the flash holds"},
};

// The commands a fault can be put on, by letter; J and l count blocks, the others frames.
const struct {
    char letter;
    const char *what;
} faultLetters[] = {
    {'K', "handshake"},
    {'G', "device information"},
    {'L', "MCU erase"},
    {'J', "MCU block (the reply after its last packet)"},
    {'N', "MCU CRC check"},
    {'H', "boot information record"},
    {'m', "flash ID"},
    {'o', "flash address mode"},
    {'h', "flash erase"},
    {'l', "flash block (the reply after its last packet)"},
    {'n', "flash CRC check (progress reports and the result)"},
    {'j', "first packet of a flash block (no reply: vanish only)"},
    {'k', "middle packet of a flash block (no reply: vanish only)"},
    {'I', "word write (no reply: vanish only)"},
    {'O', "run (no reply: vanish only)"},
};

QString faultHelp() {
    QString text = QStringLiteral("\nFaults: --fault LETTER:OCCURRENCE:KIND[:MS[:BYTES]] puts KIND "
                                  "on the reply to the\nOCCURRENCE-th command LETTER (from 1, or "
                                  "every one). LETTER:\n");
    for (const auto &l : faultLetters)
        text += QStringLiteral("  %1  %2\n").arg(QLatin1Char(l.letter)).arg(QLatin1String(l.what));
    text += QStringLiteral("KIND, and what its MS and BYTES mean (their defaults):\n");
    for (const auto &k : faultKinds)
        text +=
            QStringLiteral("  %1 %2\n").arg(QLatin1String(k.name), -13).arg(QLatin1String(k.what));
    text += QStringLiteral(
        "Example: the second MCU block answered in two pieces 30 ms apart, then the device gone\n"
        "at the flash CRC check:\n"
        "  tessara-sim --model KQ47 --fault J:2:split:30 --fault n:1:vanish\n");
    text += QStringLiteral(
        "\nPower cuts: --power-cut LETTER:OCCURRENCE[:PERCENT[:BACK_MS]] cuts the power while the\n"
        "chip works on the OCCURRENCE-th command LETTER (counted as above), once PERCENT (50) of\n"
        "its work is done, and brings it back BACK_MS (500, or never) later, in its boot loader\n"
        "on a new terminal (the link follows). Of the work, that share is done:\n"
        "  L  of the range erased, from its start\n"
        "  J  of the block programmed\n"
        "  H  the record is rewritten in place: 0 keeps the old one, 1-99 leave none, 100 the new\n"
        "  h  of the flash erased, from its first sector\n"
        "  l  of the block's sectors erased, then of its pages programmed (bytes of both)\n"
        "  N  nothing; the cut comes PERCENT into the command's time\n"
        "  n  nothing; the cut comes PERCENT into the command's time, after the progress\n"
        "     reports due before it\n"
        "Any other command changes nothing. What it wrote stays (the MCU flash, the flash, the\n"
        "boot records), the word memory (RAM) is lost, and no reply is sent. Example: the power\n"
        "gone three quarters into the tenth flash block, back after 300 ms:\n"
        "  tessara-sim --link /tmp/ttyKQ --power-cut l:10:75:300\n"
        "\nExit status:\n"
        "  0  stopped by SIGINT or SIGTERM, or --help or --version answered\n"
        "  1  the pseudo-terminal or the log file could not be made\n"
        "  2  bad usage: an unknown option or a value it cannot take\n");
    return text;
}

// A number, hexadecimal with a 0x prefix, otherwise decimal; K and M suffixes multiply by 1024.
bool parseNumber(QString text, qint64 min, qint64 max, qint64 *value) {
    text = text.trimmed();
    qint64 scale = 1;
    if (text.endsWith(QLatin1Char('K'), Qt::CaseInsensitive))
        scale = 1024;
    else if (text.endsWith(QLatin1Char('M'), Qt::CaseInsensitive))
        scale = 1024 * 1024;
    if (scale != 1) text.chop(1);
    bool ok = false;
    const qint64 v = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                         ? text.mid(2).toLongLong(&ok, 16)
                         : text.toLongLong(&ok, 10);
    if (!ok || v < min / scale || v > max / scale) return false;
    *value = v * scale;
    return true;
}

bool parseTag(const QString &text, QByteArray *tag) {
    const QByteArray bytes = text.toLatin1();
    if (bytes.size() != 4) return false;
    *tag = bytes;
    return true;
}

} // namespace

bool parseFault(const QString &text, SimFault *fault, QString *error) {
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() < 3 || parts.size() > 5 || parts[0].size() != 1 ||
        parts[0][0].unicode() > 0x7F) {
        *error =
            QStringLiteral("fault \"%1\": expected LETTER:OCCURRENCE:KIND[:MS[:BYTES]]").arg(text);
        return false;
    }
    SimFault f;
    f.letter = char(parts[0][0].unicode());
    if (!SimBootLoader::servesCommand(uint8_t(f.letter))) {
        *error = QStringLiteral("fault \"%1\": the loader has no command '%2' (it serves %3)")
                     .arg(text, parts[0], QLatin1String(SimBootLoader::CommandLetters));
        return false;
    }
    qint64 n = 0;
    if (parts[1] == QLatin1String("every"))
        f.occurrence = 0;
    else if (parseNumber(parts[1], 1, 1000000000, &n))
        f.occurrence = int(n);
    else {
        *error = QStringLiteral("fault \"%1\": occurrence must be a number from 1 or \"every\"")
                     .arg(text);
        return false;
    }
    bool known = false;
    for (const auto &k : faultKinds)
        if (parts[2] == QLatin1String(k.name)) {
            f.kind = k.kind;
            known = true;
        }
    if (!known) {
        *error = QStringLiteral("fault \"%1\": unknown kind \"%2\"").arg(text, parts[2]);
        return false;
    }
    if (parts.size() > 3) {
        if (!parseNumber(parts[3], -1, 3600000, &n)) {
            *error = QStringLiteral("fault \"%1\": bad milliseconds").arg(text);
            return false;
        }
        f.ms = int(n);
    }
    if (parts.size() > 4) {
        if (!parseNumber(parts[4], 0, 1000000, &n)) {
            *error = QStringLiteral("fault \"%1\": bad byte count").arg(text);
            return false;
        }
        f.bytes = int(n);
    }
    *fault = f;
    return true;
}

bool parsePowerCut(const QString &text, SimPowerCut *cut, QString *error) {
    const QStringList parts = text.split(QLatin1Char(':'));
    const auto bad = [&](const char *what) {
        *error = QStringLiteral("power cut \"%1\": %2").arg(text, QLatin1String(what));
        return false;
    };
    if (parts.size() < 2 || parts.size() > 4 || parts[0].size() != 1 ||
        !SimBootLoader::servesCommand(
            uint8_t(parts[0][0].unicode() > 0x7F ? 0 : parts[0][0].unicode())))
        return bad("expected LETTER:OCCURRENCE[:PERCENT[:BACK_MS]], LETTER a command the loader "
                   "serves");
    SimPowerCut c;
    c.letter = char(parts[0][0].unicode());
    qint64 n = 0;
    if (!parseNumber(parts[1], 1, 1000000000, &n)) return bad("occurrence must be a number from 1");
    c.occurrence = int(n);
    if (parts.size() > 2) {
        if (!parseNumber(parts[2], 0, 100, &n)) return bad("percent must be 0 to 100");
        c.percent = int(n);
    }
    if (parts.size() > 3) {
        if (parts[3] == QLatin1String("never"))
            c.backAfterMs = -1;
        else if (parseNumber(parts[3], 0, 3600000, &n))
            c.backAfterMs = int(n);
        else
            return bad("back after: milliseconds or \"never\"");
    }
    *cut = c;
    return true;
}

bool parseSimOptions(const QStringList &args, SimOptions *options, QString *error,
                     QString *helpText) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated KQ chip in its boot loader, on a pseudo-terminal. Prints the terminal's\n"
        "path on the first line, then serves it until SIGINT or SIGTERM.\n"
        "Numbers are decimal, or hexadecimal with 0x; sizes may end in K or M."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version."));
    const auto option = [](const char *name, const char *text, const char *value) {
        return QCommandLineOption(QLatin1String(name), QLatin1String(text), QLatin1String(value));
    };
    const QCommandLineOption model = option(
        "model", "Chip model: KQ31A, KQ31B, KQ3200, KQ31C, KQ31D, KQ580, KQ581, KQ47 (KQ31B).",
        "name");
    const QCommandLineOption modelCode =
        option("model-code", "Any model code instead of a named model.", "code");
    const QCommandLineOption bootVersion = option("boot-version", "Boot loader version.", "n");
    const QCommandLineOption bootKind =
        option("boot-kind", "Boot kind code of the handshake reply (0xEEBA0080).", "code");
    const QCommandLineOption bootType =
        option("boot-type", "KQ580: low byte of the version (1 = MCU-update loader).", "n");
    const QCommandLineOption proofTag =
        option("proof-tag", "Handshake proof tag, four letters.", "tag");
    const QCommandLineOption proofTag580 =
        option("proof-tag-kq580", "Handshake proof tag of the KQ580, four letters.", "tag");
    const QCommandLineOption infoIds =
        option("info-flash-ids", "The two flash IDs of the information reply.", "id,id");
    const QCommandLineOption flashIds = option(
        "flash-id", "Flash ID answered for read variants 0 and 1 (one value: both).", "id[,id]");
    const QCommandLineOption flashIdModes = option(
        "flash-id-mode", "Per read variant: answer, wrong-letter or silence.", "mode[,mode]");
    const QCommandLineOption flashSize =
        option("flash-size", "External flash capacity in bytes (16M).", "bytes");
    const QCommandLineOption mcuErase = option("mcu-erase-ms", "MCU erase duration.", "ms");
    const QCommandLineOption flashErase =
        option("flash-erase-ms", "Whole flash erase duration (20).", "ms");
    const QCommandLineOption timing(
        QStringLiteral("timing"),
        QStringLiteral("Flash timing: fast (the default, for tests: pages and sectors take no "
                       "time) or realistic, the timing of %1. The options below override it.")
            .arg(QLatin1String(SimConfig::RealisticTimingText)),
        QStringLiteral("profile"));
    const QCommandLineOption pageProgram =
        option("page-program-us", "Time to program a 256-byte page of the flash (0).", "us");
    const QCommandLineOption sectorErase =
        option("sector-erase-us",
               "Time to erase a 4 KiB sector before a block in it is programmed (0).", "us");
    const QCommandLineOption crcRate =
        option("crc-us-per-kib", "Time the flash CRC takes per KiB (0).", "us");
    const QCommandLineOption crcStep =
        option("crc-step", "Flash CRC progress report every so many bytes (1M).", "bytes");
    const QCommandLineOption crcInterval =
        option("crc-interval-ms", "Time between flash CRC reports (50).", "ms");
    const QCommandLineOption idleReset =
        option("frame-idle-ms", "An incomplete frame is dropped after this idle time (250).", "ms");
    const QCommandLineOption restart = option(
        "restart-on-run", "After a run command, vanish and come back after this delay.", "ms");
    const QCommandLineOption fault =
        option("fault", "Inject a fault (repeatable): LETTER:OCCURRENCE:KIND[:MS[:BYTES]], below.",
               "description");
    const QCommandLineOption powerCut =
        option("power-cut",
               "Cut the power in the middle of a command (repeatable): "
               "LETTER:OCCURRENCE[:PERCENT[:BACK_MS]], below.",
               "where");
    const QCommandLineOption link =
        option("link", "Keep a symbolic link at this path pointing at the terminal.", "path");
    const QCommandLineOption log =
        option("log", "Write the decoded record of every frame received to this file.", "file");
    parser.addOptions({help,      version,  model,       modelCode, bootVersion, bootKind,
                       bootType,  proofTag, proofTag580, infoIds,   flashIds,    flashIdModes,
                       flashSize, mcuErase, flashErase,  timing,    pageProgram, sectorErase,
                       crcRate,   crcStep,  crcInterval, idleReset, restart,     fault,
                       powerCut,  link,     log});

    if (!parser.parse(args)) {
        *error = parser.errorText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument ") + parser.positionalArguments().first();
        return false;
    }
    if (parser.isSet(help)) {
        *helpText = parser.helpText() + faultHelp();
        return true;
    }
    if (parser.isSet(version)) {
        *helpText = QStringLiteral("tessara-sim %1\n").arg(QCoreApplication::applicationVersion());
        return true;
    }

    SimOptions o;
    const auto bad = [&](const QCommandLineOption &which) {
        *error = QStringLiteral("bad value for --%1: %2")
                     .arg(which.names().constLast(), parser.value(which));
        return false;
    };
    const auto number = [&](const QCommandLineOption &which, qint64 min, qint64 max,
                            qint64 *value) {
        return parseNumber(parser.value(which), min, max, value);
    };
    qint64 n = 0;

    if (parser.isSet(model) && !SimConfig::forModel(parser.value(model), &o.config))
        return bad(model);
    if (parser.isSet(modelCode)) {
        if (!number(modelCode, 0, 0xFFFFFFFF, &n)) return bad(modelCode);
        o.config.modelCode = uint32_t(n);
    }
    const struct {
        const QCommandLineOption &option;
        uint32_t *field;
    } words[] = {{bootVersion, &o.config.bootVersion}, {bootKind, &o.config.bootKindCode}};
    for (const auto &w : words) {
        if (!parser.isSet(w.option)) continue;
        if (!number(w.option, 0, 0xFFFFFFFF, &n)) return bad(w.option);
        *w.field = uint32_t(n);
    }
    if (parser.isSet(timing)) {
        if (parser.value(timing) == QLatin1String("realistic"))
            o.config.useRealisticTiming();
        else if (parser.value(timing) != QLatin1String("fast"))
            return bad(timing);
    }
    const struct {
        const QCommandLineOption &option;
        int *field;
        qint64 max;
    } ints[] = {{bootType, &o.config.bootType, 255},
                {mcuErase, &o.config.mcuEraseMs, 3600000},
                {flashErase, &o.config.flashEraseMs, 3600000},
                {pageProgram, &o.config.pageProgramUs, 1000000},
                {sectorErase, &o.config.sectorEraseUs, 10000000},
                {crcRate, &o.config.crcUsPerKiB, 1000000},
                {crcInterval, &o.config.crcProgressIntervalMs, 60000},
                {idleReset, &o.config.frameIdleResetMs, 60000},
                {restart, &o.config.restartDelayMs, 3600000}};
    for (const auto &i : ints) {
        if (!parser.isSet(i.option)) continue;
        if (!number(i.option, 0, i.max, &n)) return bad(i.option);
        *i.field = int(n);
    }
    o.config.restartOnRun = parser.isSet(restart);
    if (parser.isSet(proofTag) && !parseTag(parser.value(proofTag), &o.config.proofTag))
        return bad(proofTag);
    if (parser.isSet(proofTag580) && !parseTag(parser.value(proofTag580), &o.config.proofTagKq580))
        return bad(proofTag580);
    if (parser.isSet(flashSize)) {
        if (!number(flashSize, 0, qint64(4) * 1024 * 1024 * 1024, &n)) return bad(flashSize);
        if (n == 0) {
            *error = QStringLiteral("--flash-size 0: a flash part has at least one byte");
            return false;
        }
        o.config.flashSize = n;
    }
    if (parser.isSet(crcStep)) {
        if (!number(crcStep, 1, 0xFFFFFFFF, &n)) return bad(crcStep);
        o.config.crcProgressStep = n;
    }
    if (parser.isSet(infoIds)) {
        const QStringList ids = parser.value(infoIds).split(QLatin1Char(','));
        if (ids.size() != 2) return bad(infoIds);
        for (int i = 0; i < 2; ++i) {
            if (!parseNumber(ids[i], 0, 0xFFFFFFFF, &n)) return bad(infoIds);
            o.config.infoFlashIds[size_t(i)] = uint32_t(n);
        }
    }
    if (parser.isSet(flashIds)) {
        const QStringList ids = parser.value(flashIds).split(QLatin1Char(','));
        if (ids.size() > 2) return bad(flashIds);
        for (int i = 0; i < 2; ++i) {
            if (!parseNumber(ids.value(i, ids[0]), 0, 0xFFFFFFFF, &n)) return bad(flashIds);
            o.config.flashIdAnswers[size_t(i)].id = uint32_t(n);
        }
    }
    if (parser.isSet(flashIdModes)) {
        const QStringList modes = parser.value(flashIdModes).split(QLatin1Char(','));
        if (modes.size() > 2) return bad(flashIdModes);
        for (int i = 0; i < 2; ++i) {
            const QString m = modes.value(i, modes[0]);
            SimFlashIdAnswer::Mode &mode = o.config.flashIdAnswers[size_t(i)].mode;
            if (m == QLatin1String("answer"))
                mode = SimFlashIdAnswer::Answer;
            else if (m == QLatin1String("wrong-letter"))
                mode = SimFlashIdAnswer::WrongLetter;
            else if (m == QLatin1String("silence"))
                mode = SimFlashIdAnswer::Silence;
            else
                return bad(flashIdModes);
        }
    }
    for (const QString &text : parser.values(fault)) {
        SimFault f;
        if (!parseFault(text, &f, error)) return false;
        o.faults.push_back(f);
    }
    for (const QString &text : parser.values(powerCut)) {
        SimPowerCut c;
        if (!parsePowerCut(text, &c, error)) return false;
        o.powerCuts.push_back(c);
    }
    o.config.linkPath = parser.value(link);
    o.logFile = parser.value(log);
    *options = o;
    return true;
}
