#include "station/recipe.h"

#include "bundle/bundle_job.h"
#include "bundle/release_pin.h"
#include "flash/flash_ini.h"
#include "flash/flash_ini_search.h"
#include "protocol/chip_table.h"
#include "station/refusal_words.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Recipe)
};

// A refused image stops the recipe with the reason its reading gave.
std::optional<Failure> refusal(const ImageSnapshot &image) {
    if (!image || image->usable()) return std::nullopt;
    return Fail(
        image->refusal->failure.kind,
        Words::tr("%1: %2").arg(image->path, Station_RefusalWords(image->refusal->message)));
}

QString imageLine(const QString &label, const ImageSnapshot &image) {
    return Words::tr("%1: %2, CRC-32 0x%3, %4 bytes, SHA-256 %5")
        .arg(label, QFileInfo(image->path).fileName())
        .arg(image->crc, 8, 16, QLatin1Char('0'))
        .arg(image->bytes.size())
        .arg(QString::fromLatin1(image->sha256.toHex().left(16)));
}

// The bundle checked whole and for the operation; its images, boot setting and chip check become
// the recipe's job.
std::optional<Failure> takeBundle(Recipe &recipe, const StationOptions &o, StationLedger *ledger) {
    const BundleCheck check = Load_Bundle(o.bundlePath, o.trust);
    QString refusal = check.refusal;
    if (refusal.isEmpty()) refusal = Bundle_JobRefusal(check.bundle, o.job, ledger != nullptr);
    if (refusal.isEmpty()) refusal = Release_PinRefusal(check.bundle.manifest, o.pin);
    if (!refusal.isEmpty())
        return Fail(
            FailureKind::ImageUnusable,
            Words::tr("bundle %1 refused: %2").arg(o.bundlePath, Station_RefusalWords(refusal)));
    Bundle_IntoJob(recipe.request, check.bundle);
    if (ledger && !ledger->giveTo(recipe.request, check.bundle.manifest.unitData, refusal))
        return Fail(FailureKind::InputUnusable, Station_RefusalWords(refusal));
    recipe.bundle = check.bundle;
    recipe.bundleWarning = check.warning;
    recipe.models = check.bundle.manifest.constraints.models;
    recipe.recordFields = Bundle_ReportFields(check.bundle);
    return std::nullopt;
}

// A job that writes the flash needs a Flash.ini that lists parts: without one every board would
// fail after its MCU was written, and be counted as a bad board.
std::optional<Failure> flashIniProblem(const StationOptions &o) {
    if (o.job != Job::UpdateAll && o.job != Job::UpdateFlash) return std::nullopt;
    const auto refuse = [](const QString &why) { return Fail(FailureKind::InputUnusable, why); };
    if (!o.flashIniPath.isEmpty() && !QFileInfo::exists(o.flashIniPath))
        return refuse(Words::tr("Flash.ini %1 does not exist").arg(o.flashIniPath));
    const FlashIniPlaces places = FlashIni_Places(o.flashIniPath);
    const QString path = Flash_IniPath(places);
    if (path.isEmpty())
        return refuse(Words::tr("no Flash.ini found in %1")
                          .arg(Flash_IniCandidates(places).join(QStringLiteral(", "))));
    QFile file(path);
    QString reason;
    if (!FlashIni_Open(file, reason))
        return refuse(Station_RefusalWords(FlashIni_Unreadable(path, reason)));
    QTextStream in(&file);
    if (Largest_FlashCapacity(in) == 0)
        return refuse(Words::tr("Flash.ini %1 lists no flash part").arg(path));
    return std::nullopt;
}

} // namespace

QString Wrong_RecipeReason(const QString &model) {
    return Words::tr("this board is a %1: wrong recipe").arg(model);
}

bool Recipe_Excludes(const Recipe &recipe, const std::optional<ChipIdentity> &chip) {
    return !recipe.models.isEmpty() && chip && chip->known() &&
           !recipe.models.contains(chip->name());
}

Result<Recipe> Load_Recipe(const StationOptions &o, StationLedger *ledger) {
    Recipe recipe;
    recipe.operation = o.operation;
    JobRequest &r = recipe.request;
    r.job = o.job;
    r.flashIniPath = o.flashIniPath;
    r.onlyChanged = o.onlyChanged;
    if (const std::optional<Failure> why = flashIniProblem(o)) return *why;
    if (!o.bundlePath.isEmpty()) {
        if (const std::optional<Failure> why = takeBundle(recipe, o, ledger)) return *why;
        // --model narrows the bundle's models, as tessara-cli takes it from the same station.conf.
        if (const std::optional<QString> model = Model_OutsideBundle(*recipe.bundle, o.models))
            return Fail(FailureKind::InputUnusable,
                        Words::tr("--model %1: bundle %2 is for %3")
                            .arg(*model, o.bundlePath, recipe.models.join(QStringLiteral(", "))));
        if (!o.models.isEmpty()) Limit_RecipeModels(recipe, o.models);
        return recipe;
    }
    // Nor product nor version: a station pinned to a release writes bundles only.
    if (const QString why = Release_PinRefusesImages(o.pin);
        Job_Traits(o.job).writes && !why.isEmpty())
        return Fail(FailureKind::InputUnusable, Station_RefusalWords(why));
    // Raw images name no model: the operator names them, or any chip would take them.
    if (o.models.isEmpty())
        return Fail(FailureKind::InputUnusable,
                    Words::tr("raw images need the model they are for (--model NAME)"));
    for (const QString &model : o.models)
        if (!Find_ChipModelByName(model.toLatin1().constData()))
            return Fail(FailureKind::InputUnusable, Words::tr("unknown model: %1").arg(model));
    Read_JobImages(r, o.mcuPath, o.flashPath);
    for (const ImageSnapshot &image : {r.mcuImage, r.flashImage})
        if (const std::optional<Failure> why = refusal(image)) return *why;
    Limit_RecipeModels(recipe, o.models);
    return recipe;
}

QString Recipe_Summary(const Recipe &recipe) {
    QStringList parts{recipe.operation};
    if (recipe.bundle) {
        const Bundle &b = *recipe.bundle;
        parts.append(QStringLiteral("bundle %1 %2 %3 sha256 %4")
                         .arg(QFileInfo(b.path).fileName(), b.manifest.product, b.manifest.version,
                              QString::fromLatin1(b.fileSha256.toHex())));
    }
    for (const ImageSnapshot &image : {recipe.request.mcuImage, recipe.request.flashImage})
        if (image)
            parts.append(QStringLiteral("%1 crc 0x%2")
                             .arg(QFileInfo(image->path).fileName())
                             .arg(image->crc, 8, 16, QLatin1Char('0')));
    parts.append(QStringLiteral("models ") +
                 (recipe.models.isEmpty() ? QStringLiteral("any") : recipe.models.join(',')));
    return parts.join(QStringLiteral("; "));
}

QString Recipe_Id(const Recipe &recipe) {
    const QByteArray digest =
        QCryptographicHash::hash(Recipe_Summary(recipe).toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex().left(16));
}

QStringList Recipe_Lines(const Recipe &recipe) {
    const JobRequest &r = recipe.request;
    const std::optional<Bundle> &b = recipe.bundle;
    QStringList lines;
    if (b) {
        lines.append(Words::tr("Recipe: bundle %1").arg(QFileInfo(b->path).fileName()));
        lines.append(
            Words::tr("Product: %1, version %2").arg(b->manifest.product, b->manifest.version));
    } else {
        lines.append(Words::tr("Recipe: unsigned images"));
    }
    lines.append(
        Words::tr("Operation: %1%2")
            .arg(recipe.operation, r.onlyChanged ? Words::tr(", only changed blocks") : QString()));
    if (r.mcuImage) lines.append(imageLine(Words::tr("MCU image"), r.mcuImage));
    if (r.flashImage) lines.append(imageLine(Words::tr("Flash image"), r.flashImage));
    lines.append(recipe.models.isEmpty()
                     ? Words::tr("Models: any")
                     : Words::tr("Models: %1").arg(recipe.models.join(QStringLiteral(", "))));
    if (!b) {
        lines.append(Words::tr("Signature: none"));
        return lines;
    }
    lines.append(
        Words::tr("Bundle SHA-256: %1").arg(QString::fromLatin1(b->fileSha256.toHex().left(16))));
    lines.append(
        Words::tr("Signature: %1").arg(Station_RefusalWords(Signature_Text(b->signature))));
    if (!recipe.bundleWarning.isEmpty())
        lines.append(Words::tr("Warning: %1").arg(Station_RefusalWords(recipe.bundleWarning)));
    return lines;
}

void Limit_RecipeModels(Recipe &recipe, const QStringList &models) {
    recipe.models = models;
    recipe.request.gates.push_back([models](const GateFacts &board) -> Result<> {
        if (models.isEmpty() || models.contains(board.chip.name())) return Done{};
        return Fail(FailureKind::InputUnusable, Wrong_RecipeReason(board.chip.name()));
    });
}
