#include "station/station_options.h"

#include "line/line_options.h"
#include "line/station_config.h"
#include "station/refusal_words.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QStandardPaths>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(StationOptions)
};

// Why an option of tessara-cli's that station.conf may hold is refused by the window; empty for
// any other.
QString Not_ForTheWindow(const QString &option) {
    if (option == QLatin1String("--json"))
        return Words::tr("the window sends the events to the line with --mqtt, not to stdout");
    if (option == QLatin1String("--port"))
        return Words::tr("the window watches every chip port; --slots names them");
    for (const char *log : {"--quiet", "--verbose", "--trace"})
        if (option == QLatin1String(log))
            return Words::tr("the window keeps each board's log on its tile");
    for (const char *other :
         {"--wait", "--boot-setting", "--erase-whole", "--nand", "--blocks", "--probe"})
        if (option == QLatin1String(other))
            return Words::tr("the station's recipe does not take it");
    return QString();
}

// The value `text` names in `table`; none when it names none.
template <typename T, size_t N>
std::optional<T> named(const QString &text, const std::pair<const char *, T> (&table)[N]) {
    for (const auto &[name, value] : table)
        if (text == QLatin1String(name)) return value;
    return std::nullopt;
}

} // namespace

std::optional<Job> Station_Job(const QString &operation) {
    static const std::pair<const char *, Job> jobs[] = {
        {"update-all", Job::UpdateAll},     {"update-mcu", Job::UpdateMcu},
        {"update-flash", Job::UpdateFlash}, {"check-mcu", Job::CheckMcu},
        {"check-flash", Job::CheckFlash},
    };
    return named(operation, jobs);
}

QString Default_StationConf() {
    return QStringLiteral(TESSARA_SYSTEM_CONFIG_DIR "/station.conf");
}

QString Default_ReportPath() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(dir).filePath(QStringLiteral("tessara/reports/station-%1.jsonl")
                                  .arg(QDate::currentDate().toString(Qt::ISODate)));
}

QString Station_Usage() {
    return Words::tr(
               "Usage: tessara-station [OPTIONS] [OPERATION] [BUNDLE.kqb]\n"
               "Updates every board plugged into the fixture's hub, one tile per slot.\n\n"
               "Arguments:\n"
               "  OPERATION            update-all (default), update-mcu, update-flash,\n"
               "                       check-mcu, check-flash; tessara-cli's images may\n"
               "                       follow it (update-all APP FLASH)\n"
               "  BUNDLE.kqb           the release bundle of the recipe (or --bundle FILE,\n"
               "                       or --mcu and --flash)\n\n"
               "Options:\n"
               "  --bundle FILE        the release bundle of the recipe\n"
               "  --trust PUBKEY       trust this minisign public key (repeatable)\n"
               "  --mcu FILE           the MCU image of the recipe\n"
               "  --flash FILE         the flash image of the recipe\n"
               "  --model NAME         the model the images are for (repeatable; needed\n"
               "                       with --mcu and --flash); with a bundle, one of its\n"
               "                       models: only boards of it are taken\n"
               "  --product NAME       take only bundles of product NAME\n"
               "  --min-version V      take only bundles of version V or later (dotted\n"
               "                       numbers: 2.10 is later than 2.9)\n"
               "  --only-changed       write only the flash blocks that differ\n"
               "  --ledger PATH|URL    where a bundle's per-board values come from: a\n"
               "                       SQLite file or postgresql://... (default:\n"
               "                       $XDG_DATA_HOME/tessara/ledger.sqlite)\n"
               "  --report FILE        the report (JSON Lines; default:\n"
               "                       $XDG_DATA_HOME/tessara/reports/station-DATE.jsonl)\n"
               "  --slots FILE         slots.conf: one \"PATH = NAME\" per slot\n"
               "  --max-parallel N     at most N boards at once (default: all)\n"
               "  --manual             boards wait for Start (space bar)\n"
               "  --retry POLICY       a failed board back in its slot: auto (run it again),\n"
               "                       ask (run it again once acknowledged, the default),\n"
               "                       never (only a new board runs)\n"
               "  --flash-ini FILE     the Flash.ini to read first\n"
               "  --config FILE        read options from FILE (station.conf, as tessara-cli)\n"
               "  --station NAME       this station's name in its records, audit log and\n"
               "                       MQTT topics\n"
               "  --mqtt URL           publish the boards' events to the line's broker at\n"
               "                       mqtt://HOST[:PORT][/PREFIX] (mqtts:// with TLS)\n"
               "  --mqtt-auth FILE     the broker's user name and password (USER:PASSWORD)\n"
               "  --mqtt-drain SECONDS  how long closing waits for the broker to take the\n"
               "                       boards' ends, 0-600 (default 5)\n"
               "  --before-board CMD   run CMD before a board is written; unless it exits\n"
               "                       with 0 the board is refused\n"
               "  --after-board CMD    run CMD when a board has ended, its record on its input\n"
               "  --hook-timeout SECONDS  how long a hook may take, 1-3600 (default 10)\n"
               "  --fullscreen         fill the screen (a kiosk)\n"
               "  --scan POLICY        board serials: off (the default), optional, or\n"
               "                       required (a board without one does not run)\n"
               "  --operator ID        the operator's ID, and\n"
               "  --lot LOT            the work order or lot, of the shift (asked for at\n"
               "                       start unless both are given)\n"
               "  --set-supervisor-password  set the supervisor's password in the\n"
               "                       configuration file (--config, default %1)\n"
               "  -h, --help           show this help\n"
               "  --version            show the version\n\n"
               "Exit status:\n"
               "  0    the window was closed, or --help or --version answered\n"
               "  2    the options, an image, the bundle, Flash.ini, slots.conf or the report\n"
               "       cannot be used (the reason is printed); no port is opened\n"
               "  134  the window could not start, for example with no display to show\n"
               "       it on: Qt says why and aborts\n"
               "  128+N  stopped by signal N (SIGTERM: 143, SIGHUP: 129, Ctrl-C: 130): the\n"
               "       boards running end safely first\n")
        .arg(Default_StationConf());
}

ParsedStationOptions Parse_StationOptions(const QStringList &given) {
    ParsedStationOptions parsed;
    // Expanded as tessara-cli expands its own (after the program's name).
    QStringList origins;
    const QStringList arguments =
        Expand_StationConfig(QStringList{QString()} + given, parsed.error, &origins).mid(1);
    if (!parsed.error.isEmpty()) {
        parsed.error = Station_RefusalWords(parsed.error);
        return parsed;
    }
    origins.removeFirst();
    // The reason names the file and line of a word that came from a configuration file.
    const auto located = [&](int i) {
        if (!parsed.error.isEmpty() && !origins.value(i).isEmpty())
            parsed.error = origins.value(i) + QStringLiteral(": ") + parsed.error;
        return parsed;
    };
    StationOptions o;
    bool operationGiven = false;
    QStringList images; // after the operation
    for (int i = 0; i < arguments.size(); ++i) {
        // "--report=FILE" as tessara-cli takes it, or "--report FILE".
        const int equals = arguments[i].indexOf(QLatin1Char('='));
        const bool inlineValue = arguments[i].startsWith(QLatin1String("--")) && equals > 2;
        const QString a = inlineValue ? arguments[i].left(equals) : arguments[i];
        bool valueTaken = false;
        const auto value = [&](QString &into) {
            valueTaken = true;
            if (inlineValue) {
                into = arguments[i].mid(equals + 1);
                return true;
            }
            if (i + 1 >= arguments.size()) {
                parsed.error = Words::tr("%1 needs a value").arg(a);
                return false;
            }
            into = arguments[++i];
            return true;
        };
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            parsed.help = true;
            return located(i);
        } else if (a == QLatin1String("--version")) {
            parsed.version = true;
            return located(i);
        } else if (a == QLatin1String("--mcu")) {
            if (!value(o.mcuPath)) return located(i);
        } else if (a == QLatin1String("--flash")) {
            if (!value(o.flashPath)) return located(i);
        } else if (a == QLatin1String("--report")) {
            if (!value(o.reportPath)) return located(i);
        } else if (a == QLatin1String("--slots")) {
            if (!value(o.slotsConf)) return located(i);
        } else if (a == QLatin1String("--flash-ini")) {
            if (!value(o.flashIniPath)) return located(i);
        } else if (a == QLatin1String("--supervisor-hash")) {
            if (!value(o.supervisorHash)) return located(i);
        } else if (a == QLatin1String("--ledger")) {
            if (!value(o.ledger)) return located(i);
        } else if (Is_LineOption(a)) {
            QString text;
            if (!value(text)) return located(i);
            if (!Take_LineOption(a, text, o.line, parsed.error)) {
                parsed.error = Station_RefusalWords(parsed.error);
                return located(i);
            }
        } else if (const QString why = Not_ForTheWindow(a); !why.isEmpty()) {
            parsed.error = Words::tr("%1 is not for the window: %2").arg(a, why);
            return located(i);
        } else if (a == QLatin1String("--operator") || a == QLatin1String("--lot")) {
            QString &into = a == QLatin1String("--lot") ? o.lot : o.operatorId;
            if (!value(into)) return located(i);
            if (const QString problem = Scanned_TextProblem(into); !problem.isEmpty()) {
                parsed.error = QStringLiteral("%1: %2").arg(a, problem);
                return located(i);
            }
        } else if (a == QLatin1String("--scan")) {
            QString text;
            if (!value(text)) return located(i);
            static const std::pair<const char *, ScanPolicy> policies[] = {
                {"off", ScanPolicy::Off},
                {"optional", ScanPolicy::Optional},
                {"required", ScanPolicy::Required}};
            const std::optional<ScanPolicy> policy = named(text, policies);
            if (!policy) {
                parsed.error = Words::tr("--scan takes off, optional or required");
                return located(i);
            }
            o.scan = *policy;
        } else if (a == QLatin1String("--fullscreen")) {
            o.fullscreen = true;
        } else if (a == QLatin1String("--all") || a == QLatin1String("--watch")) {
            // The service's way of saying what the station always does: watch every chip port.
        } else if (a == QLatin1String("--model")) {
            QString model;
            if (!value(model)) return located(i);
            o.models.append(model);
        } else if (a == QLatin1String("--trust")) {
            QString key;
            if (!value(key)) return located(i);
            o.trust.append(key);
        } else if ((a == QLatin1String("--product") && !o.pin.product.isEmpty()) ||
                   (a == QLatin1String("--min-version") && o.pin.minVersion)) {
            // One pin: a second one would quietly loosen the first.
            parsed.error = Words::tr("%1 is given twice").arg(a);
            return located(i);
        } else if (a == QLatin1String("--product")) {
            if (!value(o.pin.product)) return located(i);
            if (o.pin.product.trimmed().isEmpty()) {
                parsed.error = Words::tr("--product needs a product name");
                return located(i);
            }
        } else if (a == QLatin1String("--min-version")) {
            QString text;
            if (!value(text)) return located(i);
            if (!Read_MinVersion(text, o.pin, parsed.error)) {
                parsed.error = Station_RefusalWords(parsed.error);
                return located(i);
            }
        } else if (a == QLatin1String("--only-changed")) {
            o.onlyChanged = true;
        } else if (a == QLatin1String("--manual")) {
            o.manual = true;
        } else if (a == QLatin1String("--retry")) {
            QString text;
            if (!value(text)) return located(i);
            static const std::pair<const char *, RetryPolicy> policies[] = {
                {"auto", RetryPolicy::Auto},
                {"ask", RetryPolicy::Ask},
                {"never", RetryPolicy::Never}};
            const std::optional<RetryPolicy> policy = named(text, policies);
            if (!policy) {
                parsed.error = Words::tr("--retry takes auto, ask or never");
                return located(i);
            }
            o.retry = *policy;
        } else if (a == QLatin1String("--max-parallel")) {
            QString text;
            if (!value(text)) return located(i);
            bool ok = false;
            o.maxParallel = text.toInt(&ok);
            if (!ok || o.maxParallel < 1 || o.maxParallel > 256) {
                parsed.error = Words::tr("--max-parallel takes a number from 1 to 256");
                return located(i);
            }
        } else if (a == QLatin1String("--bundle")) {
            QString path;
            if (!value(path)) return located(i);
            if (path.isEmpty() || !o.bundlePath.isEmpty()) {
                parsed.error = path.isEmpty()
                                   ? Words::tr("--bundle needs a file name")
                                   : Words::tr("one bundle: %1 and %2").arg(o.bundlePath, path);
                return located(i);
            }
            o.bundlePath = path;
        } else if (a.endsWith(QLatin1String(".kqb"), Qt::CaseInsensitive) &&
                   o.bundlePath.isEmpty()) {
            o.bundlePath = a;
        } else if (!a.startsWith(QLatin1Char('-')) && !operationGiven) {
            const std::optional<Job> job = Station_Job(a);
            if (!job) {
                parsed.error = Words::tr("unknown operation: %1").arg(a);
                return located(i);
            }
            o.job = *job;
            o.operation = a;
            operationGiven = true;
        } else if (!a.startsWith(QLatin1Char('-')) && images.size() < 2) {
            images.append(a); // as tessara-cli takes them: update-all APP FLASH
        } else {
            parsed.error = Words::tr("unknown option: %1").arg(a);
            return located(i);
        }
        if (inlineValue && !valueTaken) {
            parsed.error = Words::tr("%1 takes no value").arg(a);
            return located(i);
        }
    }
    // The images named after the operation, in tessara-cli's order: the MCU's first.
    for (const QString &image : images) {
        QString &into = Job_Traits(o.job).mcuImage && o.mcuPath.isEmpty() ? o.mcuPath : o.flashPath;
        if (!into.isEmpty() || !(Job_Traits(o.job).mcuImage || Job_Traits(o.job).flashImage)) {
            parsed.error = Words::tr("unknown option: %1").arg(image);
            return parsed;
        }
        into = image;
    }
    if (!o.bundlePath.isEmpty() && !(o.mcuPath.isEmpty() && o.flashPath.isEmpty())) {
        parsed.error = Words::tr("a bundle or --mcu and --flash, not both");
        return parsed;
    }
    if (o.bundlePath.isEmpty() && !o.trust.isEmpty()) {
        parsed.error = Words::tr("--trust applies to a bundle");
        return parsed;
    }
    // A bundle's images are checked against the operation once it is read.
    const JobTraits &job = Job_Traits(o.job);
    if (o.bundlePath.isEmpty() && job.mcuImage && o.mcuPath.isEmpty()) {
        parsed.error = Words::tr("%1 needs an MCU image (--mcu FILE)").arg(o.operation);
        return parsed;
    }
    if (o.bundlePath.isEmpty() && job.flashImage && o.flashPath.isEmpty()) {
        parsed.error = Words::tr("%1 needs a flash image (--flash FILE)").arg(o.operation);
        return parsed;
    }
    if (o.onlyChanged && !job.onlyChanged) {
        parsed.error =
            Words::tr("%1 does not apply to %2").arg(QStringLiteral("--only-changed"), o.operation);
        return parsed;
    }
    if (!Check_LineOptions(o.line, parsed.error)) {
        parsed.error = Station_RefusalWords(parsed.error);
        return parsed;
    }
    o.station = o.line.station;
    if (o.reportPath.isEmpty()) o.reportPath = Default_ReportPath();
    parsed.options = o;
    return parsed;
}
