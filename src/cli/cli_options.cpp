#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The options that only some commands take.
enum CommandOption { EraseWhole = 1, Nand = 2, OnlyChanged = 4, Blocks = 8 };

struct CliCommand {
    const char *name;
    Job job;
    const char *images; // the image arguments, as the help shows them
    const char *kinds;  // what each image is: 'M' the MCU image, 'F' the flash image
    int options;        // CommandOption flags
    const char *what;
};

const CliCommand commands[] = {
    {"ports", Job::Probe, "", "", 0, "list the serial-port map; * marks the chip's port"},
    {"probe", Job::Probe, "", "", 0, "identify the chip: model and boot version"},
    {"info", Job::Info, "", "", 0, "read the device information"},
    {"flash-info", Job::FlashInfo, "", "", 0, "identify the external flash part"},
    {"update-mcu", Job::UpdateMcu, "IMAGE", "M", 0, "program and verify the MCU flash"},
    {"check-mcu", Job::CheckMcu, "IMAGE", "M", 0, "compare the MCU flash with IMAGE by CRC-32"},
    {"update-flash", Job::UpdateFlash, "IMAGE", "F", EraseWhole | OnlyChanged,
     "program and verify the external flash"},
    {"check-flash", Job::CheckFlash, "IMAGE", "F", Blocks, "compare the external flash with IMAGE"},
    {"update-all", Job::UpdateAll, "MCU_IMAGE FLASH_IMAGE", "MF", EraseWhole | OnlyChanged,
     "update the MCU, then the external flash"},
    {"run", Job::Run, "", "", 0, "start the application in the chip"},
    {"flash-mode", Job::FlashMode, "", "", Nand, "put a KQ580 into flash mode"},
};

const CliCommand *findCommand(const QString &name) {
    for (const CliCommand &c : commands)
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

QString commandList() {
    QString text = QStringLiteral("\nCommands:\n");
    for (const CliCommand &c : commands) {
        const QString usage = QLatin1String(c.name) + QLatin1Char(' ') + QLatin1String(c.images);
        text += QStringLiteral("  %1 %2\n").arg(usage, -36).arg(QLatin1String(c.what));
    }
    text += QStringLiteral("\nExit status: 0 success, 1 the operation failed, 2 bad usage.\n");
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

} // namespace

bool Command_NeedsDevice(const QString &command) {
    return command != QLatin1String("ports");
}

CliParse Parse_CliArguments(const QStringList &arguments) {
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
        QStringLiteral("Serial port to use (default: the chip's port in the serial-port map)."),
        QStringLiteral("NAME"));
    const QCommandLineOption waitOption(
        QStringLiteral("wait-time"),
        QStringLiteral("Extra milliseconds to wait for the rest of a reply, 0-7 (default 0)."),
        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption bootOption(
        QStringLiteral("boot-setting"),
        QStringLiteral("Boot-loader setting sent after an MCU update, 0-2 (default 0)."),
        QStringLiteral("N"), QStringLiteral("0"));
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
    parser.addOptions({helpOption, versionOption, portOption, waitOption, bootOption, quietOption,
                       eraseOption, nandOption, onlyChangedOption, blocksOption});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("See below."),
                                 QStringLiteral("COMMAND [IMAGE...]"));

    CliParse result;
    if (!parser.parse(arguments)) {
        result.text = parser.errorText();
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
    if (!entry) {
        result.text = QStringLiteral("unknown command \"%1\" (try --help)").arg(r.command);
        return result;
    }
    r.job = entry->job;
    const int imageCount = int(qstrlen(entry->kinds));
    if (positional.size() != imageCount) {
        result.text =
            imageCount == 0
                ? QStringLiteral("%1 takes no file").arg(r.command)
                : QStringLiteral("usage: %1 %2").arg(r.command, QLatin1String(entry->images));
        return result;
    }
    r.images = positional;
    for (int i = 0; i < imageCount; ++i)
        (entry->kinds[i] == 'M' ? r.mcuImage : r.flashImage) = positional.at(i);
    r.quiet = parser.isSet(quietOption);
    r.eraseWhole = parser.isSet(eraseOption);
    r.nand = parser.isSet(nandOption);
    r.onlyChanged = parser.isSet(onlyChangedOption);
    r.blocks = parser.isSet(blocksOption);
    const struct {
        bool given;
        CommandOption flag;
        const QCommandLineOption &option;
    } commandOptions[] = {{r.eraseWhole, EraseWhole, eraseOption},
                          {r.nand, Nand, nandOption},
                          {r.onlyChanged, OnlyChanged, onlyChangedOption},
                          {r.blocks, Blocks, blocksOption}};
    for (const auto &o : commandOptions) {
        if (o.given && !(entry->options & o.flag)) {
            result.text = QStringLiteral("--%1 does not apply to %2")
                              .arg(o.option.names().constFirst(), r.command);
            return result;
        }
    }
    if (r.onlyChanged && r.eraseWhole) {
        result.text = QStringLiteral("--only-changed cannot be used with --erase-whole: an erased "
                                     "flash has nothing to keep");
        return result;
    }
    if (parser.isSet(portOption)) {
        r.port = parser.value(portOption);
        if (r.port.isEmpty()) {
            result.text = QStringLiteral("--port needs a port name");
            return result;
        }
    }
    if (!readNumber(QStringLiteral("wait-time"), parser.value(waitOption), 0, 7, r.waitTime,
                    result.text) ||
        !readNumber(QStringLiteral("boot-setting"), parser.value(bootOption), 0, 2, r.bootSetting,
                    result.text))
        return result;
    result.outcome = CliParse::Run;
    return result;
}
