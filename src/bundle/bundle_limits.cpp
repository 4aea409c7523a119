#include "bundle/bundle_limits.h"

#include "mcu/mcu_image.h"
#include "protocol/models.h"

#include <algorithm>

qint64 Bundle_McuMax() {
    qint64 largest = 0;
    for (const ModelRow &row : modelTable)
        largest = std::max<qint64>(largest, Get_McuFlashSize(row.code));
    return largest;
}

qint64 Bundle_FileMax() {
    constexpr qint64 ArchiveRecords = 1024 * 1024;
    return Bundle_McuMax() + BundleFlashMax + ManifestMax + SignatureFileMax + ArchiveRecords;
}
