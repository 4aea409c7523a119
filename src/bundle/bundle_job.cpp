#include "bundle/bundle_job.h"

#include "bundle/chip_check.h"

#include <memory>

namespace {

// The bundle's image as a run's snapshot, named by the bundle and its entry.
ImageSnapshot snapshotOf(const Bundle &bundle, const BundleImage &image) {
    auto file = std::make_shared<ImageFile>();
    file->path = file->absolutePath = bundle.path + QLatin1Char(':') + image.file;
    file->bytes = image.bytes;
    file->size = image.bytes.size();
    file->read = true;
    file->crc = image.crc;
    file->sha256 = image.sha256;
    file->inImageOrder = true;
    return file;
}

bool checksFlashPart(const Bundle &bundle) {
    return bundle.flash && !bundle.manifest.constraints.flashIds.isEmpty();
}

} // namespace

QString Bundle_JobRefusal(const Bundle &bundle, Job job, bool perBoardValues) {
    const QString name = bundle.path.isEmpty() ? QStringLiteral("the bundle") : bundle.path;
    if (Job_Traits(job).mcuImage && !bundle.mcu)
        return QStringLiteral("%1 holds no MCU image").arg(name);
    if (Job_Traits(job).flashImage && !bundle.flash)
        return QStringLiteral("%1 holds no flash image").arg(name);
    // Its flash image as it stands would give every board the same serial and key.
    const JobTraits &traits = Job_Traits(job);
    if (traits.flashImage && traits.writes && !bundle.manifest.unitData.isEmpty() &&
        !perBoardValues)
        return QStringLiteral("%1 gives each board values of its own (unit_data): write it with "
                              "tessara-cli, which takes them from a ledger")
            .arg(name);
    return QString();
}

void Bundle_IntoJob(JobRequest &request, const Bundle &bundle) {
    const JobTraits &job = Job_Traits(request.job);
    if (job.mcuImage && bundle.mcu) request.mcuImage = snapshotOf(bundle, *bundle.mcu);
    if (job.flashImage && bundle.flash) request.flashImage = snapshotOf(bundle, *bundle.flash);
    if (const std::optional<int> setting = bundle.manifest.constraints.bootSetting)
        request.bootSetting = *setting;
    request.gates.insert(request.gates.begin(), Bundle_Gate(bundle));
    // Its chip check sees the flash part before any memory is written (only Update All, which
    // writes the MCU first, reads the part for it).
    if (checksFlashPart(bundle) && job.readsFlashPart) request.gateSeesFlashPart = true;
}

Gate Bundle_Gate(const Bundle &bundle) {
    const BundleConstraints constraints = bundle.manifest.constraints;
    const bool hasFlash = bundle.flash.has_value();
    return [constraints, hasFlash](const GateFacts &facts) -> Result<> {
        IdentifiedChip chip;
        chip.chip = facts.chip;
        if (facts.flashPart) chip.flashId = facts.flashPart->id;
        const QString refusal = Bundle_ChipRefusal(constraints, hasFlash, chip);
        if (refusal.isEmpty()) return Done{};
        return Fail(FailureKind::InputUnusable, refusal);
    };
}

Gate Models_Gate(const QStringList &models) {
    return [models](const GateFacts &facts) -> Result<> {
        const QString refusal = Model_ChipRefusal(QStringLiteral("images"), models, facts.chip);
        if (refusal.isEmpty()) return Done{};
        return Fail(FailureKind::InputUnusable, refusal);
    };
}

std::optional<QString> Model_OutsideBundle(const Bundle &bundle, const QStringList &models) {
    for (const QString &model : models)
        if (!bundle.manifest.constraints.models.contains(model)) return model;
    return std::nullopt;
}

QList<ReportField> Bundle_ReportFields(const Bundle &b) {
    const bool signedBundle = b.signature.state != SignatureState::Unsigned;
    return {{"bundle", b.path},
            {"bundle_sha256", QString::fromLatin1(b.fileSha256.toHex())},
            {"product", b.manifest.product},
            {"version", b.manifest.version},
            {"key_id", signedBundle ? std::optional<QString>(b.signature.keyId) : std::nullopt}};
}
