#include "station/station_options.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QStandardPaths>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(StationOptions)
};

} // namespace

std::optional<Job> Station_Job(const QString &operation) {
    static const std::pair<const char *, Job> jobs[] = {
        {"update-all", Job::UpdateAll},     {"update-mcu", Job::UpdateMcu},
        {"update-flash", Job::UpdateFlash}, {"check-mcu", Job::CheckMcu},
        {"check-flash", Job::CheckFlash},
    };
    for (const auto &[name, job] : jobs)
        if (operation == QLatin1String(name)) return job;
    return std::nullopt;
}

QString Default_ReportPath() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(dir).filePath(QStringLiteral("tessara/reports/station-%1.jsonl")
                                  .arg(QDate::currentDate().toString(Qt::ISODate)));
}

QString Station_Usage() {
    return Words::tr("Usage: tessara-station [OPTIONS] [OPERATION] [BUNDLE.kqb]\n"
                     "Updates every board plugged into the fixture's hub, one tile per slot.\n\n"
                     "Arguments:\n"
                     "  OPERATION            update-all (default), update-mcu, update-flash,\n"
                     "                       check-mcu, check-flash\n"
                     "  BUNDLE.kqb           the release bundle of the recipe (or --bundle FILE,\n"
                     "                       or --mcu and --flash)\n\n"
                     "Options:\n"
                     "  --bundle FILE        the release bundle of the recipe\n"
                     "  --trust PUBKEY       trust this minisign public key (repeatable)\n"
                     "  --mcu FILE           the MCU image of the recipe\n"
                     "  --flash FILE         the flash image of the recipe\n"
                     "  --only-changed       write only the flash blocks that differ\n"
                     "  --report FILE        the report (JSON Lines; default:\n"
                     "                       $XDG_DATA_HOME/tessara/reports/station-DATE.jsonl)\n"
                     "  --slots FILE         slots.conf: one \"PATH = NAME\" per slot\n"
                     "  --max-parallel N     at most N boards at once (default: all)\n"
                     "  --manual             boards wait for Start (space bar)\n"
                     "  --flash-ini FILE     the Flash.ini to read first\n"
                     "  -h, --help           show this help\n"
                     "  --version            show the version\n\n"
                     "Exit status:\n"
                     "  0    the window was closed (SIGTERM, SIGHUP and Ctrl-C close it as Stop\n"
                     "       and close do: the boards running end safely first), or --help or\n"
                     "       --version answered\n"
                     "  2    the options, an image, the bundle, slots.conf or the report cannot\n"
                     "       be used (the reason is printed); no port is opened\n"
                     "  134  the window could not start, for example with no display to show\n"
                     "       it on: Qt says why and aborts\n");
}

ParsedStationOptions Parse_StationOptions(const QStringList &arguments) {
    ParsedStationOptions parsed;
    StationOptions o;
    bool operationGiven = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        const auto value = [&](QString &into) {
            if (i + 1 >= arguments.size()) {
                parsed.error = Words::tr("%1 needs a value").arg(a);
                return false;
            }
            into = arguments[++i];
            return true;
        };
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            parsed.help = true;
            return parsed;
        } else if (a == QLatin1String("--version")) {
            parsed.version = true;
            return parsed;
        } else if (a == QLatin1String("--mcu")) {
            if (!value(o.mcuPath)) return parsed;
        } else if (a == QLatin1String("--flash")) {
            if (!value(o.flashPath)) return parsed;
        } else if (a == QLatin1String("--report")) {
            if (!value(o.reportPath)) return parsed;
        } else if (a == QLatin1String("--slots")) {
            if (!value(o.slotsConf)) return parsed;
        } else if (a == QLatin1String("--flash-ini")) {
            if (!value(o.flashIniPath)) return parsed;
        } else if (a == QLatin1String("--trust")) {
            QString key;
            if (!value(key)) return parsed;
            o.trust.append(key);
        } else if (a == QLatin1String("--only-changed")) {
            o.onlyChanged = true;
        } else if (a == QLatin1String("--manual")) {
            o.manual = true;
        } else if (a == QLatin1String("--max-parallel")) {
            QString text;
            if (!value(text)) return parsed;
            bool ok = false;
            o.maxParallel = text.toInt(&ok);
            if (!ok || o.maxParallel < 1 || o.maxParallel > 256) {
                parsed.error = Words::tr("--max-parallel takes a number from 1 to 256");
                return parsed;
            }
        } else if (a == QLatin1String("--bundle")) {
            QString path;
            if (!value(path)) return parsed;
            if (path.isEmpty() || !o.bundlePath.isEmpty()) {
                parsed.error = path.isEmpty()
                                   ? Words::tr("--bundle needs a file name")
                                   : Words::tr("one bundle: %1 and %2").arg(o.bundlePath, path);
                return parsed;
            }
            o.bundlePath = path;
        } else if (a.endsWith(QLatin1String(".kqb"), Qt::CaseInsensitive) &&
                   o.bundlePath.isEmpty()) {
            o.bundlePath = a;
        } else if (!a.startsWith(QLatin1Char('-')) && !operationGiven) {
            const std::optional<Job> job = Station_Job(a);
            if (!job) {
                parsed.error = Words::tr("unknown operation: %1").arg(a);
                return parsed;
            }
            o.job = *job;
            o.operation = a;
            operationGiven = true;
        } else {
            parsed.error = Words::tr("unknown option: %1").arg(a);
            return parsed;
        }
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
    if (o.reportPath.isEmpty()) o.reportPath = Default_ReportPath();
    parsed.options = o;
    return parsed;
}
