#include "station/recipe.h"

#include "bundle/bundle_job.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Recipe)
};

// A refused image stops the recipe with the reason its reading gave.
std::optional<Failure> refusal(const ImageSnapshot &image) {
    if (!image || image->usable()) return std::nullopt;
    return Fail(image->refusal->failure.kind,
                Words::tr("%1: %2").arg(image->path, image->refusal->message));
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
std::optional<Failure> takeBundle(Recipe &recipe, const StationOptions &o) {
    const BundleCheck check = Load_Bundle(o.bundlePath, o.trust);
    QString refusal = check.refusal;
    if (refusal.isEmpty()) refusal = Bundle_JobRefusal(check.bundle, o.job);
    if (!refusal.isEmpty())
        return Fail(FailureKind::ImageUnusable,
                    Words::tr("bundle %1 refused: %2").arg(o.bundlePath, refusal));
    Bundle_IntoJob(recipe.request, check.bundle);
    recipe.bundle = check.bundle;
    recipe.bundleWarning = check.warning;
    recipe.models = check.bundle.manifest.constraints.models;
    recipe.recordFields = Bundle_ReportFields(check.bundle);
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

Result<Recipe> Load_Recipe(const StationOptions &o) {
    Recipe recipe;
    recipe.operation = o.operation;
    JobRequest &r = recipe.request;
    r.job = o.job;
    r.flashIniPath = o.flashIniPath;
    r.onlyChanged = o.onlyChanged;
    if (!o.bundlePath.isEmpty()) {
        if (const std::optional<Failure> why = takeBundle(recipe, o)) return *why;
        return recipe;
    }
    Read_JobImages(r, o.mcuPath, o.flashPath);
    for (const ImageSnapshot &image : {r.mcuImage, r.flashImage})
        if (const std::optional<Failure> why = refusal(image)) return *why;
    return recipe;
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
    lines.append(Words::tr("Signature: %1").arg(Signature_Text(b->signature)));
    if (!recipe.bundleWarning.isEmpty())
        lines.append(Words::tr("Warning: %1").arg(recipe.bundleWarning));
    return lines;
}

void Limit_RecipeModels(Recipe &recipe, const QStringList &models) {
    recipe.models = models;
    recipe.request.gates.push_back([models](const GateFacts &board) -> Result<> {
        if (models.isEmpty() || models.contains(board.chip.name())) return Done{};
        return Fail(FailureKind::InputUnusable, Wrong_RecipeReason(board.chip.name()));
    });
}
