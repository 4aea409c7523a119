// The window's release bundle: opening it (command line, drop, Input buttons) and running the
// updates and checks from it.
#include "app/main_window.h"
#include "bundle/bundle_job.h"
#include "ui_main_window.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

bool isBundleName(const QString &path) {
    return path.endsWith(QLatin1String(".kqb"), Qt::CaseInsensitive);
}

// The one local .kqb file a drag carries; empty for anything else.
QString droppedBundle(const QMimeData *data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return QString();
    const QString path = data->urls().constFirst().toLocalFile();
    return isBundleName(path) ? path : QString();
}

bool usesImages(Job job) {
    return Job_Traits(job).mcuImage || Job_Traits(job).flashImage;
}

} // namespace

bool MainWindow::openBundle(const QString &path) {
    const BundleCheck check = Load_Bundle(path, {});
    if (!check.accepted()) {
        const QString reason = QStringLiteral("Bundle %1 refused: %2").arg(path, check.refusal);
        logLine(reason);
        Show_Message(reason);
        return false;
    }
    bundle = check.bundle;
    const BundleManifest &m = bundle->manifest;
    logLine(QStringLiteral("Bundle: %1, %2 %3 for %4; %5")
                .arg(path, m.product, m.version, m.constraints.models.join(QLatin1String(", ")),
                     Signature_Text(bundle->signature)));
    if (!check.warning.isEmpty()) logLine(QStringLiteral("Warning: ") + check.warning);
    // What the checks compare with, as an Input of the bundle's images would leave it.
    mcuImage =
        bundle->mcu ? McuImageFacts{bundle->mcu->length, bundle->mcu->crc, 0} : McuImageFacts();
    flashImage = bundle->flash ? FlashImageFacts{bundle->flash->length, bundle->flash->crc}
                               : FlashImageFacts();
    ui->lineEdit_MCU->setText(bundle->mcu ? path + QLatin1Char(':') + bundle->mcu->file
                                          : QString());
    ui->lineEdit_Flash->setText(bundle->flash ? path + QLatin1Char(':') + bundle->flash->file
                                              : QString());
    showImage(ImageRole::Mcu, mcuImage.mcuCrc, mcuImage.mcuLen);
    showImage(ImageRole::Flash, flashImage.flashCodeCrc, flashImage.flashCodeLen);
    return true;
}

bool MainWindow::inputBundle(const QString &path) {
    if (isBundleName(path)) {
        openBundle(path);
        return true;
    }
    if (bundle) {
        // The other field no longer shows an image of its own.
        bundle.reset();
        ui->lineEdit_MCU->clear();
        ui->lineEdit_Flash->clear();
        mcuImage = McuImageFacts();
        flashImage = FlashImageFacts();
        showImage(ImageRole::Mcu, 0, 0);
        showImage(ImageRole::Flash, 0, 0);
    }
    return false;
}

bool MainWindow::takeBundle(JobRequest &request) {
    if (!bundle || !usesImages(request.job)) return true;
    if (const QString refusal = Bundle_JobRefusal(*bundle, request.job); !refusal.isEmpty()) {
        Show_Message(refusal);
        return false;
    }
    Bundle_IntoJob(request, *bundle);
    // A chip the bundle is not for is refused on the board thread; the operator reads why here.
    const Gate check = request.gates.front();
    request.gates.front() = [this, check](const GateFacts &facts) -> Result<> {
        const Result<> passed = check(facts);
        if (!passed.ok()) {
            const QString reason = passed.failure().reason;
            QMetaObject::invokeMethod(
                this,
                [this, reason] {
                    logLine(QStringLiteral("Refused: ") + reason);
                    Show_Message(reason);
                },
                Qt::QueuedConnection);
        }
        return passed;
    };
    return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event) {
    if (!droppedBundle(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event) {
    const QString path = droppedBundle(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    openBundle(path);
}
