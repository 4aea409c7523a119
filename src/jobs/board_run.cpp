#include "jobs/board_run.h"

#include "jobs/job.h"
#include "protocol/chip_table.h"
#include "protocol/handshake.h"
#include "serial/serial_link.h"

#include <QElapsedTimer>

namespace {

// The image files of the request, by absolute path (a record outlives the working directory),
// with what the job read of them.
void recordImages(const JobRequest &r, JobResult &result) {
    if (r.mcuImage && !r.mcuImage->path.isEmpty()) {
        BoardImage image{r.mcuImage->absolutePath, 0, 0, r.mcuImage->sha256};
        if (result.mcuFacts) {
            image.crc = result.mcuFacts->mcuCrc;
            image.length = result.mcuFacts->mcuLen;
        }
        result.mcuImage = image;
    }
    if (r.flashImage && !r.flashImage->path.isEmpty()) {
        BoardImage image{r.flashImage->absolutePath, 0, 0, r.flashImage->sha256};
        if (result.flashFacts) {
            image.crc = result.flashFacts->flashCodeCrc;
            image.length = result.flashFacts->flashCodeLen;
        }
        result.flashImage = image;
    }
}

} // namespace

Result<> Identify_Board(DeviceSession &s, JobResult &result) {
    const Result<> probe = Probe_Model(s);
    result.model = QLatin1String(s.chip().name);
    result.modelCode = s.modelCode;
    result.bootVersion = s.bootVersion;
    result.bootKind = s.bootKind;
    result.bootType = s.bootType;
    return probe;
}

JobResult Run_OnBoard(const QString &port, const JobRequest &request, Observer &observer) {
    QElapsedTimer clock;
    clock.start();
    JobResult result;
    SerialLink link;
    link.waitTime = request.waitTime;
    link.observer = request.trace;
    link.deadline = request.deadline;
    DeviceSession session(link, observer);
    if (!link.Open(port)) {
        observer.message(QStringLiteral("Open fail"));
        result.failure = Fail(FailureKind::SystemError, link.openFailure(port));
    } else if (const Result<> identified = Identify_Board(session, result); !identified.ok()) {
        result.failure = identified.failure();
    } else {
        Run_Job(session, request, result);
    }
    recordImages(request, result);
    result.outOfTime = link.outOfTime();
    result.seconds = double(clock.nsecsElapsed()) / 1e9;
    return result;
}
