#include "station/recipe.h"

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

} // namespace

QString Wrong_RecipeReason(const QString &model) {
    return Words::tr("this board is a %1: wrong recipe").arg(model);
}

Result<Recipe> Load_Recipe(const StationOptions &o) {
    Recipe recipe;
    recipe.operation = o.operation;
    JobRequest &r = recipe.request;
    r.job = o.job;
    r.flashIniPath = o.flashIniPath;
    r.onlyChanged = o.onlyChanged;
    Read_JobImages(r, o.mcuPath, o.flashPath);
    for (const ImageSnapshot &image : {r.mcuImage, r.flashImage})
        if (const std::optional<Failure> why = refusal(image)) return *why;
    return recipe;
}

QStringList Recipe_Lines(const Recipe &recipe) {
    const JobRequest &r = recipe.request;
    QStringList lines{
        Words::tr("Recipe: unsigned images"),
        Words::tr("Operation: %1%2")
            .arg(recipe.operation, r.onlyChanged ? Words::tr(", only changed blocks") : QString())};
    if (r.mcuImage) lines.append(imageLine(Words::tr("MCU image"), r.mcuImage));
    if (r.flashImage) lines.append(imageLine(Words::tr("Flash image"), r.flashImage));
    lines.append(recipe.models.isEmpty()
                     ? Words::tr("Models: any")
                     : Words::tr("Models: %1").arg(recipe.models.join(QStringLiteral(", "))));
    lines.append(Words::tr("Signature: none"));
    return lines;
}

void Limit_RecipeModels(Recipe &recipe, const QStringList &models) {
    recipe.models = models;
    recipe.request.gates.push_back([models](const GateFacts &board) -> Result<> {
        if (models.isEmpty() || models.contains(board.model)) return Done{};
        return Fail(FailureKind::InputUnusable, Wrong_RecipeReason(board.model));
    });
}
