#include "cli/cli_options.h"

#include "cli/argument_places.h"
#include "cli/cli_bundle.h"
#include "cli/cli_ledger.h"
#include "flash/flash_ini_search.h"
#include "ledger/ledger.h"
#include "line/line_options.h"
#include "line/station_config.h"
#include "protocol/chip_table.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The options that only some commands take, beyond the flash choices their job takes.
enum CommandOption { Nand = 1, Blocks = 2, Probe = 4 };

struct CliCommand {
    const char *name;
    Job job;
    const char *images; // the image arguments (its job's, the MCU image first), as the help shows
    int options;        // CommandOption flags
    const char *what;
};

const CliCommand Commands[] = {
    {"ports", Job::Probe, "", Probe, "list the serial-port map; * marks the chip's port"},
    {"probe", Job::Probe, "", 0, "identify the chip: model and boot version"},
    {"info", Job::Info, "", 0, "read the device information"},
    {"flash-info", Job::FlashInfo, "", 0, "identify the external flash part"},
    {"update-mcu", Job::UpdateMcu, "IMAGE", 0, "program and verify the MCU flash"},
    {"check-mcu", Job::CheckMcu, "IMAGE", 0, "compare the MCU flash with IMAGE by CRC-32"},
    {"update-flash", Job::UpdateFlash, "IMAGE", 0, "program and verify the external flash"},
    {"check-flash", Job::CheckFlash, "IMAGE", Blocks, "compare the external flash with IMAGE"},
    {"update-all", Job::UpdateAll, "MCU_IMAGE FLASH_IMAGE", 0,
     "update the MCU, then the external flash"},
    {"run", Job::Run, "", 0, "start the application in the chip"},
    {"flash-mode", Job::FlashMode, "", Nand, "put a KQ580 into flash mode"},
};

const CliCommand *findCommand(const QString &name) {
    for (const CliCommand &c : Commands)
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

QString commandList() {
    QString text = QStringLiteral("\nCommands:\n");
    for (const CliCommand &c : Commands) {
        const QString usage = QLatin1String(c.name) + QLatin1Char(' ') + QLatin1String(c.images);
        text += QStringLiteral("  %1 %2\n").arg(usage, -36).arg(QLatin1String(c.what));
    }
    text += Bundle_HelpSummary();
    text += Ledger_HelpSummary();
    text += QLatin1Char('\n') + FlashIni_SearchOrder();
    text += QStringLiteral(
        "\nThe chip's port: --port NAME, or --port serial:NUMBER for the port whose USB serial\n"
        "number is NUMBER (see `ports`). Without --port, the port of \\Device\\USBSER000 in the\n"
        "serial-port map. On Linux that map lists the system's serial devices and the chip's port\n"
        "is a guess, the first ttyACM device, unless TESSARA_SERIALCOMM replaces the map with\n"
        "';'-separated kernelName=portName entries, e.g. '\\Device\\USBSER000=/dev/ttyACM2'.\n"
        "\nCtrl-C asks the running operation to stop where it safely can, as the window's Exit\n"
        "button does. An MCU write is never cut short (that would leave the chip without\n"
        "firmware): the run stops once it is complete. Outside an MCU write a second Ctrl-C ends\n"
        "the program.\n"
        "\nExit status:\n"
        "  0    success; with several boards, every board succeeded\n"
        "  1    the operation failed or no chip is connected; with several boards, any board\n"
        "       failed; a record could not be written to the report\n"
        "  2    bad usage, before anything is sent: an unknown command or option, a number out\n"
        "       of range, an image that cannot be read or has 0 bytes, a bundle refused or\n"
        "       without the command's image, a Flash.ini that cannot be read, a report or trace\n"
        "       file that cannot be opened, a --config file or a hook command that cannot be\n"
        "       read or split, a --mqtt URL or --mqtt-auth file that cannot be used, a USB\n"
        "       serial number on several ports, one device named twice\n"
        "  129  stopped by SIGHUP (a closed terminal)\n"
        "  130  stopped by Ctrl-C (SIGINT)\n"
        "  143  stopped by SIGTERM (timeout, a service manager)\n"
        "\nExamples:\n"
        "  tessara-cli ports\n"
        "  tessara-cli --port serial:KQ0042 update-all app.bin flash.bin --erase-whole\n"
        "  tessara-cli --trace kq.trace --quiet check-flash flash.bin && echo verified\n"
        "  tessara-cli --all --report bench.jsonl update-all --bundle panel-2.4.kqb\n");
    return text;
}

// A whole number in [low, high], or an error naming the option.
bool readNumber(const QString &option, const QString &text, int low, int high, int &value,
                QString &error) {
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (!ok || v < low || v > high) {
        error = QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\"")
                    .arg(option)
                    .arg(low)
                    .arg(high)
                    .arg(text);
        return false;
    }
    value = v;
    return true;
}

// The boards to run on: the ports named (each once), or with `all` every chip port.
bool readBoards(const QStringList &ports, bool all, CliRequest &r, QString &error) {
    if (all && !ports.isEmpty()) {
        error = QStringLiteral("--all and --port exclude each other");
        return false;
    }
    for (const QString &port : ports) {
        if (port.isEmpty()) {
            error = QStringLiteral("--port needs a port name");
            return false;
        }
        if (r.ports.contains(port)) {
            error = QStringLiteral("--port \"%1\" is given twice").arg(port);
            return false;
        }
        r.ports.append(port);
    }
    r.all = all;
    return true;
}

// The production line's options: each command splits, the URL reads, nothing dangles.
bool readLineOptions(const QCommandLineParser &parser, CliRequest &r, QString &error) {
    LineOptions &o = r.line;
    for (const char *name : {"hook-timeout", "mqtt-drain", "before-board", "after-board", "mqtt",
                             "station", "mqtt-auth"}) {
        const QString option = QLatin1String(name);
        if (parser.isSet(option) && !Take_LineOption("--" + option, parser.value(option), o, error))
            return false;
    }
    if (!Check_LineOptions(o, error)) return false;
    // The station's name is the topics' alone here.
    if (o.mqtt.isEmpty() && parser.isSet(QStringLiteral("station"))) {
        error = QStringLiteral("--station applies to --mqtt");
        return false;
    }
    r.json = parser.isSet(QStringLiteral("json"));
    return true;
}

// --product and --min-version: what this station takes.
bool readPin(const QCommandLineParser &parser, const QCommandLineOption &product,
             const QCommandLineOption &minVersion, ReleasePin &pin, QString &error) {
    // One pin: a second one (station.conf and the command line) would quietly loosen the first.
    for (const QCommandLineOption &option : {product, minVersion})
        if (parser.values(option).size() > 1) {
            error = QStringLiteral("--%1 is given twice").arg(option.names().constFirst());
            return false;
        }
    if (parser.isSet(product)) {
        pin.product = parser.value(product);
        if (pin.product.trimmed().isEmpty()) {
            error = QStringLiteral("--product needs a product name");
            return false;
        }
    }
    return !parser.isSet(minVersion) || Read_MinVersion(parser.value(minVersion), pin, error);
}

// --model: known models, for a command that writes.
bool readModels(const QStringList &models, CliRequest &r, QString &error) {
    if (!models.isEmpty() && !Job_Traits(r.job).writes) {
        error = QStringLiteral("--model does not apply to %1").arg(r.command);
        return false;
    }
    for (const QString &model : models) {
        if (!Find_ChipModelByName(model.toLatin1().constData())) {
            QStringList known;
            for (const ChipModel &row : Chip_Models())
                known.append(QLatin1String(row.name));
            error = QStringLiteral("--model \"%1\" is no known model (known: %2)")
                        .arg(model, known.join(QLatin1String(", ")));
            return false;
        }
        if (!r.models.contains(model)) r.models.append(model);
    }
    return true;
}

} // namespace

QString Command_Named(const QStringList &arguments) {
    for (const QString &word : arguments)
        if (findCommand(word)) return word;
    return QString();
}

bool Command_NeedsDevice(const QString &command) {
    return command != QLatin1String("ports");
}

bool Command_ReadsFlashIni(const QString &command) {
    for (const char *name : {"info", "flash-info", "update-flash", "update-all"})
        if (command == QLatin1String(name)) return true;
    return false;
}

namespace {

// The arguments as expanded, where each came from, and the names the parser did not know: what
// places a refusal.
struct ParsedWords {
    QStringList words, places, unknownOptions;
};

CliParse parseArguments(const QStringList &arguments, ParsedWords &parsed);

} // namespace

CliParse Parse_CliArguments(const QStringList &arguments) {
    ParsedWords parsed;
    CliParse result = parseArguments(arguments, parsed);
    if (result.outcome == CliParse::Error)
        result.text =
            Place_ArgumentError(result.text, parsed.words, parsed.places, parsed.unknownOptions);
    return result;
}

namespace {

CliParse parseArguments(const QStringList &arguments, ParsedWords &parsed) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Updates KQ display-controller chips through their boot loader."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    const QCommandLineOption versionOption(QStringLiteral("version"),
                                           QStringLiteral("Show the version."));
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("Serial port to use, or serial:NUMBER (default: the chip's port, below); "
                       "repeat it to run on several boards at once."),
        QStringLiteral("NAME"));
    const QCommandLineOption traceOption(
        QStringLiteral("trace"),
        QStringLiteral("Write every frame sent and received to FILE, with the time in us."),
        QStringLiteral("FILE"));
    const QCommandLineOption verboseOption(
        QStringLiteral("verbose"),
        QStringLiteral("The same trace on stderr, in place of the progress bar."));
    const QCommandLineOption allOption(
        QStringLiteral("all"),
        QStringLiteral("Run on every chip port of the serial-port map at once."));
    const QCommandLineOption watchOption(
        QStringLiteral("watch"),
        QStringLiteral("Keep running: each chip port that appears gets the command, once until "
                       "it goes away and comes back. Ctrl-C ends the watch."));
    const QCommandLineOption reportOption(
        QStringLiteral("report"), QStringLiteral("Append one JSON Lines record per board to FILE."),
        QStringLiteral("FILE"));
    const QCommandLineOption waitOption(
        QStringLiteral("wait-time"),
        QStringLiteral("Extra milliseconds to wait for the rest of a reply, 0-7 (default 0)."),
        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption bootOption(
        QStringLiteral("boot-setting"),
        QStringLiteral("Boot-loader setting sent after an MCU update, 0-2 (default 0)."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption flashIniOption(
        QStringLiteral("flash-ini"),
        QStringLiteral("The list of flash parts to read when it exists (search order below)."),
        QStringLiteral("PATH"));
    const QCommandLineOption quietOption(QStringLiteral("quiet"),
                                         QStringLiteral("No log lines and no progress bar."));
    const QCommandLineOption eraseOption(
        QStringLiteral("erase-whole"),
        QStringLiteral("update-flash, update-all: erase the whole flash first."));
    const QCommandLineOption nandOption(QStringLiteral("nand"),
                                        QStringLiteral("flash-mode: the NAND-flash loader."));
    const QCommandLineOption onlyChangedOption(
        QStringLiteral("only-changed"),
        QStringLiteral("update-flash, update-all: write only the blocks whose CRC on the chip "
                       "differs from the image (not with --erase-whole)."));
    const QCommandLineOption blocksOption(
        QStringLiteral("blocks"),
        QStringLiteral("check-flash: also name the address ranges that differ from the image."));
    const QCommandLineOption probeOption(
        QStringLiteral("probe"),
        QStringLiteral("ports: also identify the chip on every chip port (model, boot version), "
                       "all at once, within a second."));
    const QCommandLineOption configOption(
        QStringLiteral("config"),
        QStringLiteral("Read more arguments from FILE, in place: each line that is not empty and "
                       "does not start with # is split as a command line (a station's settings)."),
        QStringLiteral("FILE"));
    const QCommandLineOption jsonOption(
        QStringLiteral("json"),
        QStringLiteral("Print events, one JSON object per line, on stdout in place of the log "
                       "(their format: /usr/share/doc/tessara-cli/events.md)."));
    const QCommandLineOption beforeOption(
        QStringLiteral("before-board"),
        QStringLiteral("Run CMD (a program and its arguments, no shell) before a board is "
                       "written, the board in its TESSARA_* variables; unless it exits with 0 "
                       "the board is refused."),
        QStringLiteral("CMD"));
    const QCommandLineOption afterOption(
        QStringLiteral("after-board"),
        QStringLiteral("Run CMD when a board has ended, with TESSARA_RESULT, TESSARA_REASON and "
                       "the board's record as JSON on its standard input."),
        QStringLiteral("CMD"));
    const QCommandLineOption hookTimeoutOption(
        QStringLiteral("hook-timeout"),
        QStringLiteral("Seconds a --before-board or --after-board command may take, 1-3600 "
                       "(default 10)."),
        QStringLiteral("SECONDS"), QStringLiteral("10"));
    const QCommandLineOption mqttOption(
        QStringLiteral("mqtt"),
        QStringLiteral("Publish the events to the MQTT broker at mqtt://HOST[:PORT][/PREFIX] "
                       "(mqtts:// with TLS)."),
        QStringLiteral("URL"));
    const QCommandLineOption drainOption(
        QStringLiteral("mqtt-drain"),
        QStringLiteral("Seconds the end of a run waits for the broker to take its events, 0-600 "
                       "(default 5); with --report, the ends it did not take are sent first by "
                       "the next run."),
        QStringLiteral("SECONDS"), QStringLiteral("5"));
    const QCommandLineOption stationOption(
        QStringLiteral("station"),
        QStringLiteral("The station's name in the MQTT topics (default: the host name)."),
        QStringLiteral("NAME"));
    const QCommandLineOption bundleOption(
        QStringLiteral("bundle"),
        QStringLiteral("update-mcu, update-flash, update-all, check-mcu, check-flash: the images "
                       "of the release bundle FILE (.kqb) in place of image files; each board is "
                       "refused unless it is a chip the bundle is for. Its boot setting, when it "
                       "names one, replaces --boot-setting."),
        QStringLiteral("FILE"));
    const QCommandLineOption trustOption(
        QStringLiteral("trust"),
        QStringLiteral("With --bundle, also trust bundles signed by the public key PUBKEY "
                       "(repeatable)."),
        QStringLiteral("PUBKEY"));
    const QCommandLineOption productOption(
        QStringLiteral("product"),
        QStringLiteral("Write only bundles of product NAME: any other is refused before a port "
                       "is opened, and so are image files, which name no product."),
        QStringLiteral("NAME"));
    const QCommandLineOption minVersionOption(
        QStringLiteral("min-version"),
        QStringLiteral("Write only bundles of version V or later (dotted numbers: 2.10 is later "
                       "than 2.9): an older one is refused before a port is opened, and so are "
                       "image files, which name no version."),
        QStringLiteral("V"));
    const QCommandLineOption modelOption(
        QStringLiteral("model"),
        QStringLiteral("update-mcu, update-flash, update-all: write only chips of model MODEL "
                       "(repeatable): a board of any other model is refused before anything is "
                       "written. With --bundle, each must be one of the bundle's models."),
        QStringLiteral("MODEL"));
    const QCommandLineOption ledgerOption(
        QStringLiteral("ledger"),
        QStringLiteral("--bundle with per-board fields: the ledger each board's values come "
                       "from, a SQLite file or postgresql://... (default: %1).")
            .arg(Ledger_DefaultPath()),
        QStringLiteral("PATH|URL"));
    const QCommandLineOption mqttAuthOption(
        QStringLiteral("mqtt-auth"),
        QStringLiteral("Read the MQTT user name and password from FILE (USER:PASSWORD)."),
        QStringLiteral("FILE"));
    parser.addOptions({helpOption,        versionOption,     portOption,       allOption,
                       watchOption,       reportOption,      waitOption,       bootOption,
                       flashIniOption,    quietOption,       eraseOption,      nandOption,
                       onlyChangedOption, blocksOption,      probeOption,      traceOption,
                       verboseOption,     configOption,      jsonOption,       beforeOption,
                       afterOption,       hookTimeoutOption, mqttOption,       stationOption,
                       mqttAuthOption,    drainOption,       bundleOption,     trustOption,
                       ledgerOption,      productOption,     minVersionOption, modelOption});
    // station.conf is read by tessara-station too: what only its window uses is passed over.
    for (const char *windowOnly : {"supervisor-hash", "retry", "scan", "operator", "lot"}) {
        QCommandLineOption option(QString::fromLatin1(windowOnly), QString(),
                                  QStringLiteral("VALUE"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("See below."),
                                 QStringLiteral("COMMAND [IMAGE...]"));

    CliParse result;
    parsed.words = Expand_StationConfig(arguments, result.text, &parsed.places);
    if (!result.text.isEmpty()) return result;
    if (!parser.parse(parsed.words)) {
        result.text = parser.errorText();
        parsed.unknownOptions = parser.unknownOptionNames();
        return result;
    }
    if (parser.isSet(helpOption)) {
        result.outcome = CliParse::Help;
        result.text = parser.helpText() + commandList();
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.outcome = CliParse::Version;
        return result;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        result.text = QStringLiteral("no command given (try --help)");
        return result;
    }
    CliRequest &r = result.request;
    r.command = positional.takeFirst();
    const CliCommand *entry = findCommand(r.command);
    if (r.command == QLatin1String("bundle")) {
        result.text = QStringLiteral("bundle comes first: tessara-cli bundle SUBCOMMAND ... (try "
                                     "tessara-cli bundle --help)");
        return result;
    }
    if (!entry) {
        result.text = QStringLiteral("unknown command \"%1\" (try --help)").arg(r.command);
        return result;
    }
    r.job = entry->job;
    const JobTraits &job = Job_Traits(entry->job);
    const int imageCount = int(job.mcuImage) + int(job.flashImage);
    r.bundle = parser.value(bundleOption);
    r.trust = parser.values(trustOption);
    r.ledger = parser.value(ledgerOption);
    if (parser.isSet(bundleOption)) {
        if (imageCount == 0 || r.bundle.isEmpty() || !positional.isEmpty()) {
            result.text = imageCount == 0
                              ? QStringLiteral("--bundle does not apply to %1").arg(r.command)
                          : r.bundle.isEmpty()
                              ? QStringLiteral("--bundle needs a file name")
                              : QStringLiteral("%1 takes its images from the bundle: no image file "
                                               "with --bundle")
                                    .arg(r.command);
            return result;
        }
    } else if (parser.isSet(trustOption) || parser.isSet(ledgerOption)) {
        result.text = QStringLiteral("--%1 applies to --bundle")
                          .arg(parser.isSet(trustOption) ? QStringLiteral("trust")
                                                         : QStringLiteral("ledger"));
        return result;
    } else if (positional.size() != imageCount) {
        result.text =
            imageCount == 0
                ? QStringLiteral("%1 takes no file").arg(r.command)
                : QStringLiteral("usage: %1 %2").arg(r.command, QLatin1String(entry->images));
        return result;
    }
    if (!readPin(parser, productOption, minVersionOption, r.pin, result.text) ||
        !readModels(parser.values(modelOption), r, result.text))
        return result;
    r.images = positional;
    for (int i = 0; i < positional.size(); ++i)
        (i == 0 && job.mcuImage ? r.mcuImage : r.flashImage) = positional.at(i);
    r.quiet = parser.isSet(quietOption);
    r.eraseWhole = parser.isSet(eraseOption);
    r.nand = parser.isSet(nandOption);
    r.onlyChanged = parser.isSet(onlyChangedOption);
    r.blocks = parser.isSet(blocksOption);
    r.probe = parser.isSet(probeOption);
    const struct {
        bool given;
        bool applies;
        const QCommandLineOption &option;
    } commandOptions[] = {{r.eraseWhole, job.eraseWhole, eraseOption},
                          {r.nand, bool(entry->options & Nand), nandOption},
                          {r.onlyChanged, job.onlyChanged, onlyChangedOption},
                          {r.blocks, bool(entry->options & Blocks), blocksOption},
                          {r.probe, bool(entry->options & Probe), probeOption}};
    for (const auto &o : commandOptions) {
        if (o.given && !o.applies) {
            result.text = QStringLiteral("--%1 does not apply to %2")
                              .arg(o.option.names().constFirst(), r.command);
            return result;
        }
    }
    result.text = FlashChoices_Refusal(r.eraseWhole, r.onlyChanged);
    if (!result.text.isEmpty()) return result;
    if (!readBoards(parser.values(portOption), parser.isSet(allOption), r, result.text))
        return result;
    r.watch = parser.isSet(watchOption);
    r.report = parser.value(reportOption);
    if (parser.isSet(reportOption) && r.report.isEmpty()) {
        result.text = QStringLiteral("--report needs a file name");
        return result;
    }
    if (!Command_NeedsDevice(r.command) && (r.gang() || r.watch || parser.isSet(reportOption))) {
        result.text = QStringLiteral("%1 does not apply to %2")
                          .arg(r.all      ? QStringLiteral("--all")
                               : r.watch  ? QStringLiteral("--watch")
                               : r.gang() ? QStringLiteral("a second --port")
                                          : QStringLiteral("--report"),
                               r.command);
        return result;
    }
    r.flashIni = parser.value(flashIniOption);
    r.trace = parser.value(traceOption);
    if (parser.isSet(traceOption) && r.trace.isEmpty()) {
        result.text = QStringLiteral("--trace needs a file name");
        return result;
    }
    r.verbose = parser.isSet(verboseOption);
    // A trace follows one link.
    if ((r.gang() || r.watch) && (parser.isSet(traceOption) || r.verbose)) {
        result.text =
            QStringLiteral("--%1 follows one board; it does not apply to %2")
                .arg(r.verbose ? QStringLiteral("verbose") : QStringLiteral("trace"),
                     r.watch ? QStringLiteral("--watch") : QStringLiteral("several boards"));
        return result;
    }
    if (!readNumber(QStringLiteral("wait-time"), parser.value(waitOption), 0, 7, r.waitTime,
                    result.text) ||
        !readNumber(QStringLiteral("boot-setting"), parser.value(bootOption), 0, 2, r.bootSetting,
                    result.text))
        return result;
    if (!readLineOptions(parser, r, result.text)) return result;
    result.outcome = CliParse::Run;
    return result;
}

} // namespace
